// The Lotto's arithmetic set against its payouts: what one unit staked returns on average.
#pragma once

#include "stato.h"

#include <array>

namespace bolv {

// The payout of vincite.dat for a stake of 1 when k of n numbers played are drawn
// (k 1..5, n 1..10).
float vincita(const std::array<float, NUMVINCITE>& vincite, int k, int n);

// The equity index of n numbers played on sorte k: the payout over the theoretical
// cyclicity, that is the expected return of one unit staked (1 at fair odds). 0 where it has
// no value: past the 10 numbers the payout table covers, or for a sorte above n.
double indiceequita(const std::array<float, NUMVINCITE>& vincite, int n, int k);

} // namespace bolv
