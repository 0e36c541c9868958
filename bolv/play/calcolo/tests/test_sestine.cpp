// The SuperEnalotto derivation on a few draws from slot 4000: numbers taken already are
// skipped, a wheel whose numbers are all taken repeats its fifth, a wheel not drawn gives a
// 0 that the statistics leave out.

#include "sestine.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

// Wheel rows in column order: Bari, Firenze, Milano, Napoli, Palermo, Roma, Venezia.
using Ruotesestina = std::array<std::array<int, 5>, 7>;

void metti(Stato& s, int d, const Ruotesestina& ruote) {
    for (int c = 0; c < 7; ++c)
        for (int p = 0; p < 5; ++p)
            s.estr(d, RUOTESESTINA[c], p + 1) = static_cast<int16_t>(ruote[c][p]);
}

Stato tredraws(int prima) {
    Stato s;
    metti(s, 4000,
          {{{17, 1, 2, 3, 4}, // Firenze's 17 is taken: its 40 stands in column 2
            {17, 40, 5, 6, 7},
            {17, 40, 9, 8, 6},
            {10, 1, 2, 3, 4},
            {11, 1, 2, 3, 4},
            {12, 1, 2, 3, 4},
            {13, 1, 2, 3, 4}}});
    metti(s, 4001,
          {{{1, 2, 3, 4, 5},
            {1, 2, 3, 4, 5},
            {3, 1, 2, 4, 5},
            {4, 1, 2, 3, 5},
            {5, 1, 2, 3, 4},
            {1, 2, 3, 4, 5},    // Roma all taken: its fifth stays, repeated
            {0, 0, 0, 0, 0}}}); // Venezia not drawn
    metti(s, 4002,
          {{{17, 1, 2, 3, 4},
            {30, 1, 2, 3, 4},
            {31, 1, 2, 3, 4},
            {32, 1, 2, 3, 4},
            {33, 1, 2, 3, 4},
            {34, 1, 2, 3, 4},
            {35, 1, 2, 3, 4}}});
    s.primaestrazione = prima;
    s.ultimaestrazione = 4002;
    return s;
}

TEST(Sestine, Rows) {
    const Tabellasestine t = calcolasestine(tredraws(3549));
    EXPECT_EQ(t.primariga, 4000);
    EXPECT_EQ(t.ultima, 4002);
    EXPECT_EQ(t.riga(3999), nullptr);
    EXPECT_EQ(t.riga(4003), nullptr);
    EXPECT_EQ(*t.riga(4000), (Sestina{17, 40, 9, 10, 11, 12, 13, 99, 3, 3}));
    EXPECT_EQ(*t.riga(4001), (Sestina{1, 2, 3, 4, 5, 5, 0, 20, 2, 4}));
    EXPECT_EQ(*t.riga(4002), (Sestina{17, 30, 31, 32, 33, 34, 35, 177, 3, 3}));
}

TEST(Sestine, Statistics) {
    const Tabellasestine t = calcolasestine(tredraws(1));
    struct Caso {
        int numero, gruppo, ultima, storico, frequenza;
    };
    const Caso casi[] = {
        {17, 1, 4002, 1, 2}, // Bari twice, one draw between
        {17, 8, 4002, 1, 2}, // anywhere: the skipped 17 of Firenze is not counted
        {17, 2, 4000, 0, 0}, // never in Firenze's column
        {5, 6, 4001, 0, 1},  // the repeated fifth
        {5, 8, 4001, 0, 2},  // counted in both columns it stands in
        {2, 2, 4001, 0, 1},  // Firenze's 1 was taken
        {13, 7, 4000, 0, 1}, // the seventh column counts in its group
        {13, 8, 4000, 0, 1}, // and in the whole combination
        {40, 3, 4000, 0, 0}, // Milano's 40 was taken
        {90, 8, 4000, 0, 0}, // never drawn
        {35, 8, 4002, 1, 1},
    };
    for (const Caso& c : casi) {
        const Statisticasestina& st = t.statistiche[c.numero - 1][c.gruppo - 1];
        EXPECT_EQ(st.ultima, c.ultima) << c.numero << " " << c.gruppo;
        EXPECT_EQ(st.storico, c.storico) << c.numero << " " << c.gruppo;
        EXPECT_EQ(st.frequenza, c.frequenza) << c.numero << " " << c.gruppo;
    }
}

TEST(Sestine, FirstComputedDraw) {
    Stato s = tredraws(4001);
    Tabellasestine t = calcolasestine(s);
    EXPECT_EQ(t.primariga, 4001);
    EXPECT_EQ(t.riga(4000), nullptr);
    EXPECT_EQ(t.statistiche[16][0].frequenza, 1);
    // An analysis window that ends before slot 4000 computes nothing.
    s.primaestrazione = 1;
    s.ultimaestrazione = 3000;
    t = calcolasestine(s);
    EXPECT_TRUE(t.righe.empty());
    EXPECT_EQ(t.riga(3000), nullptr);
}

} // namespace
} // namespace bolv
