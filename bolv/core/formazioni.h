// The table of homogeneous formations, "tab.dat": its groups and families, the check made
// once when it is loaded, and the formations of one family.
//
// The check empties a family whose counts or numbers do not fit, so that it shows as empty
// instead of sending the readers out of the table.
#pragma once

#include "stato.h"

#include <cstdint>
#include <vector>

namespace bolv {

constexpr int GRUPPIFORMAZIONI = 6;   // groups 1..6, "Ambi" .. "Lunghette"
constexpr int FAMIGLIEFORMAZIONI = 8; // families 1..8 of each group
constexpr int MAXFORMAZIONI = 45;     // formations of a family
constexpr int MAXMEMBRI = 10;         // numbers of a formation

// Empties (formation count 0) every family of the table whose formation count or size do not
// fit the table or whose formations are not distinct numbers of 1..90; gives how many.
int validaformazioni(std::vector<int16_t>& tabella);

// Formation r of family f (1..8) of group g (1..6): its numbers in display order. No
// formations for a family that is empty or does not fit the table.
std::vector<std::vector<int>> famiglia(const std::vector<int16_t>& tabella, int g, int f);

} // namespace bolv
