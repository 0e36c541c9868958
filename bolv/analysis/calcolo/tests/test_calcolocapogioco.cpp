// Head-number companions: the order of the longest-delayed partners, never one twice, and
// the counts of the companions over the last draws of the analysis window.
#include "archiviomano.h"
#include "calcolocapogioco.h"
#include "tabelle.h"

namespace bolv {
namespace {

class Capogioco : public prova::Archiviomano {
  protected:
    // Five draws on Bari; Cagliari never drawn.
    void SetUp() override {
        const std::array<std::array<int, 5>, 5> bari = {{{1, 2, 3, 4, 5},
                                                         {2, 6, 7, 8, 9},
                                                         {1, 2, 6, 10, 11},
                                                         {3, 6, 12, 13, 14},
                                                         {1, 20, 21, 22, 23}}};
        std::vector<prova::Estrazione> e;
        for (int d = 0; d < 5; ++d)
            e.push_back(prova::estrazione(d, {bari[d]}));
        carica(e);
        // Pair delays of our own: all 0 but those a case sets.
        s.ambiattivi = true;
        for (auto* t : {&s.ritardiambi, &s.storiciambi, &s.presenzeambi})
            t->assign(NUMAMBI, 0);
    }
    void ritardo(int a, int b, int r) { s.ritardiambi[indiceambo(1, a, b)] = int16_t(r); }
    Cinquina colonna(int h, int n, int w, int c) {
        return calcolacapogioco(s, *tabellaambi(s), h, n)[w - 1][c];
    }
};

TEST_F(Capogioco, LongestDelayedPartners) {
    struct Caso {
        const char* cosa;
        int h;
        std::vector<std::array<int, 3>> ritardi; // a, b, delay
        Cinquina attesi;
    };
    const Caso casi[] = {
        {"above first, larger partner on ties; below only when strictly longer",
         10,
         {{10, 20, 50}, {10, 30, 50}, {10, 40, 30}, {5, 10, 50}, {3, 10, 60}, {7, 10, 30}},
         {3, 30, 20, 5, 40}},
        {"pairs just drawn (delay 0) above the head number fill the places",
         10,
         {},
         {90, 89, 88, 87, 86}},
        {"two partners above: each listed once, the rest empty", 88, {}, {90, 89, 0, 0, 0}},
        {"head number 90: all from below, equal delays smaller first",
         90,
         {{1, 90, 5}, {2, 90, 7}, {3, 90, 5}},
         {2, 1, 3, 0, 0}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.cosa);
        for (const auto& [a, b, r] : k.ritardi)
            ritardo(a, b, r);
        const auto prima = s.ritardiambi;
        EXPECT_EQ(colonna(k.h, 5, 1, 0), k.attesi);
        EXPECT_EQ(s.ritardiambi, prima); // the shared table is only read
        for (const auto& [a, b, r] : k.ritardi)
            ritardo(a, b, 0);
    }
}

TEST_F(Capogioco, CompanionsOverTheLastDraws) {
    struct Caso {
        const char* cosa;
        int ultima, n, w;
        std::array<Cinquina, 4> attesi; // Simpatici, Antipatici, Post-Simpatici, Post-Antipatici
    };
    const Caso casi[] = {
        {"all five draws: most, then ties to the smaller number",
         5,
         5,
         1,
         {{{2, 3, 4, 5, 6}, {7, 8, 9, 12, 13}, {6, 2, 3, 7, 8}, {4, 5, 10, 11, 15}}}},
        {"the last draw only: nothing follows it",
         5,
         1,
         1,
         {{{20, 21, 22, 23, 0}, {2, 3, 4, 5, 6}, {0, 0, 0, 0, 0}, {2, 3, 4, 5, 6}}}},
        {"a window ending at draw 4: draw 5 counts neither way",
         4,
         2,
         1,
         {{{2, 6, 10, 11, 0}, {3, 4, 5, 7, 8}, {3, 6, 12, 13, 14}, {2, 4, 5, 7, 8}}}},
        {"a wheel never drawn",
         5,
         5,
         2,
         {{{0, 0, 0, 0, 0}, {2, 3, 4, 5, 6}, {0, 0, 0, 0, 0}, {2, 3, 4, 5, 6}}}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.cosa);
        s.ultimaestrazione = k.ultima;
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(colonna(1, k.n, k.w, c + 1), k.attesi[c]) << "column " << c + 2;
    }
}

} // namespace
} // namespace bolv
