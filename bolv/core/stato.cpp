#include "stato.h"

#include "archivio.h"

#include <algorithm>

namespace bolv {

namespace {
Interfaccia nessunainterfaccia;
} // namespace

Stato::Stato()
    : estrazioni(NUMELEMENTI, 0), archiviofile(NUMELEMENTI, 0), dateestrazioni(NUMSLOT + 1),
      progressivi(NUMSLOT * 2, 0), ritardiuscita(NUMELEMENTI, 0), tabformazioni(NUMFORMAZIONI, 0),
      ui(&nessunainterfaccia) {
    std::copy(NOMIRUOTE.begin(), NOMIRUOTE.end(), nomiruote.begin());
}

std::string Stato::percorso(const std::string& nomefile) const {
    return cartellaprogramma + "/" + nomefile;
}

Stato& programma() {
    static Stato stato;
    return stato;
}

} // namespace bolv
