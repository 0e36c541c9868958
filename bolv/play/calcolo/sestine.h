// The SuperEnalotto combination of every Lotto draw from slot 4000 on: six numbers from
// Bari, Firenze, Milano, Napoli, Palermo and Roma and a seventh from Venezia, each the first
// number drawn on its wheel that is not already taken; with the sum and the even and odd
// counts of the six, and per number the delays and frequency in each column and in the
// combination as a whole.
#pragma once

#include "stato.h"

#include <array>
#include <vector>

namespace bolv {

constexpr int PRIMASESTINA = 4000; // the table holds draws 4000..8000 only
constexpr std::array<int, 7> RUOTESESTINA = {1, 3, 5, 6, 7, 8, 10};

// Columns 1..7 the numbers (0 when the wheel was not drawn), 8 the sum of the first six,
// 9 how many of them are even (0 counts as even), 10 how many are odd; at index column - 1.
using Sestina = std::array<int, 10>;

struct Statisticasestina {
    int ultima = 0;    // the last draw the number stood in (from the first computed draw)
    int storico = 0;   // the longest delay met
    int frequenza = 0; // appearances
};

struct Tabellasestine {
    int primariga = PRIMASESTINA; // first computed draw
    int ultima = 0;               // last computed draw
    std::vector<Sestina> righe;   // draws primariga..ultima
    // By number 1..90 and column group 1..8 (8: anywhere in the seven columns), at
    // [n - 1][c - 1]. A 0 (a wheel not drawn) takes no part.
    std::array<std::array<Statisticasestina, 8>, 90> statistiche{};

    // The row of draw d, or null when d was not computed.
    const Sestina* riga(int d) const {
        return d >= primariga && d <= ultima ? &righe[d - primariga] : nullptr;
    }
};

// The table over the analysis window of s: draws from max(primaestrazione, 4000) to
// ultimaestrazione.
Tabellasestine calcolasestine(const Stato& s);

} // namespace bolv
