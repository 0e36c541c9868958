// Homogeneous formations: the statistics of a formation for each sorte, and the order and
// wheel highlight of a family's table.
#include "ambiterni.h"
#include "calcoloformazioni.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

using Numeri = std::vector<int>;

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
