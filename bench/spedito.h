// The program state of the benchmarks: the shipped data files read as at start-up (the
// payout table "vincite.dat", the formations table "tab.dat", the draws recomputed over the
// whole archive).
#pragma once

#include "ambiterni.h"
#include "datifile.h"
#include "elabora.h"
#include "stato.h"

#include <cstdlib>

namespace banco {

// With tabelle, the pair and triple tables are switched on and built too.
inline void caricaspedito(bolv::Stato& s, bool tabelle) {
    s.cartellaprogramma = BOLV_DATA_DIR;
    s.reimpostaultima = true;
    if (!bolv::leggivincite(s) || !bolv::leggiformazioni(s) || !bolv::elabora(s)) std::abort();
    if (!tabelle) return;
    s.ambiattivi = s.ternattivi = true;
    bolv::calcolaambi(s);
    bolv::calcolaterni(s);
}

// A state of the benchmark's own, read once, with its pair and triple tables.
inline bolv::Stato& statoconstabelle() {
    static bolv::Stato s = [] {
        bolv::Stato nuovo;
        caricaspedito(nuovo, true);
        return nuovo;
    }();
    return s;
}

} // namespace banco
