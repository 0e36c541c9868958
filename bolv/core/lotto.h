// The constants of the game that every part of Bolv counts by.
#pragma once

#include <cstdint>

namespace bolv {

constexpr int NUMERI = 90;            // the numbers 1..90
constexpr int RUOTE = 10;             // the wheels 1..10
constexpr int RUOTATUTTE = RUOTE + 1; // the column of the tables that counts all ten, "Tutte"
constexpr int ESTRATTI = 5;           // numbers drawn on each wheel

// Of a win the player is paid 97 in 100: 3% is withheld.
constexpr int64_t PAGATOPERCENTO = 97;
constexpr double QUOTAPAGATA = PAGATOPERCENTO / 100.0;

} // namespace bolv
