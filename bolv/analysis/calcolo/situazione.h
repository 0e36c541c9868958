// The situation by delay: the ten wheels side by side, every number in the row of the draw
// that last brought it out (row d is the draw d archive slots before the end of the
// analysis window) and in the column of its position in that draw, so that each wheel reads
// like its recent draws with the numbers that came out again removed.
//
// On it: the numbers whose delay passed their historical maximum, the count of each row, the
// delays at which the numbers still waiting depart from their expected count, and the text
// report of the whole table.
#pragma once

#include "stato.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bolv {

constexpr int COLONNESITU = 62; // "Rit", ten wheels of five positions and a separator, "Num"

struct Situazione {
    int ritardomassimo = 0; // the largest current delay of a number on wheels 1..10
    // Row d = 0..ritardomassimo, cell 5(w-1) + p-1: the number drawn at position p of wheel w,
    // or 0 when there is none or it came out again later.
    std::vector<std::array<uint8_t, 50>> numeri;
    // The number's current delay exceeds its historical maximum.
    std::vector<std::array<bool, 50>> rossi;
};

// The table over the analysis window, its progress reported on the wait window's bar.
Situazione riempisitu(const Stato& s);

// The expected count of a wheel's numbers whose delay is at least i: 90 x (17/18)^i.
double attesi(int i);

enum class Anomalia : uint8_t { nessuna, eccesso, carenza };

// The marking of every row and wheel 1..10 for modo 0 "Nessuna", 1 "Eccesso di numeri" or 2
// "Carenza di numeri" at degree 0..4: the row of delay d of a wheel is marked when the
// count of its numbers shown with delay at least d is above (excess) or below (shortage)
// the floor of attesi(d) by more than grado + 1.
std::vector<std::array<Anomalia, 10>> critici(const Situazione& sit, int modo, int grado);

using Cellesitu = std::vector<std::array<std::string, COLONNESITU>>;

// The texts of the grid: row 0 the headings, row 1 the positions, then one row per delay
// with its count of numbers in the last column.
Cellesitu cellesitu(const Situazione& sit, const std::array<std::string, 11>& nomiruote);

// The report of the table: title block dated with aggiornamento ("dd.mm.yyyy") and every
// row of the grid at its character column.
std::vector<std::string> reportsitu(const Cellesitu& celle, const std::string& aggiornamento);

} // namespace bolv
