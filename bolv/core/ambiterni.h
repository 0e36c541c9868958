// Pair and triple tables, built on request over the analysis window.
#pragma once

#include "stato.h"

#include <cstdint>

namespace bolv {

void calcolaambi(Stato& s);
void calcolaterni(Stato& s);
// Rank 1..117480 of the ascending triple a < b < c of 1..90.
int32_t indiceterno(int a, int b, int c);

} // namespace bolv
