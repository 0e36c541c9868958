#include "cambioarchivio.h"

#include "archivio.h"
#include "elabora.h"

namespace bolv {

bool cambiaarchivio(Stato& s, const Scritturaarchivio& scrivi, const Annuncio& annuncio) {
    if (!scrivi(s)) return false;
    if (annuncio) annuncio(s);
    s.interfaccia().chiudianalisi();
    elabora(s);
    return true;
}

Scritturaarchivio modificaestrazioni(std::function<void(Stato&)> modifica) {
    return [modifica = std::move(modifica)](Stato& s) {
        auto estrazioni = s.estrazioni;
        auto date = s.dateestrazioni;
        modifica(s);
        if (scriviarchivio(s)) return true;
        s.estrazioni = std::move(estrazioni);
        s.dateestrazioni = std::move(date);
        return false;
    };
}

} // namespace bolv
