// Numbers, pairs and triples of a seeded random archive against a plain scan
// written from the definitions, and the closed form of indiceterno.
#include "ambiterni.h"
#include "archivio.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <bitset>
#include <map>
#include <set>

namespace bolv {
namespace {

using prova::Estrazione;
constexpr int TUTTE = 11;

TEST(IndiceTerno, ClosedFormRanksEveryTripleInOrder) {
    int32_t atteso = 0;
    for (int a = 1; a <= 88; ++a)
        for (int b = a + 1; b <= 89; ++b)
            for (int c = b + 1; c <= 90; ++c)
                ASSERT_EQ(indiceterno(a, b, c), ++atteso);
    EXPECT_EQ(atteso, NUMTERNI);
    struct Caso {
        int a, b, c, rango;
    };
    for (const Caso x : {Caso{1, 2, 3, 1}, Caso{1, 2, 4, 2}, Caso{1, 2, 90, 88}, Caso{1, 3, 4, 89},
                         Caso{1, 89, 90, 3916}, Caso{2, 3, 4, 3917}, Caso{88, 89, 90, 117480}})
        EXPECT_EQ(indiceterno(x.a, x.b, x.c), x.rango);
}

// What the tables must hold, found by following each number, pair and
// triple through the window draw by draw: a delay is how many draws went by
// (of the wheel, or of all wheels in column 11) since the last time it came
// out, or since the window began.
struct Riferimento {
    std::map<std::array<int, 2>, std::array<int, 12>> presenze2, ritardi2, storici2;
    std::array<std::array<int, 12>, 91> presenze1{}, ritardi1{}, storici1{};
    std::map<std::pair<int, int>, int> uscita; // (draw, 10 wheel + position) -> delay
    std::map<std::array<int, 3>, std::array<int, 12>> presenze3, ultima3;
    std::map<int, int> nuovi; // draw -> triples out for the first time
};

using Ruota = std::bitset<91>;

Ruota numeri(const Estrazione& e, int w) {
    Ruota r;
    for (int n : e.ruote[w - 1])
        r.set(static_cast<size_t>(n));
    r.reset(0);
    return r;
}

bool estratta(const Estrazione& e, int w) {
    return e.ruote[w - 1][0] != 0;
}

// Follows one group (numbers, pairs) through the window: uscita(d, w) says
// whether it came out on wheel w at draw d.
template <typename Uscita>
void segui(const std::vector<Estrazione>& archivio, int prima, int ultima, Uscita uscita,
           std::array<int, 12>& ritardi, std::array<int, 12>& storici,
           std::array<int, 12>& conteggi) {
    std::array<int, 12> assenze{};
    for (int d = prima; d <= ultima; ++d) {
        const Estrazione& e = archivio[d - 1];
        int volte = 0;
        for (int w = 1; w <= 10; ++w) {
            if (!estratta(e, w)) continue;
            if (uscita(d, w)) {
                ++conteggi[w], ++volte;
                storici[w] = std::max(storici[w], assenze[w]);
                assenze[w] = 0;
            } else {
                ++assenze[w];
            }
        }
        if (volte > 0) {
            conteggi[TUTTE] += volte;
            storici[TUTTE] = std::max(storici[TUTTE], assenze[TUTTE]);
            assenze[TUTTE] = 0;
        } else {
            ++assenze[TUTTE];
        }
    }
    ritardi = assenze;
}

Riferimento riferimento(const std::vector<Estrazione>& archivio, int prima, int ultima) {
    Riferimento r;
    for (int n = 1; n <= 90; ++n)
        segui(
            archivio, prima, ultima,
            [&](int d, int w) { return numeri(archivio[d - 1], w).test(n); }, r.ritardi1[n],
            r.storici1[n], r.presenze1[n]);
    for (int a = 1; a <= 89; ++a)
        for (int b = a + 1; b <= 90; ++b) {
            std::array<int, 12> rit{}, sto{}, pre{};
            segui(
                archivio, prima, ultima,
                [&](int d, int w) {
                    const Ruota x = numeri(archivio[d - 1], w);
                    return x[a] && x[b];
                },
                rit, sto, pre);
            r.ritardi2[{a, b}] = rit;
            r.storici2[{a, b}] = sto;
            r.presenze2[{a, b}] = pre;
        }
    // Exit delays: the wheel's draws since the number's previous appearance.
    for (int w = 1; w <= 10; ++w) {
        std::array<int, 91> assenze{};
        for (int d = prima; d <= ultima; ++d) {
            const Estrazione& e = archivio[d - 1];
            if (!estratta(e, w)) continue;
            for (int p = 1; p <= 5; ++p)
                r.uscita[{d, 10 * w + p}] = assenze[e.ruote[w - 1][p - 1]];
            const Ruota x = numeri(e, w);
            for (int n = 1; n <= 90; ++n)
                assenze[n] = x[n] ? 0 : assenze[n] + 1;
        }
    }
    std::set<std::array<int, 3>> visti;
    for (int d = prima; d <= ultima; ++d) {
        std::set<std::array<int, 3>> oggi;
        for (int w = 1; w <= 10; ++w) {
            const Ruota x = numeri(archivio[d - 1], w);
            for (int a = 1; a <= 90; ++a)
                for (int b = a + 1; x[a] && b <= 90; ++b)
                    for (int c = b + 1; x[b] && c <= 90; ++c)
                        if (x[c]) {
                            for (int col : {w, TUTTE}) {
                                ++r.presenze3[{a, b, c}][col];
                                r.ultima3[{a, b, c}][col] = d;
                            }
                            oggi.insert({a, b, c});
                        }
        }
        int nuovi = 0;
        for (const auto& t : oggi)
            nuovi += visti.insert(t).second ? 1 : 0;
        r.nuovi[d] = nuovi;
    }
    return r;
}

struct Caso {
    const char* nome;
    int prima, ultima;
    bool ruotamancante; // Firenze not drawn at the window's last draw
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

class Casuale : public ::testing::TestWithParam<Caso> {};

TEST_P(Casuale, TablesMatchAPlainScan) {
    const Caso c = GetParam();
    auto archivio = prova::casuali(400, 1234, 0.15);
    if (c.ruotamancante) archivio[c.ultima - 1].ruote[2] = {};
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    prova::prepara(s, cartella, ui);
    prova::scrivi(cartella / "archivio.dat", prova::immagine(archivio));
    s.primaestrazione = c.prima;
    s.ultimaestrazione = c.ultima;
    ASSERT_TRUE(elabora(s));
    calcolaambi(s);
    calcolaterni(s);
    const Riferimento r = riferimento(archivio, c.prima, c.ultima);
    const int lunghezza = c.ultima - c.prima + 1;

    for (int n = 1; n <= 90; ++n)
        for (int w = 1; w <= TUTTE; ++w) {
            const int i = indicenumero(n, w);
            ASSERT_EQ(s.presenzenumeri[i], r.presenze1[n][w]) << n << " " << w;
            ASSERT_EQ(s.ritardinumeri[i], r.ritardi1[n][w]) << n << " " << w;
            ASSERT_EQ(s.storicinumeri[i], r.storici1[n][w]) << n << " " << w;
        }
    for (int d = 1; d <= 400; ++d)
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p) {
                const auto trovato = r.uscita.find({d, 10 * w + p});
                const int atteso = trovato == r.uscita.end() ? 0 : trovato->second;
                ASSERT_EQ(s.ritardiuscita[indicearchivio(d, w, p)], atteso) << d << " " << w;
            }
    for (const auto& [ambo, presenze] : r.presenze2)
        for (int w = 1; w <= TUTTE; ++w) {
            const int i = indiceambo(w, ambo[0], ambo[1]);
            ASSERT_EQ(s.presenzeambi[i], presenze[w]) << ambo[0] << "-" << ambo[1] << " " << w;
            ASSERT_EQ(s.ritardiambi[i], r.ritardi2.at(ambo)[w]) << ambo[0] << "-" << ambo[1];
            ASSERT_EQ(s.storiciambi[i], r.storici2.at(ambo)[w]) << ambo[0] << "-" << ambo[1];
        }
    std::array<int, 12> vergini{};
    for (int a = 1; a <= 88; ++a)
        for (int b = a + 1; b <= 89; ++b)
            for (int c3 = b + 1; c3 <= 90; ++c3) {
                const auto p = r.presenze3.find({a, b, c3});
                for (int w = 1; w <= TUTTE; ++w) {
                    const int presenze = p == r.presenze3.end() ? 0 : p->second[w];
                    const int ritardo =
                        presenze == 0 ? lunghezza : c.ultima - r.ultima3.at({a, b, c3})[w];
                    vergini[w] += presenze == 0 ? 1 : 0;
                    const int i = indicetabterni(w, indiceterno(a, b, c3));
                    ASSERT_EQ(s.presenzeterni[i], presenze) << a << "." << b << "." << c3;
                    ASSERT_EQ(s.ritarditerni[i], ritardo) << a << "." << b << "." << c3;
                }
            }
    for (int w = 1; w <= TUTTE; ++w)
        EXPECT_EQ(s.contaternivergini[w], vergini[w]) << w;
    for (int d = c.prima; d <= c.ultima; ++d)
        ASSERT_EQ(s.estr(d, 0, 5), r.nuovi.at(d)) << d;

    // Building again gives the same tables and the same new-triple counts.
    const auto ritarditerni = s.ritarditerni;
    const auto presenzeambi = s.presenzeambi;
    const auto estrazioni = s.estrazioni;
    calcolaambi(s);
    calcolaterni(s);
    EXPECT_EQ(s.ritarditerni, ritarditerni);
    EXPECT_EQ(s.presenzeambi, presenzeambi);
    EXPECT_EQ(s.estrazioni, estrazioni);
}

// A wheel with zeros among its numbers, as the entry window can store it: a 0
// ends the wheel's numbers, pairs and triples leave the zeros out, and a wheel
// whose first number is 0 was not drawn at all.
TEST(RuotaIncompleta, ZerosAmongTheNumbers) {
    std::vector<Estrazione> archivio(2, Estrazione{{1939, 1, 7}, {}});
    archivio[1].data = {1939, 1, 14};
    archivio[0].ruote[0] = {5, 0, 6, 7, 8};
    archivio[0].ruote[1] = {0, 11, 12, 13, 14};
    archivio[1].ruote[0] = {5, 6, 7, 8, 9};
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    prova::prepara(s, cartella, ui);
    prova::scrivi(cartella / "archivio.dat", prova::immagine(archivio));
    s.reimpostaultima = true;
    ASSERT_TRUE(elabora(s));
    calcolaambi(s);
    calcolaterni(s);
    const int BARI = 1, CAGLIARI = 2;
    EXPECT_EQ(s.presenzenumeri[indicenumero(5, BARI)], 2);
    EXPECT_EQ(s.presenzenumeri[indicenumero(6, BARI)], 1);
    EXPECT_EQ(s.presenzeambi[indiceambo(BARI, 6, 7)], 2);
    EXPECT_EQ(s.presenzeambi[indiceambo(BARI, 5, 9)], 1);
    EXPECT_EQ(s.estr(1, 0, 5), 4); // 5.6.7, 5.6.8, 5.7.8, 6.7.8
    EXPECT_EQ(s.estr(2, 0, 5), 6);
    EXPECT_EQ(s.estr(1, CAGLIARI, 0), 0);
    EXPECT_EQ(s.presenzenumeri[indicenumero(11, CAGLIARI)], 0);
    EXPECT_EQ(s.presenzeambi[indiceambo(CAGLIARI, 11, 12)], 0);
    EXPECT_EQ(s.presenzeterni[indicetabterni(CAGLIARI, indiceterno(11, 12, 13))], 0);
    EXPECT_EQ(s.ritardiambi[indiceambo(CAGLIARI, 11, 12)], 0); // Cagliari never drawn
}

// The same five numbers on every wheel at every draw: the all-wheels
// presences of pairs and triples pass the 16-bit range and stop at its top.
TEST(PresenzeTutte, StopAtTheLargest16BitValue) {
    constexpr int N = 3300, BARI = 1;
    std::vector<Estrazione> archivio(N);
    for (int d = 0; d < N; ++d) {
        archivio[d].data = Data::normalizzata(1939, 1, 7 + 7 * d);
        archivio[d].ruote.fill({1, 2, 3, 4, 5});
    }
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    prova::prepara(s, cartella, ui);
    prova::scrivi(cartella / "archivio.dat", prova::immagine(archivio));
    s.reimpostaultima = true;
    ASSERT_TRUE(elabora(s));
    calcolaambi(s);
    calcolaterni(s);
    EXPECT_EQ(s.presenzenumeri[indicenumero(1, TUTTE)], 10 * N);
    EXPECT_EQ(s.presenzeambi[indiceambo(BARI, 1, 2)], N);
    EXPECT_EQ(s.presenzeambi[indiceambo(TUTTE, 1, 2)], INT16_MAX);
    EXPECT_EQ(s.presenzeterni[indicetabterni(BARI, indiceterno(1, 2, 3))], N);
    EXPECT_EQ(s.presenzeterni[indicetabterni(TUTTE, indiceterno(1, 2, 3))], INT16_MAX);
    EXPECT_EQ(s.ritardiambi[indiceambo(TUTTE, 1, 2)], 0);
}

INSTANTIATE_TEST_SUITE_P(Finestre, Casuale,
                         ::testing::Values(Caso{"intero", 1, 400, false},
                                           Caso{"dalla37", 37, 400, false},
                                           Caso{"da37a250", 37, 250, false},
                                           Caso{"ruotamancanteallultima", 37, 250, true},
                                           Caso{"unasolaestrazione", 250, 250, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

} // namespace
} // namespace bolv
