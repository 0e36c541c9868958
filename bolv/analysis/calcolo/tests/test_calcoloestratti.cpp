// The per-number table on hand-made archives: the gaps behind the recent-delay means, the
// positional delay, the ratios with no divisor, full-width gaps and the orders.
#include "archiviomano.h"
#include "calcoloestratti.h"

namespace bolv {
namespace {

// Bari, and Cagliari drawn alike, in six draws.
std::vector<prova::Estrazione> seiestrazioni() {
    const std::array<std::array<int, 5>, 6> bari = {{{1, 2, 3, 4, 5},
                                                     {6, 7, 8, 9, 10},
                                                     {1, 11, 12, 13, 14},
                                                     {6, 15, 16, 17, 18},
                                                     {2, 19, 20, 21, 22},
                                                     {1, 6, 2, 11, 15}}};
    std::vector<prova::Estrazione> e;
    for (int d = 0; d < 6; ++d)
        e.push_back(prova::estrazione(d, {bari[d], bari[d]}));
    return e;
}

class Estratti : public prova::Archiviomano {};

TEST_F(Estratti, RecentGapsTheirMeansAndThePositionalDelay) {
    carica(seiestrazioni());
    const Tabellaestratti t = calcolaestratti(s);
    struct Caso {
        int n, w;
        std::array<int, 5> recenti;
        std::array<double, 4> rm;
        int rpos;
    };
    const Caso casi[] = {
        // Drawn in the last draw: rank 1 is 0, and so is its positional delay.
        {1, 1, {0, 2, 1, 0, 0}, {1.0, 1.0, 0.75, 0.6}, 0},
        // Drawn once, at draw 1: the missing ranks stay 0 and still count in the means.
        {3, 1, {5, 0, 0, 0, 0}, {2.5, 5.0 / 3, 1.25, 1.0}, 1},
        // Absent 2 draws; the last draw holds 1 and 11, which had been absent 2 draws.
        {16, 1, {2, 0, 0, 0, 0}, {1.0, 2.0 / 3, 0.5, 0.4}, 0},
        // Absent 3 draws; no number of the last draw had been absent longer than 2.
        {12, 1, {3, 0, 0, 0, 0}, {1.5, 1.0, 0.75, 0.6}, 1},
        // Never drawn: no hit back to draw 1 leaves every rank 0; no number ever came out
        // later than it had been absent.
        {90, 1, {0, 0, 0, 0, 0}, {0, 0, 0, 0}, 6},
        // All wheels: hits on any wheel; the positional delay the smallest of the wheels'.
        {1, 11, {0, 2, 1, 0, 0}, {1.0, 1.0, 0.75, 0.6}, 0},
        {3, 11, {5, 0, 0, 0, 0}, {2.5, 5.0 / 3, 1.25, 1.0}, 0},
        {90, 11, {0, 0, 0, 0, 0}, {0, 0, 0, 0}, 0},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(testing::Message() << "number " << k.n << " wheel " << k.w);
        const Statestratto& e = t[k.w - 1][k.n - 1];
        EXPECT_EQ(e.recenti, k.recenti);
        for (int j = 0; j < 4; ++j)
            EXPECT_DOUBLE_EQ(e.rm[j], k.rm[j]);
        EXPECT_EQ(e.rpos, k.rpos);
    }
}

TEST_F(Estratti, RatiosWithoutADivisorAreMarked) {
    carica(seiestrazioni());
    const Tabellaestratti t = calcolaestratti(s);
    struct Caso {
        int n;
        int rit, sto, pre;
        double rp, rs, cicl;
    };
    const Caso casi[] = {
        {1, 0, 2, 3, 0.0, 0.0, 2.0}, // drawn three times in six draws
        {3, 5, 0, 1, 5.0, -1, 6.0},  // historical delay 0: no R/S
        {90, 6, 0, 0, -1, -1, 0.0},  // never drawn: no R/P, Cicl 0
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.n);
        const Statestratto& e = t[0][k.n - 1];
        EXPECT_EQ(e.rit, k.rit);
        EXPECT_EQ(e.sto, k.sto);
        EXPECT_EQ(e.pre, k.pre);
        EXPECT_DOUBLE_EQ(e.rp, k.rp);
        EXPECT_DOUBLE_EQ(e.rs, k.rs);
        EXPECT_DOUBLE_EQ(e.cicl, k.cicl);
    }
}

// Gaps of 300 draws are 300, not their low eight bits; the scan back ends at draw 1, so the
// draws before the first hit make no gap.
TEST_F(Estratti, GapsKeepTheirFullWidth) {
    std::vector<prova::Estrazione> e;
    for (int d = 1; d <= 400; ++d) {
        const int base = 10 + (d * 5) % 80;
        std::array<int, 5> bari = {base, base + 1, base + 2, base + 3, base + 4};
        if (d == 10 || d == 311) bari[0] = 9;
        e.push_back(prova::estrazione(d, {bari}));
    }
    carica(e);
    const Tabellaestratti t = calcolaestratti(s);
    const Statestratto& nove = t[0][8];
    EXPECT_EQ(nove.rit, 89);
    const std::array<int, 5> attesi = {89, 300, 0, 0, 0};
    EXPECT_EQ(nove.recenti, attesi);
    EXPECT_DOUBLE_EQ(nove.rm[0], 194.5);
    EXPECT_DOUBLE_EQ(nove.rm[3], 389 / 5.0);
}

TEST_F(Estratti, OrdersByValueLargestFirstEqualValuesInNumberOrder) {
    carica(seiestrazioni());
    const Tabellaestratti t = calcolaestratti(s);
    struct Caso {
        const char* cosa;
        int colonna, posto, numero; // the number at place posto (0..89) of the order
    };
    const Caso casi[] = {
        {"Num ascending: 10 after 9", 1, 9, 10},
        {"Num ascending: 90 last", 1, 89, 90},
        {"Pre: three hits first", 5, 2, 6},
        {"Pre: two hits next", 5, 3, 11},
        {"Pre: then one hit", 5, 5, 3},
        {"Rit: never drawn (6) first", 2, 0, 23},
        {"Rit: ... in number order", 2, 67, 90},
        {"Rit: then delay 5", 2, 68, 3},
        {"Rm2: 2,50 first", 8, 0, 3},
        {"Rm2: then 2,00", 8, 3, 7},
        {"R/S: no value ranks last", 7, 89, 90},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.cosa);
        EXPECT_EQ(ordineestratti(t, 1, k.colonna)[k.posto], k.numero);
    }
}

} // namespace
} // namespace bolv
