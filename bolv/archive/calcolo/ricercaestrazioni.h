// Finding a draw in the archive browser: the step buttons, "Vai a data" and "Vai a numero".
// Each gives the slot to show, or says why there is none.
#pragma once

#include "stato.h"

#include <optional>
#include <string>
#include <vector>

namespace bolv {

// The step buttons 0..3 ("<", "<<", ">>", ">") from position p within prima..ultima.
int passo(int p, int indice, int prima, int ultima);

// The date typed in "Vai a data", read at fixed places whatever the separators: day in
// characters 1-2, month 4-5, year 7-10 (below 100: 19yy). A day or month beyond its range
// is kept as typed; nullopt when the values make no date at all.
struct Datacercata {
    int giorno = 0;
    int mese = 0;
    int anno = 0;
};
std::optional<Datacercata> leggidatacercata(const std::string& risposta);

// The first draw from primaestrazione on, in three forward stages: the year, then from
// there the month, then from there a day within 4 of the one typed; 0 when a stage runs
// past the last draw held.
int cercadata(const Stato& s, const Datacercata& data);

// "Vai a numero": the draw to show (0: none) and the messages to give, in order.
struct Esitonumero {
    int slot = 0;
    std::vector<std::string> messaggi;
};
Esitonumero cercanumero(const Stato& s, const std::string& risposta);

} // namespace bolv
