#include "ambiterni.h"

#include "elabora.h"
#include "numerica.h"

#include <algorithm>
#include <array>

namespace bolv {

namespace {

constexpr int TUTTE = 11;

constexpr int32_t rango(int a, int b, int c) {
    // Triples whose smallest number is below a, then those with smallest a
    // and middle number below b, then the place of c after b.
    const int32_t sotto = NUMTERNI - (91 - a) * (90 - a) * (89 - a) / 6;
    const int32_t medi = ((90 - a) * (89 - a) - (91 - b) * (90 - b)) / 2;
    return sotto + medi + (c - b);
}

// rango(a, b, c) = basi[91 a + b] + c: the triple scan adds one number to a
// looked-up base instead of evaluating the polynomial a million times.
constexpr std::array<int32_t, 91 * 91> BASITERNI = [] {
    std::array<int32_t, 91 * 91> basi{};
    for (int a = 1; a <= 90; ++a)
        for (int b = a + 1; b <= 90; ++b)
            basi[91 * a + b] = rango(a, b, 0);
    return basi;
}();

// The five numbers of a wheel at a draw, in ascending order (zeros first).
std::array<int, 5> ordinati(const Stato& s, int d, int w) {
    std::array<int, 5> x;
    for (int p = 1; p <= 5; ++p)
        x[p - 1] = s.estr(d, w, p);
    std::sort(x.begin(), x.end());
    return x;
}

void scansionaambi(Stato& s) {
    const int prima = s.primaestrazione, ultima = s.ultimaestrazione;
    int16_t* ritardi = s.ritardiambi.data();
    int16_t* storici = s.storiciambi.data();
    int16_t* presenze = s.presenzeambi.data();
    for (int d = prima; d <= ultima; ++d) {
        if (d % 60 == 0) s.interfaccia().progresso(percentuale(d - prima, ultima - prima));
        const int p11 = d - prima + 1;
        for (int w = 1; w <= 10; ++w) {
            // A wheel not drawn has no counter: its pairs would get no position.
            if (s.estr(d, w, 1) == 0) continue;
            const int pw = s.estr(d, w, 0);
            for (int p1 = 1; p1 <= 4; ++p1)
                for (int p2 = p1 + 1; p2 <= 5; ++p2) {
                    const int16_t x1 = s.estr(d, w, p1), x2 = s.estr(d, w, p2);
                    const int a = MinInt(x1, x2), b = MaxInt(x1, x2);
                    if (a == 0) continue;
                    const int i = indiceambo(w, a, b), i11 = i + (TUTTE - w);
                    ++presenze[i];
                    ++presenze[i11];
                    storici[i] =
                        std::max<int16_t>(storici[i], static_cast<int16_t>(pw - ritardi[i] - 1));
                    storici[i11] = std::max<int16_t>(storici[i11],
                                                     static_cast<int16_t>(p11 - ritardi[i11] - 1));
                    ritardi[i] = static_cast<int16_t>(pw);
                    ritardi[i11] = static_cast<int16_t>(p11);
                }
        }
    }
}

// Returns how many triples came out for the first time in the window at d.
int terniestrazione(Stato& s, int d) {
    int16_t* ritardi = s.ritarditerni.data();
    int16_t* presenze = s.presenzeterni.data();
    int nuovi = 0;
    for (int w = 1; w <= 10; ++w) {
        if (s.estr(d, w, 1) == 0) continue;
        const auto x = ordinati(s, d, w);
        // Ascending order makes every triple of positions an ascending triple;
        // zeros (sorted first) and repeated numbers form no triple.
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 4; ++j)
                for (int k = j + 1; k < 5; ++k) {
                    if (x[i] == 0 || x[i] == x[j] || x[j] == x[k]) continue;
                    const int cella = indicetabterni(w, BASITERNI[91 * x[i] + x[j]] + x[k]);
                    const int cella11 = cella + (TUTTE - w);
                    if (presenze[cella11] == 0) ++nuovi;
                    ++presenze[cella];
                    ++presenze[cella11];
                    ritardi[cella] = static_cast<int16_t>(d);
                    ritardi[cella11] = static_cast<int16_t>(d);
                }
    }
    return nuovi;
}

} // namespace

int32_t indiceterno(int a, int b, int c) {
    return rango(a, b, c);
}

void calcolaambi(Stato& s) {
    Interfaccia& ui = s.interfaccia();
    s.ritardiambi.assign(NUMAMBI, 0);
    s.storiciambi.assign(NUMAMBI, 0);
    s.presenzeambi.assign(NUMAMBI, 0);
    ui.mostramessaggio("Conteggio ambi...");
    // During the scan ritardiambi holds the position of the last appearance.
    scansionaambi(s);
    const auto finali = contatorifinali(s);
    for (int b = 2; b <= 90; ++b)
        for (int a = 1; a < b; ++a)
            for (int w = 1; w <= TUTTE; ++w) {
                int16_t& r = s.ritardiambi[indiceambo(w, a, b)];
                r = static_cast<int16_t>(finali[w] - r);
            }
    s.ambiattivi = true;
    ui.chiudimessaggio();
}

void calcolaterni(Stato& s) {
    Interfaccia& ui = s.interfaccia();
    const int prima = s.primaestrazione, ultima = s.ultimaestrazione;
    ui.mostramessaggio("Creazione matrice terni in corso...");
    s.contaternivergini.fill(0);
    s.ritarditerni.assign(NUMCELLETERNI, 0);
    s.presenzeterni.assign(NUMCELLETERNI, 0);
    ui.etichettamessaggio("Inizializzazione matrice terni in corso...");
    // Every triple starts as last seen at the draw before the window.
    AddInt(s.ritarditerni.data(), static_cast<int16_t>(prima - 1), NUMCELLETERNI);

    ui.mostramessaggio("Elaborazione terni in corso...");
    for (int d = prima; d <= ultima; ++d) {
        if (d % 100 == 0) ui.progresso(percentuale(d - prima, ultima - prima));
        s.estr(d, 0, 5) = static_cast<int16_t>(terniestrazione(s, d));
    }

    ui.etichettamessaggio("Conteggio ritardi in corso...");
    int16_t* ritardi = s.ritarditerni.data();
    const int16_t* presenze = s.presenzeterni.data();
    for (int t = 1; t <= NUMTERNI; ++t) {
        if (t % 30000 == 0) ui.progresso(percentuale(t, NUMTERNI));
        for (int w = 1; w <= TUTTE; ++w) {
            const int cella = indicetabterni(w, t);
            if (presenze[cella] == 0) ++s.contaternivergini[w];
            ritardi[cella] = static_cast<int16_t>(ultima - ritardi[cella]);
        }
    }
    s.ternattivi = true;
    ui.chiudimessaggio();
}

} // namespace bolv
