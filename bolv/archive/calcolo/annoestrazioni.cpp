#include "annoestrazioni.h"

namespace bolv {

namespace {

bool tenuta(const Stato& s, int d) {
    return d >= 1 && d <= s.numestrazioni;
}

int anno100(const Stato& s, int d) {
    return s.estr(d, 0, 3);
}

} // namespace

std::optional<Annoestrazioni> annofinoa(const Stato& s, int fine) {
    if (!tenuta(s, fine)) return std::nullopt;
    const int anno = anno100(s, fine);
    int inizio = fine;
    while (inizio > 1 && anno100(s, inizio - 1) == anno)
        --inizio;
    return Annoestrazioni{inizio, fine, anno};
}

std::optional<Annoestrazioni> annodalla(const Stato& s, int inizio) {
    if (!tenuta(s, inizio)) return std::nullopt;
    const int anno = anno100(s, inizio);
    int fine = inizio;
    while (fine < s.numestrazioni && anno100(s, fine + 1) == anno)
        ++fine;
    return Annoestrazioni{inizio, fine, anno};
}

std::optional<Annoestrazioni> annoprecedente(const Stato& s, const Annoestrazioni& a) {
    return annofinoa(s, a.inizio - 1);
}

std::optional<Annoestrazioni> annosuccessivo(const Stato& s, const Annoestrazioni& a) {
    return annodalla(s, a.fine + 1);
}

} // namespace bolv
