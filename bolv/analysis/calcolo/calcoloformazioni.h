// The statistics of the homogeneous formations: for one family and one sorte, the delay and
// presences of every formation on every wheel, their order and the wheel that holds the
// largest value.
//
// A formation's delay is the smallest current delay of the sub-groups the sorte plays (its
// numbers, pairs or triples) and its presences are the sum of theirs.
#pragma once

#include "formazioni.h"
#include "stato.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace bolv {

constexpr int RITARDONESSUNO = 8000; // delay of a formation with no sub-group for the sorte

enum class Sorte { ambata = 1, ambo = 2, terno = 3 };

struct Valoriformazione {
    int ritardo = RITARDONESSUNO;
    int32_t presenze = 0;
    bool maiuscita = false;        // the delay is the whole analysis window
    std::optional<float> rapporto; // delay / presences, when there are presences
};

// Delay and presences of the numbers of one formation for the sorte on wheel w (1..11).
// Ambo and terno read the pair and triple tables, which must be active.
Valoriformazione valoriformazione(const Stato& s, const std::vector<int>& numeri, Sorte sorte,
                                  int w);

struct Tabellaformazioni {
    std::vector<std::vector<int>> formazioni;
    std::vector<std::array<Valoriformazione, 11>> valori; // [formation][wheel - 1]
};

Tabellaformazioni compilaformazioni(const Stato& s, int g, int f, Sorte sorte);

// Orders: 1 by formation, 2 "Rit", 3 "Pre", 4 "R/P".
enum class Ordine { formazione = 1, ritardo, presenze, rapporto };

// The rows of wheel w in display order (indexes into formazioni): ascending by the numbers for
// Ordine::formazione, else by the value, largest first, equal values in formation order.
std::vector<int> ordineformazioni(const Tabellaformazioni& t, int w, Ordine ordine);

// The wheel 1..10 holding the largest value of the order over all formations (the first to
// reach it), or 0 for Ordine::formazione or when every value is 0.
int ruotamassima(const Tabellaformazioni& t, Ordine ordine);

} // namespace bolv
