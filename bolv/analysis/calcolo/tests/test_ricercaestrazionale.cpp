// The template search: the cells accepted, and templates to the draws they hit on a small
// archive whose numbers tell their draw and position.
#include "ricercaestrazionale.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

constexpr int BARI = 1, CAGLIARI = 2;

TEST(CellaValida, FullValueWithinZeroTo90) {
    const std::pair<const char*, bool> casi[] = {
        {"", true},     {"0", true},    {"5", true},   {"90", true},
        {" 7", true},   {"12.5", true}, {"abc", true}, {"91", false},
        {"300", false}, {"256", false}, {"-1", false}, {"99999999999999999999999", false},
    };
    for (const auto& [testo, valida] : casi)
        EXPECT_EQ(cellavalida(testo), valida) << testo;
}

// Draws 1..9: on every wheel position p holds 10 (p - 1) + d; Cagliari is not drawn in
// draw 5.
void prepara(Stato& s) {
    s = Stato();
    for (int d = 1; d <= 9; ++d) {
        s.dateestrazioni[d] = Data::normalizzata(1939, 1, 7 * d);
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                s.estr(d, w, p) =
                    static_cast<int16_t>(w == CAGLIARI && d == 5 ? 0 : 10 * (p - 1) + d);
    }
    s.numestrazioni = 9;
    s.primaestrazione = 1;
    s.ultimaestrazione = 9;
}

struct Cellascritta {
    int blocco, ruota, posizione;
    double valore;
};

struct Caso {
    const char* nome;
    std::vector<Cellascritta> celle;
    int k = 1, j = 1;
    bool posizione = false;
    int prima = 1, ultima = 9;
    std::vector<int> trovate;
};

TEST(RicercaEstrazionale, TemplatesToHitDraws) {
    const Caso casi[] = {
        {"empty template: every draw with room for k and j",
         {},
         1,
         1,
         false,
         1,
         9,
         {2, 3, 4, 5, 6, 7, 8}},
        {"empty template, wider distances", {}, 3, 2, false, 1, 9, {4, 5, 6, 7}},
        {"middle only, still narrowed by k and j", {{1, BARI, 1, 9}}, 1, 1, false, 1, 9, {}},
        {"middle number", {{1, BARI, 1, 4}}, 1, 1, false, 1, 9, {4}},
        {"any position: drawn second, written first", {{1, BARI, 1, 14}}, 1, 1, false, 1, 9, {4}},
        {"exact position refuses it", {{1, BARI, 1, 14}}, 1, 1, true, 1, 9, {}},
        {"exact position takes its own", {{1, BARI, 2, 14}}, 1, 1, true, 1, 9, {4}},
        {"three draws",
         {{0, BARI, 1, 3}, {1, BARI, 1, 4}, {2, BARI, 1, 5}},
         1,
         1,
         false,
         1,
         9,
         {4}},
        {"earlier block at k = 2", {{0, 7, 3, 23}}, 2, 1, false, 1, 9, {5}},
        {"later block at j = 3", {{2, 10, 5, 48}}, 1, 3, false, 1, 9, {5}},
        {"a wheel not drawn never matches", {{1, CAGLIARI, 1, 5}}, 1, 1, false, 1, 9, {}},
        {"the same wheel drawn elsewhere", {{1, CAGLIARI, 1, 6}}, 1, 1, false, 1, 9, {6}},
        {"one drawn number satisfies a cell written twice",
         {{1, BARI, 1, 4}, {1, BARI, 2, 4}},
         1,
         1,
         false,
         1,
         9,
         {4}},
        {"conditions on two wheels must both hold",
         {{1, BARI, 1, 4}, {1, 3, 1, 5}},
         1,
         1,
         false,
         1,
         9,
         {}},
        {"a value not whole never matches", {{1, BARI, 1, 4.5}}, 1, 1, false, 1, 9, {}},
        {"window shorter than k + j", {}, 1, 1, false, 4, 5, {}},
        {"window of exactly k + j + 1 draws", {}, 1, 1, false, 4, 6, {5}},
        {"window of one draw", {}, 1, 1, false, 3, 3, {}},
    };
    Stato s;
    prepara(s);
    for (const Caso& c : casi) {
        s.primaestrazione = c.prima;
        s.ultimaestrazione = c.ultima;
        Modelloestrazionale m;
        for (const Cellascritta& x : c.celle)
            m.celle[Modelloestrazionale::indice(x.blocco, x.ruota, x.posizione)] = x.valore;
        m.distanzaprima = c.k;
        m.distanzadopo = c.j;
        m.posizione = c.posizione;
        EXPECT_EQ(ricercaestrazionale(s, m), c.trovate) << c.nome;
    }
}

// Progress on slots that are multiples of 80; a range of one draw does not divide by zero,
// and a long search finds every hit, with no limit on their number.
TEST(RicercaEstrazionale, ProgressAndManyHits) {
    prova::Registratore ui;
    Stato s;
    s.ui = &ui;
    s.numestrazioni = 7000;
    for (int d = 1; d <= 7000; ++d)
        for (int p = 1; p <= 5; ++p)
            s.estr(d, BARI, p) = static_cast<int16_t>(p);
    s.primaestrazione = 79;
    s.ultimaestrazione = 81;
    EXPECT_EQ(ricercaestrazionale(s, {}), std::vector<int>{80});
    EXPECT_EQ(ui.progressi, std::vector<int>{100});

    ui.progressi.clear();
    s.primaestrazione = 1;
    s.ultimaestrazione = 7000;
    Modelloestrazionale m;
    m.celle[Modelloestrazionale::indice(1, BARI, 3)] = 3;
    const auto trovate = ricercaestrazionale(s, m);
    EXPECT_EQ(trovate.size(), 6998u);
    EXPECT_EQ(trovate.back(), 6999);
    EXPECT_EQ(ui.progressi.size(), 87u);
    EXPECT_EQ(ui.progressi.front(), 1);
}

} // namespace
} // namespace bolv
