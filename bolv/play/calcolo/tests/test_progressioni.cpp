// The stake progression planner over a table of bets: the refusals in their order, the
// stakes of the gain and recovery draws, the tenth of the payout on all wheels, and wins
// beyond 32 bits.
#include "progressioni.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

// The shipped payouts the cases use.
std::array<float, NUMVINCITE> vincite() {
    std::array<float, NUMVINCITE> t{};
    t[0 + 5 * 0] = 11.23f;  // ambata, one number
    t[1 + 5 * 1] = 250;     // ambo, two numbers
    t[4 + 5 * 4] = 6000000; // cinquina, five numbers
    return t;
}

struct Caso {
    const char* nome;
    Giocata g;
    Esitopiano esito;
    std::vector<std::array<int64_t, 4>> tappe; // posta, investito, vincita, utile
};

Giocata giocata(double capitale, double minimo, double percento, int numeri, int sorte,
                int estrazioni, int recupero = 0, int bollette = 1, int ruote = 1) {
    return {capitale, minimo, percento, numeri, bollette, ruote, sorte, estrazioni, recupero};
}

TEST(Progressioni, Plans) {
    using enum Esitopiano;
    const Caso casi[] = {
        {"capital above the ceiling", giocata(1000000001, 1, 0, 1, 1, 1), capitaleeccessivo, {}},
        {"ceiling itself", giocata(1000000000, 1, 0, 1, 1, 1), pronto, {{1000, 1000, 10893, 9893}}},
        {"sorte above numbers, before the empty capital", giocata(0, 0, 0, 2, 3, 1), sortealta, {}},
        {"empty capital", giocata(0, 5, 0, 1, 1, 1), nonimpostati, {}},
        {"empty gain", giocata(5000, 0, 0, 1, 1, 1), nonimpostati, {}},
        {"ten bets for 10.89 a lira", giocata(1e6, 1, 0, 1, 1, 1, 0, 10, 1), pronto, {}},
        {"twelve bets for 10.89 a lira", giocata(1e6, 1, 0, 1, 1, 1, 0, 2, 6), nonremunerativo, {}},
        {"two tickets on all wheels: a tenth of the payout",
         giocata(1e6, 1, 0, 1, 1, 1, 0, 2, 10),
         nonremunerativo,
         {}},
        {"gain then recovery",
         giocata(1000000, 1000000, 0, 2, 2, 5, 2),
         pronto,
         {{5000, 5000, 1212500, 1207500},
          {5000, 10000, 1212500, 1202500},
          {5000, 15000, 1212500, 1197500},
          {1000, 16000, 242500, 226500},
          {1000, 17000, 242500, 225500}}},
        {"all recovery: draw 1 still seeks the gain",
         giocata(1000000, 1000000, 0, 2, 2, 2, 2),
         pronto,
         {{5000, 5000, 1212500, 1207500}, {1000, 6000, 242500, 236500}}},
        {"per cent condition raises draw 10",
         giocata(1000000, 1, 10, 1, 1, 10),
         pronto,
         {{1000, 1000, 10893, 9893},
          {1000, 2000, 10893, 8893},
          {1000, 3000, 10893, 7893},
          {1000, 4000, 10893, 6893},
          {1000, 5000, 10893, 5893},
          {1000, 6000, 10893, 4893},
          {1000, 7000, 10893, 3893},
          {1000, 8000, 10893, 2893},
          {1000, 9000, 10893, 1893},
          {2000, 11000, 21786, 10786}}},
        {"all wheels",
         giocata(1000000, 1, 5, 1, 1, 3, 0, 1, 10),
         pronto,
         {{1000, 1000, 1089, 89}, {27000, 28000, 29411, 1411}, {748000, 776000, 814804, 38804}}},
        {"capital ends in draw 3",
         giocata(40000, 1, 5, 1, 1, 3, 0, 1, 10),
         capitaleinsufficiente,
         {}},
        {"win beyond 32 bits",
         giocata(1e9, 1e9, 0, 5, 5, 1),
         pronto,
         {{1000, 1000, 5820000000, 5819999000}}},
    };
    for (const Caso& c : casi) {
        const Piano p = pianifica(c.g, vincite());
        EXPECT_EQ(p.esito, c.esito) << c.nome;
        if (c.esito != pronto) {
            EXPECT_TRUE(p.tappe.empty()) << c.nome;
            continue;
        }
        if (c.tappe.empty()) continue; // accepted; its stakes are not the point
        ASSERT_EQ(p.tappe.size(), c.tappe.size()) << c.nome;
        for (size_t i = 0; i < c.tappe.size(); ++i) {
            const Tappa& t = p.tappe[i];
            EXPECT_EQ((std::array<int64_t, 4>{t.posta, t.investito, t.vincita, t.utile}),
                      c.tappe[i])
                << c.nome << " draw " << i + 1;
            EXPECT_DOUBLE_EQ(t.utilepercento, double(t.utile) / double(t.investito));
        }
    }
}

} // namespace
} // namespace bolv
