#include "ambiterni.h"

#include "elabora.h"
#include "numerica.h"

#include <algorithm>
#include <array>
#include <vector>

namespace bolv {

namespace {

// The all-wheels presences can count ten hits a draw, more than 16 bits hold
// on an archive where one group comes out on many wheels at once: they stop
// at the largest value instead of turning negative.
void conta(int16_t& presenze) {
    if (presenze < INT16_MAX) ++presenze;
}

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

// The numbers of a wheel at a draw in ascending order, zeros (sorted first)
// skipped from primo on. Ascending order makes every triple of positions an
// ascending triple, and a fixed network of nine exchanges costs far less
// than a general sort.
struct Ruota {
    std::array<int, 5> x;
    int primo = 0;
};

Ruota ordinati(const Stato& s, int d, int w) {
    constexpr int PIANO = indicearchivio(1, 0, 2) - indicearchivio(1, 0, 1);
    const int16_t* numeri = s.estrazioni.data() + indicearchivio(d, w, 1);
    Ruota r;
    auto& x = r.x;
    for (int p = 0; p < 5; ++p)
        x[p] = numeri[PIANO * p];
    const auto scambia = [&x](int i, int j) {
        const int minore = std::min(x[i], x[j]);
        x[j] = std::max(x[i], x[j]);
        x[i] = minore;
    };
    scambia(0, 1), scambia(3, 4), scambia(2, 4), scambia(2, 3), scambia(1, 4);
    scambia(0, 3), scambia(0, 2), scambia(1, 3), scambia(1, 2);
    while (r.primo < 5 && x[r.primo] == 0)
        ++r.primo;
    return r;
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
                    if (a == 0 || a == b) continue; // a repeated number is no pair
                    const int i = indiceambo(w, a, b), i11 = i + (RUOTATUTTE - w);
                    ++presenze[i];
                    conta(presenze[i11]);
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

// The triple tables are far larger than the caches, so the scan works on its
// own table: the presences and the last appearance of all eleven columns of
// one triple share one cache line, and an appearance costs one memory fetch
// instead of one per table. The last appearance is a position in the window
// (0: not yet drawn), so a zeroed table is a fresh one.
struct alignas(64) Terno {
    std::array<int16_t, RUOTATUTTE> presenze, ultima;
};

// The triples drawn at one draw: rank and wheel, at most ten on each wheel.
struct TerniEstrazione {
    int conta = 0;
    std::array<int32_t, 100> terno;
    std::array<int8_t, 100> ruota;
};

void terniestrazione(const Stato& s, int d, TerniEstrazione& terni) {
    terni.conta = 0;
    for (int w = 1; w <= 10; ++w) {
        if (s.estr(d, w, 1) == 0) continue;
        // Named members rather than a structured binding: clang before 16 lets no
        // lambda capture a binding.
        const Ruota ruota = ordinati(s, d, w);
        const auto& x = ruota.x;
        const int primo = ruota.primo;
        if (primo == 0 && x[0] < x[1] && x[1] < x[2] && x[2] < x[3] && x[3] < x[4]) {
            // Five different numbers, the usual case: the ten triples outright.
            const auto metti = [&](int a, int b, int c) {
                terni.terno[terni.conta] = BASITERNI[91 * x[a] + x[b]] + x[c];
                terni.ruota[terni.conta++] = static_cast<int8_t>(w);
            };
            metti(0, 1, 2), metti(0, 1, 3), metti(0, 1, 4), metti(0, 2, 3), metti(0, 2, 4);
            metti(0, 3, 4), metti(1, 2, 3), metti(1, 2, 4), metti(1, 3, 4), metti(2, 3, 4);
            continue;
        }
        for (int i = primo; i < 3; ++i)
            for (int j = i + 1; j < 4; ++j)
                for (int k = j + 1; k < 5; ++k) {
                    if (x[i] == x[j] || x[j] == x[k]) continue; // a repeated number is no triple
                    terni.terno[terni.conta] = BASITERNI[91 * x[i] + x[j]] + x[k];
                    terni.ruota[terni.conta++] = static_cast<int8_t>(w);
                }
    }
}

// Counts the triples of the draw at window position posizione; returns how
// many came out for the first time in the window.
int registra(std::vector<Terno>& lavoro, int posizione, const TerniEstrazione& terni) {
    int nuovi = 0;
    for (int i = 0; i < terni.conta; ++i) {
        Terno& t = lavoro[terni.terno[i]];
        const int c = terni.ruota[i] - 1;
        if (t.presenze[RUOTATUTTE - 1] == 0) ++nuovi;
        ++t.presenze[c];
        conta(t.presenze[RUOTATUTTE - 1]);
        t.ultima[c] = t.ultima[RUOTATUTTE - 1] = static_cast<int16_t>(posizione);
    }
    return nuovi;
}

void scansionaterni(Stato& s, std::vector<Terno>& lavoro) {
    const int prima = s.primaestrazione, ultima = s.ultimaestrazione;
    // The triples of a draw lie anywhere in 7 MB: asking for them one draw
    // ahead lets the memory fetches overlap instead of waiting one by one.
    std::array<TerniEstrazione, 2> terni;
    if (prima <= ultima) terniestrazione(s, prima, terni[prima & 1]);
    for (int d = prima; d <= ultima; ++d) {
        if (d % 100 == 0) s.interfaccia().progresso(percentuale(d - prima, ultima - prima));
        if (d < ultima) {
            TerniEstrazione& prossimi = terni[(d + 1) & 1];
            terniestrazione(s, d + 1, prossimi);
            for (int i = 0; i < prossimi.conta; ++i)
                __builtin_prefetch(&lavoro[prossimi.terno[i]], 1);
        }
        s.estr(d, 0, 5) = static_cast<int16_t>(registra(lavoro, d - prima + 1, terni[d & 1]));
    }
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
            for (int w = 1; w <= RUOTATUTTE; ++w) {
                int16_t& r = s.ritardiambi[indiceambo(w, a, b)];
                r = static_cast<int16_t>(finali[w] - r);
            }
    s.ambiattivi = true;
    ui.chiudimessaggio();
}

void calcolaterni(Stato& s) {
    Interfaccia& ui = s.interfaccia();
    ui.mostramessaggio("Creazione matrice terni in corso...");
    ui.etichettamessaggio("Inizializzazione matrice terni in corso...");
    std::vector<Terno> lavoro(NUMTERNI + 1);
    ui.mostramessaggio("Elaborazione terni in corso...");
    scansionaterni(s, lavoro);

    ui.etichettamessaggio("Conteggio ritardi in corso...");
    s.ritarditerni.resize(NUMCELLETERNI);
    s.presenzeterni.resize(NUMCELLETERNI);
    // Delays in draws: a triple never drawn has the window's length.
    const int lunghezza = contatorifinali(s)[RUOTATUTTE];
    std::array<int32_t, 12> vergini{};
    for (int t = 1; t <= NUMTERNI; ++t) {
        if (t % 30000 == 0) ui.progresso(percentuale(t, NUMTERNI));
        const Terno& terno = lavoro[t];
        for (int w = 1; w <= RUOTATUTTE; ++w) {
            const int cella = indicetabterni(w, t);
            s.presenzeterni[cella] = terno.presenze[w - 1];
            s.ritarditerni[cella] = static_cast<int16_t>(lunghezza - terno.ultima[w - 1]);
            vergini[w] += terno.presenze[w - 1] == 0 ? 1 : 0;
        }
    }
    s.contaternivergini = vergini;
    s.ternattivi = true;
    ui.chiudimessaggio();
}

} // namespace bolv
