// What the forecast manager computes: a forecast composed from the user's
// choices, with the message that refuses it, and the check of a forecast
// against one draw of the archive. Plain C++, no Qt.
#pragma once

#include "filepronostici.h"

#include <array>
#include <cstdint>
#include <string>

namespace bolv {

struct Stato;

// The inputs of "Aggiungi pronostico": the checked wheels (Bari first), the
// typed numbers separated by ".", the checked sorti (ambata first).
struct Sceltapronostico {
    std::array<bool, 10> ruote{};
    std::string numeri;
    std::array<bool, 5> sorti{};
};

// The forecast the choices make, or (messaggio not empty) why it is refused.
struct Nuovopronostico {
    Pronostico pronostico;
    std::string messaggio;
};

// Checks in the order the user is told of them: the group already full, a
// field that is not a number 1..90, two equal numbers, more than ten numbers,
// a sorte needing more numbers than typed, no sorte, no wheel.
Nuovopronostico componipronostico(const Sceltapronostico& scelta, size_t pronosticinelgruppo);

// For each sorte (ambata first) the winning combinations the draw makes on the
// forecast's wheels, whether or not the sorte is played, and whether it is
// played. A wheel not drawn gives nothing; a draw outside the archive held,
// nothing at all.
struct Verificapronostico {
    std::array<int64_t, 5> combinazioni{};
    std::array<bool, 5> giocata{};
    // What the result cell shows: empty for none, else the count with its leading blank.
    std::string testo(int sorte) const;
    bool vincente(int sorte) const { return combinazioni[sorte] > 0 && giocata[sorte]; }
};
Verificapronostico verificapronostico(const Stato& s, int estrazione, const Pronostico& p);

} // namespace bolv
