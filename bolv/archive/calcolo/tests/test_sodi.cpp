// What the archive browser computes of one draw: the filter classes, the pairwise sums and
// distances with their highlights, and the points of the cyclometric circle.
#include "sodi.h"

#include <gtest/gtest.h>

#include <set>

namespace bolv {
namespace {

TEST(Filtro, EachClassShowsItsNumbers) {
    const auto intervallo = [](int da, int a) {
        std::set<int> n;
        for (int v = da; v <= a; ++v)
            n.insert(v);
        return n;
    };
    std::set<int> cifra1 = intervallo(10, 19);
    for (int v : {1, 21, 31, 41, 51, 61, 71, 81})
        cifra1.insert(v);
    const std::pair<int, std::set<int>> casi[] = {
        {0, intervallo(0, 90)},
        {2, {0, 11, 22, 33, 44, 55, 66, 77, 88}},
        {4, {1,  3,  5,  7,  9,  11, 13, 15, 17, 19, 21, 23, 25, 27, 29,
             31, 33, 35, 37, 39, 41, 43, 45, 47, 49, 51, 53, 55, 57, 59,
             61, 63, 65, 67, 69, 71, 73, 75, 77, 79, 81, 83, 85, 87, 89}},
        {5, intervallo(0, 30)},
        {6, intervallo(31, 60)},
        {7, intervallo(61, 90)},
        {8, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        {17, {9, 19, 29, 39, 49, 59, 69, 79, 89}},
        {18, intervallo(1, 9)},
        {19, intervallo(11, 19)}, // neither 10 nor 20
        {26, intervallo(81, 89)},
        {27, {1, 10, 19, 28, 37, 46, 55, 64, 73, 82}},
        {35, {0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 90}},
        {36, cifra1},
        {44, {0, 9, 10, 19, 20, 29, 30, 39, 40, 49, 50, 59, 60, 69, 70, 79, 80, 89, 90}},
    };
    for (const auto& [k, membri] : casi)
        for (int v = 0; v <= 90; ++v)
            EXPECT_EQ(nelfiltro(k, v), membri.count(v) == 1) << "class " << k << " number " << v;
}

// A wheel not drawn, or drawn in part, still has its mean over the five places.
TEST(Sommaruota, SumAndMeanOverFivePlaces) {
    const struct {
        std::array<int, 5> valori;
        int somma;
        double media;
    } casi[] =
        {
            {{5, 17, 33, 60, 88}, 203, 40.6}, {{90, 90, 90, 90, 90}, 450, 90},
            {{0, 0, 0, 0, 0}, 0, 0},          {{12, 40, 0, 0, 0}, 52, 10.4},
            {{0, 125, 3, 1, 7}, 136, 27.2}, // delays, 0 for a number drawn at the draw before
        };
    for (const auto& c : casi) {
        const Sommaruota r = sommaruota(c.valori);
        EXPECT_EQ(r.somma, c.somma);
        EXPECT_DOUBLE_EQ(r.media, c.media);
    }
}

TEST(Sodi, SumsFoldAbove90AndDistancesDoNot) {
    const std::array<int, 4> somme[] = {
        {1, 89, 90, 0}, {45, 90, 45, 0}, {89, 90, 89, 0}, {30, 40, 70, 0}, {0, 0, 0, 0}};
    for (const auto& [x, y, attesa, _] : somme)
        EXPECT_EQ(sommaestratti(x, y), attesa) << x << " + " << y;
    const std::array<int, 3> distanze[] = {{1, 90, 89}, {90, 1, 89}, {5, 50, 45}, {10, 60, 50}};
    for (const auto& [x, y, attesa] : distanze)
        EXPECT_EQ(distanzaestratti(x, y), attesa) << x << " - " << y;
}

TEST(Sodi, TheTableAndItsHighlights) {
    Ruote r{};
    r[0] = {1, 89, 20, 30, 43}; // Bari: 1-2 sums to 90
    r[7] = {25, 49, 5, 3, 6};   // Roma: nothing in common
    r[2] = {20, 30, 5, 50, 7};  // Firenze: 1-2 sums to 50, 3-4 is 45 apart
    r[8] = {10, 40, 60, 1, 90}; // Torino: 1-2 sums to 50
    struct Caso {
        const char* cosa;
        Opzionisodi opzioni;
        std::vector<std::array<int, 2>> verdi; // wheel, column
    };
    // Every other wheel is not drawn: all zeros, equal to one another.
    std::vector<std::array<int, 2>> nonestratte;
    for (int w : {1, 3, 4, 5, 6, 9})
        for (int c = 0; c < 10; ++c)
            nonestratte.push_back({w, c});
    auto isotopi = nonestratte;
    isotopi.push_back({2, 0});
    isotopi.push_back({8, 0});
    const Caso casi[] = {
        {"sums, nothing marked", {true, false, false, false}, {}},
        {"sums of 90", {true, false, true, true}, {{0, 0}}},
        {"distances of 45", {false, false, true, true}, {{2, 7}}},
        {"equal sums in one column", {true, true, false, false}, isotopi},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.cosa);
        const Tabellasodi t = tabellasodi(r, k.opzioni);
        for (int w = 0; w < 10; ++w)
            for (int c = 0; c < 10; ++c) {
                const bool verde = std::find(k.verdi.begin(), k.verdi.end(),
                                             std::array<int, 2>{w, c}) != k.verdi.end();
                EXPECT_EQ(t.evidenziate[w][c], verde) << "wheel " << w << " column " << c;
            }
    }
    const Tabellasodi somme = tabellasodi(r, {});
    EXPECT_EQ(somme.valori[0][0], 90);
    EXPECT_EQ(somme.valori[8][2], 11); // 10 + 1
    EXPECT_EQ(somme.valori[8][3], 10); // 10 + 90 less 90
    EXPECT_EQ(somme.valori[8][9], 1);  // 1 + 90 less 90
    Opzionisodi distanze;
    distanze.somme = false;
    const Tabellasodi d = tabellasodi(r, distanze);
    EXPECT_EQ(d.valori[8][9], 89);
    EXPECT_EQ(d.valori[2][7], 45);
    EXPECT_EQ(d.valori[1][0], 0);
}

TEST(Cerchio, ThePointsOfTheNumbers) {
    struct Caso {
        int n;
        double x, y;
    };
    const Caso casi[] = {
        {0, 900, 50}, {1, 941.85, 51.46}, {45, 900.06, 1250.00}, {90, 899.89, 50.00}};
    for (const Caso& k : casi) {
        const Punto p = puntocerchio(k.n);
        EXPECT_NEAR(p.x, k.x, 0.005) << k.n;
        EXPECT_NEAR(p.y, k.y, 0.005) << k.n;
    }
    EXPECT_EQ(puntocerchio(0).x, 900);
    EXPECT_EQ(puntocerchio(0).y, 50);
}

TEST(Cerchio, ThePolygonFollowsTheNumbersInDescendingOrder) {
    const auto v = poligonocerchio({12, 88, 3, 45, 60});
    const int ordine[] = {88, 60, 45, 12, 3};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(v[i].x, puntocerchio(ordine[i]).x);
        EXPECT_EQ(v[i].y, puntocerchio(ordine[i]).y);
    }
    for (const Punto& p : poligonocerchio({0, 0, 0, 0, 0})) {
        EXPECT_EQ(p.x, 900);
        EXPECT_EQ(p.y, 50);
    }
}

} // namespace
} // namespace bolv
