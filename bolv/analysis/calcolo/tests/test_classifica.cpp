// The ranking of number groups: the enumerators and the fast run against a brute force that
// values every group and offers it to the ranking in enumeration order; the ranking's own
// rules on small hand-made tables; the Vincoli text.
#include "classifica.h"

#include "ambiterni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <thread>

using namespace bolv;

namespace {

constexpr int CELLEAMBI = 91 * 91;
constexpr int CELLETERNI = NUMTERNI + 1;

// Random tables of a narrow range, so that equal values abound.
Tavole casuali(int sorte, bool ritardi, unsigned seme, int massimo) {
    std::mt19937 gen(seme);
    std::uniform_int_distribution<int> dist(0, massimo);
    Tavole t;
    t.sorte = sorte;
    t.ritardi = ritardi;
    if (sorte == 2) {
        t.valori.assign(11 * CELLEAMBI, 0);
        for (int w = 0; w < 11; ++w)
            for (int a = 1; a <= 89; ++a)
                for (int b = a + 1; b <= 90; ++b)
                    t.valori[w * CELLEAMBI + 91 * a + b] = t.valori[w * CELLEAMBI + 91 * b + a] =
                        static_cast<int16_t>(dist(gen));
    } else {
        t.valori.assign(11 * CELLETERNI, 0);
        for (int w = 0; w < 11; ++w)
            for (int i = 1; i <= NUMTERNI; ++i)
                t.valori[w * CELLETERNI + i] = static_cast<int16_t>(dist(gen));
    }
    return t;
}

int valore(const Tavole& t, int w, int a, int b) {
    return t.valori[(w - 1) * CELLEAMBI + 91 * a + b];
}
int valore(const Tavole& t, int w, int a, int b, int c) {
    return t.valori[(w - 1) * CELLETERNI + indiceterno(a, b, c)];
}

// Every group of every wheel, in enumeration order, valued from every pair or triple in it
// and offered when it beats the threshold; osserva sees the ranking after every offer. Each
// depth carries what every later number adds to the numbers chosen, from the wheel's values
// laid out by number.
class Forzabruta {
  public:
    Forzabruta(const Tavole& t, const Impostazioni& imp,
               std::function<void(const Graduatoria&)> osserva)
        : t(t), imp(imp), ordine(imp.ritardi ? 1 : imp.ordine), g(imp.n, ordine, imp.vincoli),
          osserva(std::move(osserva)) {}

    std::vector<Riga> classifica() {
        for (int ruota : imp.ruote) {
            w = ruota;
            disponi();
            if (!imp.ritardi && ordine == 2) g.iniziaruotapresenze();
            int32_t neutri[91];
            std::fill(neutri, neutri + 91, t.ritardi ? INT32_MAX : 0);
            scendi(0, 1, neutri[0], neutri);
        }
        return g.classificati();
    }

  private:
    int32_t unisci(int32_t v, int32_t parte) const {
        return t.ritardi ? std::min(v, parte) : v + parte;
    }

    void disponi() {
        righe.assign(static_cast<size_t>(t.sorte == 2 ? 91 : 91 * 91) * 91, 0);
        for (int a = 1; a <= 90; ++a)
            for (int b = a + 1; b <= 90; ++b) {
                if (t.sorte == 2) {
                    righe[91 * a + b] = valore(t, w, a, b);
                    continue;
                }
                for (int c = b + 1; c <= 90; ++c)
                    righe[(91 * a + b) * 91 + c] = valore(t, w, a, b, c);
            }
    }
    // The pairs (triples) of the numbers chosen with each later number.
    const int32_t* riga(int a, int b = 0) const {
        return righe.data() + (t.sorte == 2 ? a : 91 * a + b) * 91;
    }

    // agg: what each number from da on adds to the first j numbers.
    void scendi(int j, int da, int32_t parziale, const int32_t* agg) {
        for (int x = da; x <= 90; ++x) {
            gruppo[j] = x;
            const int32_t v = unisci(parziale, agg[x]);
            if (j + 1 < imp.k) {
                int32_t dopo[91];
                std::copy(agg + x + 1, agg + 91, dopo + x + 1);
                if (t.sorte == 2) aggiungi(dopo, riga(x), x + 1);
                for (int i = 0; t.sorte == 3 && i < j; ++i)
                    aggiungi(dopo, riga(gruppo[i], x), x + 1);
                scendi(j + 1, x + 1, v, dopo);
                continue;
            }
            if (ordine == 1 ? v <= g.soglia : v >= g.soglia) continue;
            g.inseriscirisultato(w, gruppo, imp.k, v);
            if (osserva) osserva(g);
        }
    }
    void aggiungi(int32_t* agg, const int32_t* r, int da) const {
        for (int x = da; x <= 90; ++x)
            agg[x] = unisci(agg[x], r[x]);
    }

    const Tavole& t;
    const Impostazioni& imp;
    int ordine;
    Graduatoria g;
    std::function<void(const Graduatoria&)> osserva;
    int w = 1;
    int gruppo[10] = {};
    std::vector<int32_t> righe;
};

std::vector<Riga> oracolo(const Tavole& t, const Impostazioni& imp,
                          std::function<void(const Graduatoria&)> osserva = {}) {
    return Forzabruta(t, imp, std::move(osserva)).classifica();
}

std::string testo(const std::vector<Riga>& righe) {
    std::string s;
    for (const Riga& r : righe) {
        s += std::to_string(r.ruota) + ":";
        for (int x : r.numeri)
            s += std::to_string(x) + ".";
        s += "=" + std::to_string(r.valore) + " ";
    }
    return s;
}

struct Caso {
    const char* nome;
    int sorte;
    bool ritardi;
    int ordine;
    int k;
    int n;
    std::vector<int> ruote;
    std::vector<int> vincoli;
    int massimo; // values 0..massimo
    unsigned seme;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

class Oracolo : public ::testing::TestWithParam<Caso> {};

TEST_P(Oracolo, EnumeratoriERunVeloceComeLaForzaBruta) {
    const Caso& c = GetParam();
    const Tavole t = casuali(c.sorte, c.ritardi, c.seme, c.massimo);
    const Impostazioni imp{c.k, c.n, c.sorte, c.ritardi, c.ordine, c.ruote, c.vincoli};
    const std::string atteso = testo(oracolo(t, imp));
    Avanzamento a1, a2;
    const Esitoclassifica sequenziale = classificasequenziale(t, imp, a1);
    const Esitoclassifica veloce = classifica(t, imp, a2);
    EXPECT_EQ(testo(sequenziale.righe), atteso);
    EXPECT_EQ(testo(veloce.righe), atteso);
    EXPECT_FALSE(sequenziale.interrotta);
    EXPECT_FALSE(veloce.interrotta);
}

const std::vector<int> DIECI = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

INSTANTIATE_TEST_SUITE_P(
    Tabellecasuali, Oracolo,
    ::testing::Values(Caso{"ambo_rit_k2_dieci", 2, true, 1, 2, 10, DIECI, {}, 12, 1},
                      Caso{"ambo_rit_k3_n15", 2, true, 1, 3, 15, {1, 4, 7}, {}, 30, 2},
                      Caso{"ambo_rit_k4_tutte", 2, true, 1, 4, 5, {11}, {}, 40, 3},
                      Caso{"ambo_rit_k5_una", 2, true, 1, 5, 1, {6}, {}, 60, 4},
                      Caso{"ambo_rit_minimi_chiesto", 2, true, 2, 3, 7, {2, 3}, {}, 20, 5},
                      Caso{"ambo_rit_vincoli", 2, true, 1, 3, 10, {1, 2}, {17, 5}, 15, 6},
                      Caso{"ambo_pre_max_k2", 2, false, 1, 2, 15, DIECI, {}, 3, 7},
                      Caso{"ambo_pre_max_k3", 2, false, 1, 3, 10, {3, 9}, {}, 4, 8},
                      Caso{"ambo_pre_max_k4_tutte", 2, false, 1, 4, 15, {11}, {}, 5, 9},
                      Caso{"ambo_pre_max_k5", 2, false, 1, 5, 3, {10}, {}, 6, 10},
                      Caso{"ambo_pre_min_k2", 2, false, 2, 2, 10, DIECI, {}, 3, 11},
                      Caso{"ambo_pre_min_k3", 2, false, 2, 3, 15, {1, 5, 10}, {}, 4, 12},
                      Caso{"ambo_pre_min_k4_tutte", 2, false, 2, 4, 4, {11}, {}, 6, 13},
                      Caso{"ambo_pre_min_vincoli", 2, false, 2, 4, 6, {2, 8}, {40}, 3, 14},
                      Caso{"ambo_pre_max_vincoli_k5", 2, false, 1, 5, 8, {4}, {9, 33, 61}, 5, 15},
                      Caso{"terno_rit_k3", 3, true, 1, 3, 10, {1, 2, 3}, {}, 25, 16},
                      Caso{"terno_rit_k4_tutte", 3, true, 1, 4, 15, {11}, {}, 40, 17},
                      Caso{"terno_rit_k5", 3, true, 1, 5, 2, {7}, {}, 90, 18},
                      Caso{"terno_rit_vincoli", 3, true, 1, 4, 5, {5, 6}, {3, 88}, 20, 19},
                      Caso{"terno_pre_max_k3", 3, false, 1, 3, 15, {2, 9}, {}, 2, 20},
                      Caso{"terno_pre_max_k4", 3, false, 1, 4, 10, {8}, {}, 3, 21},
                      Caso{"terno_pre_max_k5_tutte", 3, false, 1, 5, 3, {11}, {}, 4, 22},
                      Caso{"terno_pre_min_k3", 3, false, 2, 3, 12, {1, 10}, {}, 2, 23},
                      Caso{"terno_pre_min_k4", 3, false, 2, 4, 9, {3}, {}, 3, 24},
                      Caso{"terno_pre_max_vincoli", 3, false, 1, 4, 6, {4, 6}, {1, 90}, 3, 25},
                      Caso{"nessuna_ruota", 2, true, 1, 3, 10, {}, {}, 10, 26},
                      Caso{"terno_rit_k6", 3, true, 1, 6, 15, {7}, {}, 300, 27},
                      Caso{"terno_rit_k5_vincoli", 3, true, 1, 5, 4, {4, 5}, {7, 60}, 50, 28},
                      Caso{"terno_pre_max_k6", 3, false, 1, 6, 15, {1}, {}, 2, 29},
                      Caso{"terno_pre_max_k6_tutte", 3, false, 1, 6, 15, {11}, {}, 12, 30},
                      Caso{"terno_pre_max_k5_n1", 3, false, 1, 5, 1, {5, 6}, {}, 1, 31},
                      Caso{"terno_pre_max_k5_vincoli", 3, false, 1, 5, 8, {9}, {23, 45}, 3, 32},
                      Caso{"terno_pre_min_k5_tre", 3, false, 2, 5, 15, {1, 2, 3}, {}, 3, 33},
                      Caso{"terno_pre_min_k6", 3, false, 2, 6, 10, {6}, {}, 2, 34},
                      Caso{"terno_pre_min_k5_vincoli", 3, false, 2, 5, 5, {3}, {1, 2, 90}, 4, 35}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

// Pair delays all of one value.
Tavole ritardiuguali(int16_t valore) {
    Tavole t;
    t.valori.assign(11 * CELLEAMBI, valore);
    return t;
}

// A table of one value: the ranking fills with the first N groups, each standing above the
// ones before it, and no later equal group enters.
TEST(Graduatoria, AParitaStaInAltoIlPiuRecenteENessunPariEntraDopo) {
    Avanzamento a;
    const Esitoclassifica e = classifica(ritardiuguali(5), {2, 3, 2, true, 1, {1, 2}, {}}, a);
    EXPECT_EQ(testo(e.righe), "1:1.4.=5 1:1.3.=5 1:1.2.=5 ");
}

// A delay of 0 never enters, even an unfilled ranking; a "Minimi" ranking starts its rows
// at the starting value and shows only the rows holding a group.
TEST(Graduatoria, ZeroNonEntraEMinimiPartonoDaDieciMilioni) {
    Avanzamento a;
    EXPECT_TRUE(classifica(ritardiuguali(0), {2, 3, 2, true, 1, {1}, {}}, a).righe.empty());

    const int g[2] = {1, 2};
    Graduatoria minimi(3, 2, {});
    EXPECT_EQ(minimi.righe()[2].valore, INIZIOMINIMI);
    minimi.inseriscirisultato(1, g, 2, 7);
    EXPECT_EQ(minimi.soglia, INIZIOMINIMI);
    EXPECT_EQ(minimi.classificati().size(), 1u);
}

TEST(Graduatoria, UnGruppoSenzaIVincoliNonCambiaNulla) {
    Graduatoria g(1, 1, {5, 17});
    const int senza[3] = {5, 6, 7}, con[3] = {5, 9, 17};
    g.inseriscirisultato(1, senza, 3, 9);
    EXPECT_FALSE(g.righe()[0].pieno());
    EXPECT_EQ(g.soglia, 0);
    g.inseriscirisultato(1, con, 3, 4);
    EXPECT_EQ(g.soglia, 4);
}

TEST(Confronto, PerOrdine) {
    EXPECT_TRUE(confronto(5, 4, 1));
    EXPECT_FALSE(confronto(4, 4, 1));
    EXPECT_TRUE(confronto(3, 4, 2));
    EXPECT_FALSE(confronto(4, 4, 2));
    EXPECT_FALSE(confronto(5, 4, 3));
}

// A stopped run holds the ranking of the groups offered before the stop: one of the states
// the brute force passes through.
TEST(Interruzione, LaClassificaDeiGruppiVisti) {
    const Tavole t = casuali(2, false, 99, 6);
    const Impostazioni imp{4, 15, 2, false, 2, DIECI, {}};
    std::vector<std::string> stati{""};
    oracolo(t, imp, [&](const Graduatoria& g) {
        const std::string s = testo(g.classificati());
        if (s != stati.back()) stati.push_back(s);
    });
    Avanzamento a;
    Esitoclassifica e;
    std::thread corsa([&] { e = classificasequenziale(t, imp, a); });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    a.interrompi();
    corsa.join();
    EXPECT_NE(std::find(stati.begin(), stati.end(), testo(e.righe)), stati.end());

    Avanzamento fermo;
    fermo.interrompi();
    for (const auto& esito : {classificasequenziale(t, imp, fermo), classifica(t, imp, fermo)}) {
        EXPECT_TRUE(esito.interrotta);
        EXPECT_TRUE(esito.righe.empty());
    }
}

// The value of a group from the tables, as the ranking counts it.
int valoregruppo(const Tavole& t, int w, const std::vector<int>& g) {
    int v = t.ritardi ? INT32_MAX : 0;
    const auto unisci = [&](int parte) { v = t.ritardi ? std::min(v, parte) : v + parte; };
    for (size_t a = 0; a < g.size(); ++a)
        for (size_t b = a + 1; b < g.size(); ++b) {
            if (t.sorte == 2) unisci(valore(t, w, g[a], g[b]));
            for (size_t c = b + 1; t.sorte == 3 && c < g.size(); ++c)
                unisci(valore(t, w, g[a], g[b], g[c]));
        }
    return v;
}

struct Corsa {
    const char* nome;
    Impostazioni imp;
    bool sequenziale;
};

void PrintTo(const Corsa& c, std::ostream* os) {
    *os << c.nome;
}

class Avanzamenti : public ::testing::TestWithParam<Corsa> {};

// The progress counts every group of the run once, walked or passed over: it never goes
// back and ends at 100 however much of the walk was pruned. The best groups found so far,
// shown meanwhile, are real groups with their values, best first, and the last showing of
// a run in order is its ranking.
TEST_P(Avanzamenti, FinoACentoSenzaTornareIndietro) {
    const Corsa& c = GetParam();
    const Tavole t = casuali(c.imp.sorte, c.imp.ritardi, 41, c.imp.sorte == 2 ? 8 : 3);
    Avanzamento a;
    Vetrina vetrina;
    Esitoclassifica e;
    std::atomic<bool> finita{false};
    std::thread corsa([&] {
        e = c.sequenziale ? classificasequenziale(t, c.imp, a, &vetrina)
                          : classifica(t, c.imp, a, &vetrina);
        finita = true;
    });
    std::vector<int> visti{0};
    std::vector<std::vector<Riga>> mostrate;
    while (!finita) {
        visti.push_back(a.percento());
        if (auto righe = vetrina.novita()) mostrate.push_back(std::move(*righe));
    }
    corsa.join();
    visti.push_back(a.percento());
    if (auto righe = vetrina.novita()) mostrate.push_back(std::move(*righe));
    EXPECT_TRUE(std::is_sorted(visti.begin(), visti.end()));
    EXPECT_EQ(visti.back(), 100);
    ASSERT_FALSE(mostrate.empty());
    for (const auto& righe : mostrate) {
        EXPECT_LE(std::ssize(righe), c.imp.n);
        for (size_t i = 0; i < righe.size(); ++i) {
            EXPECT_EQ(righe[i].valore, valoregruppo(t, righe[i].ruota, righe[i].numeri));
            const int segno = c.imp.ordine == 2 ? -1 : 1;
            if (i > 0) {
                EXPECT_GE(segno * righe[i - 1].valore, segno * righe[i].valore);
            }
        }
    }
    if (c.sequenziale || c.imp.ordine == 2) {
        EXPECT_EQ(testo(mostrate.back()), testo(e.righe));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Corse, Avanzamenti,
    ::testing::Values(Corsa{"ambo_ritardi", {4, 10, 2, true, 1, {1, 2, 3}, {}}, false},
                      Corsa{"ambo_presenze_k2", {2, 5, 2, false, 1, DIECI, {}}, false},
                      Corsa{"ambo_presenze_minimi", {4, 10, 2, false, 2, {4, 5}, {}}, false},
                      Corsa{"terno_ritardi_vincoli", {5, 10, 3, true, 1, {2}, {8, 40}}, false},
                      Corsa{"terno_presenze", {6, 15, 3, false, 1, {1}, {}}, false},
                      Corsa{"terno_presenze_vincoli", {5, 3, 3, false, 1, {6, 7}, {30}}, false},
                      Corsa{"terno_presenze_in_ordine", {5, 15, 3, false, 1, {1, 2}, {}}, true},
                      Corsa{"terno_presenze_minimi", {5, 15, 3, false, 2, {3}, {}}, false}),
    [](const ::testing::TestParamInfo<Corsa>& i) { return std::string(i.param.nome); });

// Groups offered to the showing: the n best, among equal values the later group above; once
// full, only a better value enters.
TEST(Vetrina, IMiglioriEAParitaIlPiuTardo) {
    Vetrina v;
    EXPECT_FALSE(v.novita());
    const int a[2] = {1, 2}, b[2] = {1, 3}, c[2] = {2, 3};
    v.proponi(3, 1, b, 2, 5);
    v.proponi(3, 1, a, 2, 5);
    v.proponi(3, 2, a, 2, 7);
    EXPECT_EQ(testo(*v.novita()), "2:1.2.=7 1:1.3.=5 1:1.2.=5 ");
    EXPECT_FALSE(v.novita());
    v.proponi(3, 1, c, 2, 5);
    EXPECT_FALSE(v.novita());
    v.proponi(3, 1, c, 2, 6);
    EXPECT_EQ(testo(*v.novita()), "2:1.2.=7 1:2.3.=6 1:1.3.=5 ");
    v.sostituisci({});
    EXPECT_EQ(testo(*v.novita()), "");
}

// A long run shows what it has found while it goes on, and a stop keeps it.
TEST(Vetrina, MostraIGruppiPrimaDellaFine) {
    const Tavole t = casuali(3, false, 43, 3);
    const Impostazioni imp{10, 15, 3, false, 1, {1}, {}};
    Avanzamento a;
    Vetrina vetrina;
    Esitoclassifica e;
    std::thread corsa([&] { e = classifica(t, imp, a, &vetrina); });
    std::optional<std::vector<Riga>> righe;
    for (int i = 0; i < 5000 && !righe; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        righe = vetrina.novita();
    }
    a.interrompi();
    corsa.join();
    ASSERT_TRUE(righe);
    ASSERT_FALSE(righe->empty());
    EXPECT_TRUE(e.interrotta);
    EXPECT_GE(e.righe.front().valore, righe->front().valore);
}

struct Vincolo {
    const char* testo;
    int k;
    std::vector<int> numeri; // when accepted
    const char* messaggio;   // when refused
};

// The case's name: the text as typed, each full stop an underscore and the other marks
// spelled out, then k.
std::string nome(const Vincolo& v) {
    std::string n = v.testo[0] == '\0' ? "vuoto" : "";
    for (const char* c = v.testo; *c != '\0'; ++c)
        n += *c == '.'   ? "_"
             : *c == ',' ? "virgola"
             : *c == ' ' ? "spazio"
             : *c == '-' ? "meno"
                         : std::string(1, *c);
    return n + "_k" + std::to_string(v.k);
}

void PrintTo(const Vincolo& v, std::ostream* os) {
    *os << nome(v);
}

class Vincoli : public ::testing::TestWithParam<Vincolo> {};

TEST_P(Vincoli, TestoInNumeriOMessaggio) {
    const Vincolo& v = GetParam();
    const auto esito = leggivincoli(v.testo, v.k);
    if (v.messaggio[0] == '\0') {
        ASSERT_TRUE(std::holds_alternative<std::vector<int>>(esito));
        EXPECT_EQ(std::get<std::vector<int>>(esito), v.numeri);
    } else {
        ASSERT_TRUE(std::holds_alternative<Erroretesto>(esito));
        EXPECT_EQ(std::get<Erroretesto>(esito).messaggio, v.messaggio);
    }
}

const char* const SEQUENZA =
    "La sequenza dei numeri di vincolo non è stata introdotta correttamente.";
const char* const PIUDIDIECI = "Errore: sono stati inseriti più di 10 numeri come vincolo.";
const char* const TROPPI =
    "Sono stati indicati troppi numeri di vincolo per il numero di numeri impostato.";
const char* const NONVALIDI = "Sono stati introdotti numeri non validi tra i vincoli.";
const char* const UGUALI = "Sono stati introdotti due o più numeri uguali tra i vincoli.";

INSTANTIATE_TEST_SUITE_P(
    Testi, Vincoli,
    ::testing::Values(Vincolo{"", 2, {}, ""}, Vincolo{"5.17", 2, {5, 17}, ""},
                      Vincolo{"17.5", 3, {17, 5}, ""}, Vincolo{"5..17", 3, {5, 17}, ""},
                      Vincolo{"5..17", 2, {}, TROPPI}, Vincolo{"5.", 2, {5}, ""},
                      Vincolo{"5.", 1, {}, TROPPI}, Vincolo{"0.05", 2, {5}, ""},
                      Vincolo{"5.12.17", 2, {}, TROPPI}, Vincolo{"5,17", 3, {}, SEQUENZA},
                      Vincolo{"5 17", 3, {}, SEQUENZA}, Vincolo{"-5", 3, {}, SEQUENZA},
                      Vincolo{"1.2.3.4.5.6.7.8.9.10.11", 10, {}, PIUDIDIECI},
                      Vincolo{"1.2.3.4.5.6.7.8.9.10", 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, ""},
                      Vincolo{"91", 2, {}, NONVALIDI}, Vincolo{"300", 2, {}, NONVALIDI},
                      Vincolo{"90", 2, {90}, ""}, Vincolo{"000090", 2, {90}, ""},
                      Vincolo{"99999999999999999999", 2, {}, NONVALIDI},
                      Vincolo{"12.12", 2, {}, UGUALI}, Vincolo{"12.012", 3, {}, UGUALI},
                      Vincolo{"300.300", 3, {}, NONVALIDI}),
    [](const ::testing::TestParamInfo<Vincolo>& i) { return nome(i.param); });

} // namespace
