// The per-number table: for every number on every wheel (11 = all wheels together) its
// delays, presences, ratios, the means of its latest gaps, its mean cycle and its
// positional delay, computed once over the analysis window.
#pragma once

#include "stato.h"

#include <array>

namespace bolv {

struct Statestratto {
    int rit = 0, sto = 0, pre = 0;
    double rp = -1, rs = -1;      // Rit / Pre, Rit / Sto; -1 when the divisor is 0
    std::array<int, 5> recenti{}; // latest gaps, rank 1 the draws since the latest hit
    std::array<double, 4> rm{};   // means of the first 2, 3, 4 and 5 gaps
    double cicl = 0;              // window length / Pre; 0 when Pre is 0
    int rpos = 0;                 // positional delay
};

// Indexed [w - 1][n - 1], w 1..11.
using Tabellaestratti = std::array<std::array<Statestratto, 90>, 11>;

Tabellaestratti calcolaestratti(const Stato& s);

// The columns of the table that order it (its grid columns): 1 "Num" ascending, 2 "Rit",
// 4 "Sto", 5 "Pre", 6 "R/P", 7 "R/S", 8..11 "Rm2".."Rm5", 12 "Cicl" largest first. Equal
// values keep number order.
std::array<int, 90> ordineestratti(const Tabellaestratti& t, int w, int colonna);

} // namespace bolv
