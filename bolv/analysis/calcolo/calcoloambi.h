// The table of all pairs: the three statistics of the 4005 pairs on every wheel, copied
// once from the pair tables, listed whole or for one head number, in pair order or by the
// values of one wheel.
#pragma once

#include "tabelle.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bolv {

struct Ambo {
    int a = 0, b = 0; // a < b
    // [statistic][w - 1]: 0 current delay, 1 historical delay, 2 presences; w 1..11.
    std::array<std::array<int, 11>, 3> valori{};
};

// The 4005 pairs in pair order (1.2, 1.3, .., 89.90).
std::vector<Ambo> copiaambi(const Vistaambi& v);

// The head number a text names: 0 for "Nessuno" (all pairs), 1..90; nullopt for any other
// text, which names no head number.
std::optional<int> capogiocoambi(const std::string& testo);

// The pairs to show (indices into ambi): those holding the head number h (all when h is
// 0), in pair order for colonna 12, else by the statistic on wheel colonna (1..11), largest
// first, equal values in pair order.
std::vector<int> righeambi(const std::vector<Ambo>& ambi, int h, int statistica, int colonna);

} // namespace bolv
