// Synchronisms: groups of numbers of one wheel that came out together and have all stayed
// out since, so that they share one current delay. For each wheel and group size 1..5: the
// longest current delay shared by exactly that many numbers, and the longest delay at which
// the largest group ever seen at that delay within the window had exactly that many, with
// the draw that set it.
#pragma once

#include "stato.h"

#include <array>

namespace bolv {

// Delays are counted up to this many draws of the wheel; longer ones are left out.
constexpr int MAXRITARDOSINCRO = 250;

struct Sincronismi {
    // [w - 1][k - 1]; -1 where no delay matches.
    std::array<std::array<int, 5>, 10> attuale{};
    std::array<std::array<int, 5>, 10> storico{};
    std::array<std::array<int, 5>, 10> estrazionestorico{}; // draw slot of each record
    // The wheel (1..10) with the largest value of each size, the earlier wheel on equal
    // values; 0 when no wheel has a value above 0.
    std::array<int, 5> massimoattuale{}, massimostorico{};
};

Sincronismi calcolasincronismi(const Stato& s);

} // namespace bolv
