// Head-number companions: for a head number and each wheel, the partners whose pair with
// it has the longest current delay, and the numbers drawn most and least often with it, or
// in the draw after it, over the last draws of the analysis window.
#pragma once

#include "tabelle.h"

#include <array>

namespace bolv {

using Cinquina = std::array<int, 5>; // 0 fills a slot with no number
// [w - 1][column]: "Ambi + Ritardati", "Simpatici", "Antipatici", "Post-Simpatici",
// "Post-Antipatici".
using Tabellacapogioco = std::array<std::array<Cinquina, 5>, 10>;

// Head number h 1..90; the last n draws of the window (1..its length), ending at
// ultimaestrazione. The pair tables are only read.
Tabellacapogioco calcolacapogioco(const Stato& s, const Vistaambi& v, int h, int n);

} // namespace bolv
