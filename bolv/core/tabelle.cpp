#include "tabelle.h"

#include "ambiterni.h"

#include <stdexcept>
#include <utility>

namespace bolv {

namespace {

[[noreturn]] void tabellerilasciate() {
    throw std::logic_error("lettura di una tabella di ambi o terni non attiva");
}

void ordina(int& a, int& b) {
    if (b < a) std::swap(a, b);
}

} // namespace

int Vistaambi::leggi(const std::vector<int16_t>& tabella, int w, int a, int b) const {
    if (!s.ambiattivi || tabella.empty()) tabellerilasciate();
    ordina(a, b);
    return tabella[indiceambo(w, a, b)];
}

int Vistaterni::leggi(const std::vector<int16_t>& tabella, int w, int a, int b, int c) const {
    if (!s.ternattivi || tabella.empty()) tabellerilasciate();
    ordina(a, b);
    ordina(b, c);
    ordina(a, b);
    return tabella[indicetabterni(w, indiceterno(a, b, c))];
}

std::optional<Vistaambi> tabellaambi(const Stato& s) {
    if (!s.ambiattivi || s.ritardiambi.empty()) return std::nullopt;
    return Vistaambi(s);
}

std::optional<Vistaterni> tabellaterni(const Stato& s) {
    if (!s.ternattivi || s.ritarditerni.empty()) return std::nullopt;
    return Vistaterni(s);
}

} // namespace bolv
