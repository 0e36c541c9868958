#include "occupato.h"

#include "messagebox.h"

namespace bolv {

const char* const ELABORAZIONEINCORSO =
    "È in corso un'elaborazione: attendere che termini, o premere \"Interrompi\", prima di "
    "questo comando.";

namespace {
Attivita attuale = Attivita::nessuna;
}

Attivita attivitaincorso() {
    return attuale;
}

Occupazione::Occupazione(Attivita attivita) : precedente(attuale) {
    attuale = attivita;
}

Occupazione::~Occupazione() {
    attuale = precedente;
}

bool occupato() {
    switch (attuale) {
    case Attivita::nessuna:
        return false;
    case Attivita::ricalcolo:
        return true;
    case Attivita::elaborazione:
        platform::message(QString::fromUtf8(ELABORAZIONEINCORSO));
        return true;
    }
    return true;
}

} // namespace bolv
