#include "progressioni.h"

#include "calcolovincite.h"

#include <algorithm>
#include <cmath>

namespace bolv {

namespace {

constexpr int64_t PASSOPOSTA = 1000;

struct Scommessa {
    double p;   // win per lira for one winning combination
    int64_t b;  // bets per draw
    bool tutte; // on all ten wheels together: a tenth of the payout
};

int64_t vincita(const Scommessa& s, int64_t posta) {
    long double v = static_cast<long double>(s.p) * posta;
    if (s.tutte) v /= 10;
    return static_cast<int64_t>(std::nearbyintl(v * static_cast<long double>(QUOTAPAGATA)));
}

// Raises the stake of one draw until it meets its condition; false when the capital ends
// first.
bool pianificatappa(const Giocata& g, const Scommessa& s, int64_t giainvestito, bool recupero,
                    Tappa& t) {
    do {
        t.posta += PASSOPOSTA;
        t.investito = giainvestito + t.posta * s.b;
        if (t.investito > g.capitale) return false;
        t.vincita = vincita(s, t.posta);
        t.utile = t.vincita - t.investito;
        t.utilepercento = static_cast<double>(t.utile) / static_cast<double>(t.investito);
    } while (recupero
                 ? t.utile < 0
                 : !(t.utilepercento >= g.guadagnopercento / 100 && t.utile >= g.guadagnominimo));
    return true;
}

} // namespace

Piano pianifica(const Giocata& g, const std::array<float, NUMVINCITE>& tabellavincite) {
    if (g.capitale > CAPITALEMASSIMO) return {Esitopiano::capitaleeccessivo, {}};
    if (g.sorte > g.numeri) return {Esitopiano::sortealta, {}};
    if (g.capitale == 0 || g.guadagnominimo == 0) return {Esitopiano::nonimpostati, {}};
    const bool tutte = g.ruote == 10;
    const Scommessa s{vincitaunitaria(tabellavincite, g.sorte, g.numeri),
                      tutte ? g.bollette : g.bollette * g.ruote, tutte};
    const double fattore = fattoreguadagno(tabellavincite, g.sorte, g.numeri, tutte);
    if (static_cast<double>(s.b) > fattore) return {Esitopiano::nonremunerativo, {}};

    // Draw 1 always seeks the gain, also when every draw is a recovery draw.
    const int guadagno = std::max(1, g.estrazionigioco - g.estrazionirecupero);
    Piano piano;
    int64_t investito = 0;
    for (int i = 1; i <= g.estrazionigioco; ++i) {
        Tappa t;
        if (!pianificatappa(g, s, investito, i > guadagno, t))
            return {Esitopiano::capitaleinsufficiente, {}};
        investito = t.investito;
        piano.tappe.push_back(t);
    }
    return piano;
}

} // namespace bolv
