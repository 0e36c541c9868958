// Homogeneous formations: the checks of "tab.dat" on load, the statistics of a formation for
// each sorte, and the order and wheel highlight of a family's table.
#include "ambiterni.h"
#include "datifile.h"
#include "formazioni.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace bolv {
namespace {

using Numeri = std::vector<int>;

// A formation table holding the given families (group, family, formations).
struct Famigliadiprova {
    int g, f;
    std::vector<Numeri> formazioni;
};

void metti(std::vector<int16_t>& t, const Famigliadiprova& fam) {
    t[indiceformazione(fam.g, fam.f, 0, 0)] = static_cast<int16_t>(fam.formazioni.size());
    t[indiceformazione(fam.g, fam.f, 0, 1)] = static_cast<int16_t>(fam.formazioni.at(0).size());
    for (size_t r = 0; r < fam.formazioni.size(); ++r)
        for (size_t m = 0; m < fam.formazioni[r].size(); ++m)
            t[indiceformazione(fam.g, fam.f, int(m) + 1, int(r) + 1)] =
                static_cast<int16_t>(fam.formazioni[r][m]);
}

std::vector<uint8_t> immaginetab(const std::vector<int16_t>& t) {
    std::vector<uint8_t> dati;
    for (int16_t v : t) {
        dati.push_back(static_cast<uint8_t>(v & 0xff));
        dati.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
    }
    return dati;
}

const Famigliadiprova gemelli{1, 1, {{11, 22}, {33, 44}}};
const Famigliadiprova cadenze{6, 3, {{1, 11, 21, 31, 41, 51, 61, 71, 81, 90}}};

class Caricamento : public ::testing::Test {
  protected:
    // "tab.dat" with the two families above, after change has spoiled it, read at start-up.
    Stato carica(const std::function<void(std::vector<int16_t>&)>& change = {}) {
        std::vector<int16_t> t(NUMFORMAZIONI, 0);
        metti(t, gemelli);
        metti(t, cadenze);
        if (change) change(t);
        prove::scrivi(cartella / "tab.dat", immaginetab(t));
        Stato s;
        s.cartellaprogramma = cartella.testo();
        EXPECT_TRUE(leggiformazioni(s));
        return s;
    }
    prove::Cartella cartella;
};

TEST_F(Caricamento, TwoFamiliesAreReadAndTheOthersAreEmpty) {
    const Stato s = carica();
    EXPECT_EQ(famiglia(s.tabformazioni, 1, 1), gemelli.formazioni);
    EXPECT_EQ(famiglia(s.tabformazioni, 6, 3), cadenze.formazioni);
    for (int g = 1; g <= GRUPPIFORMAZIONI; ++g)
        for (int f = 1; f <= FAMIGLIEFORMAZIONI; ++f)
            if (!(g == 1 && f == 1) && !(g == 6 && f == 3))
                EXPECT_TRUE(famiglia(s.tabformazioni, g, f).empty()) << g << " " << f;
    // Outside the groups and families: nothing, without reading elsewhere.
    EXPECT_TRUE(famiglia(s.tabformazioni, 0, 1).empty());
    EXPECT_TRUE(famiglia(s.tabformazioni, 7, 1).empty());
    EXPECT_TRUE(famiglia(s.tabformazioni, 1, 9).empty());
}

TEST_F(Caricamento, AHostileFamilyIsEmptyAndTheOtherStays) {
    const auto vf = [](int m, int r) { return indiceformazione(6, 3, m, r); };
    struct Caso {
        const char* nome;
        int indice;
        int16_t valore;
        bool vuota;
    };
    const Caso casi[] = {
        {"45 formations, 44 of them blank", vf(0, 0), 45, true},
        {"46 formations", vf(0, 0), 46, true},
        {"negative count", vf(0, 0), -1, true},
        {"no members", vf(0, 1), 0, true},
        {"11 members", vf(0, 1), 11, true},
        {"negative size", vf(0, 1), -3, true},
        {"member 0", vf(4, 1), 0, true},
        {"member 91", vf(10, 1), 91, true},
        {"member -90", vf(1, 1), -90, true},
        {"repeated member", vf(2, 1), 1, true},
        {"fewer members, all good", vf(0, 1), 9, false},
        {"a value never read", vf(0, 2), 999, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Stato s = carica([&](std::vector<int16_t>& t) { t[c.indice] = c.valore; });
        EXPECT_EQ(famiglia(s.tabformazioni, 6, 3).empty(), c.vuota);
        EXPECT_EQ(famiglia(s.tabformazioni, 1, 1), gemelli.formazioni);
    }
}

TEST(Formazioni, TheShippedTableIsWholeAndRead) {
    Stato s;
    s.cartellaprogramma = BOLV_DATA_DIR;
    ASSERT_TRUE(leggiformazioni(s));
    std::vector<int16_t> copia = s.tabformazioni;
    EXPECT_EQ(validaformazioni(copia), 0);
    EXPECT_EQ(famiglia(s.tabformazioni, 1, 1).size(), 28u);
    for (int f = 5; f <= 8; ++f) // families 5..8 of "Terzine" have no formations
        EXPECT_TRUE(famiglia(s.tabformazioni, 2, f).empty());
}

// Statistics set by hand over an analysis window of 100 draws.
class Valori : public ::testing::Test {
  protected:
    void SetUp() override {
        s.primaestrazione = 1;
        s.ultimaestrazione = 100;
        s.ambiattivi = s.ternattivi = true;
        s.ritardiambi.assign(NUMAMBI, 0);
        s.storiciambi.assign(NUMAMBI, 0);
        s.presenzeambi.assign(NUMAMBI, 0);
        s.ritarditerni.assign(NUMCELLETERNI, 0);
        s.presenzeterni.assign(NUMCELLETERNI, 0);
    }
    void numero(int n, int w, int rit, int pre) {
        s.ritardinumeri[indicenumero(n, w)] = rit;
        s.presenzenumeri[indicenumero(n, w)] = pre;
    }
    void ambo(int a, int b, int w, int rit, int pre) {
        s.ritardiambi[indiceambo(w, a, b)] = static_cast<int16_t>(rit);
        s.presenzeambi[indiceambo(w, a, b)] = static_cast<int16_t>(pre);
    }
    void terno(int a, int b, int c, int w, int rit, int pre) {
        s.ritarditerni[indicetabterni(w, indiceterno(a, b, c))] = static_cast<int16_t>(rit);
        s.presenzeterni[indicetabterni(w, indiceterno(a, b, c))] = static_cast<int16_t>(pre);
    }
    Stato s;
};

TEST_F(Valori, DelayTheSmallestOfTheSubGroupsPresencesTheirSum) {
    numero(5, 1, 7, 3);
    numero(50, 1, 12, 9);
    numero(5, 11, 1, 20000);
    numero(50, 11, 0, 20000);
    numero(90, 2, 100, 0);
    ambo(5, 50, 1, 40, 2);
    ambo(5, 60, 1, 30, 6);
    ambo(50, 60, 1, 35, 1);
    ambo(5, 50, 3, 100, 0);
    terno(5, 50, 60, 4, 100, 4);
    terno(5, 50, 70, 4, 60, 1);
    terno(5, 60, 70, 4, 80, 1);
    terno(50, 60, 70, 4, 90, 2);
    // 45 pairs of 1000 presences each: past 16 bits.
    const Numeri dieci{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (size_t i = 0; i < dieci.size(); ++i)
        for (size_t j = i + 1; j < dieci.size(); ++j)
            ambo(dieci[i], dieci[j], 11, 500 - int(i + j), 1000);
    struct Caso {
        const char* nome;
        Sorte sorte;
        Numeri numeri;
        int w;
        int ritardo;
        int32_t presenze;
        bool maiuscita;
        std::optional<float> rapporto;
    };
    const Caso casi[] = {
        {"ambata", Sorte::ambata, {5, 50}, 1, 7, 12, false, 7.0f / 12},
        {"ambata on all wheels past 32,767", Sorte::ambata, {5, 50}, 11, 0, 40000, false, 0.0f},
        {"ambata never out", Sorte::ambata, {90}, 2, 100, 0, true, std::nullopt},
        {"ambo, members in any order", Sorte::ambo, {60, 50, 5}, 1, 30, 9, false, 30.0f / 9},
        {"ambo never out", Sorte::ambo, {50, 5}, 3, 100, 0, true, std::nullopt},
        {"ambo of a long formation past 32,767", Sorte::ambo, dieci, 11, 483, 45000, false,
         483.0f / 45000},
        {"terno", Sorte::terno, {70, 5, 60, 50}, 4, 60, 8, false, 60.0f / 8},
        {"terno of a pair: no triple",
         Sorte::terno,
         {5, 50},
         4,
         RITARDONESSUNO,
         0,
         false,
         std::nullopt},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Valoriformazione v = valoriformazione(s, c.numeri, c.sorte, c.w);
        EXPECT_EQ(v.ritardo, c.ritardo);
        EXPECT_EQ(v.presenze, c.presenze);
        EXPECT_EQ(v.maiuscita, c.maiuscita);
        EXPECT_EQ(v.rapporto, c.rapporto);
    }
}

TEST_F(Valori, InactiveTablesAreNeverRead) {
    s = Stato();
    EXPECT_EQ(valoriformazione(s, {1, 2, 3}, Sorte::ambo, 1).ritardo, RITARDONESSUNO);
    EXPECT_EQ(valoriformazione(s, {1, 2, 3}, Sorte::terno, 1).presenze, 0);
}

// A table of up to three formations whose values are given wheel by wheel.
Tabellaformazioni tabella(const std::vector<std::vector<std::pair<int, int32_t>>>& valori) {
    const std::vector<Numeri> formazioni{{30, 40}, {10, 20}, {20, 30}};
    Tabellaformazioni t;
    t.formazioni.assign(formazioni.begin(), formazioni.begin() + long(valori.size()));
    for (const auto& riga : valori) {
        auto& r = t.valori.emplace_back();
        for (auto& v : r)
            v.ritardo = 0;
        for (size_t w = 0; w < riga.size(); ++w) {
            r[w].ritardo = riga[w].first;
            r[w].presenze = riga[w].second;
            if (riga[w].second > 0) r[w].rapporto = float(riga[w].first) / float(riga[w].second);
        }
    }
    return t;
}

TEST(Ordine, RowsByTheNumbersOrByTheValueLargestFirst) {
    // Wheel 1: R/P 1.25, 1.75 and none; delays 5, 7, 7.
    const auto t = tabella({{{5, 4}}, {{7, 4}}, {{7, 0}}});
    struct Caso {
        Ordine ordine;
        std::vector<int> righe;
    };
    const Caso casi[] = {
        {Ordine::formazione, {1, 2, 0}},
        {Ordine::ritardo, {1, 2, 0}}, // equal delays keep their order
        {Ordine::presenze, {0, 1, 2}},
        {Ordine::rapporto, {1, 0, 2}}, // 1,75 before 1,25: not both "1"
    };
    for (const Caso& c : casi)
        EXPECT_EQ(ordineformazioni(t, 1, c.ordine), c.righe) << int(c.ordine);
}

TEST(Ordine, TheWheelHighlightedHoldsTheLargestStoredValue) {
    struct Caso {
        const char* nome;
        std::vector<std::vector<std::pair<int, int32_t>>> valori;
        Ordine ordine;
        int ruota;
    };
    const std::pair<int, int32_t> zero{0, 0};
    const Caso casi[] = {
        {"by formation: none", {{{9, 1}}}, Ordine::formazione, 0},
        {"largest delay", {{{5, 1}, {8, 1}}, {{7, 1}, {6, 1}}}, Ordine::ritardo, 2},
        {"the first wheel reaching it", {{{8, 1}, {8, 2}}}, Ordine::ritardo, 1},
        {"ratios with the same integer part", {{{5, 4}, {7, 4}}}, Ordine::rapporto, 2},
        {"presences", {{{5, 4}, {7, 3}}}, Ordine::presenze, 1},
        {"all wheels are not a wheel to mark",
         {{zero, zero, zero, zero, zero, zero, zero, zero, zero, zero, {99, 9}}},
         Ordine::ritardo,
         0},
        {"all zero", {{zero, zero}}, Ordine::presenze, 0},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(ruotamassima(tabella(c.valori), c.ordine), c.ruota) << c.nome;
}

} // namespace
} // namespace bolv
