// The payout table rows, the winnings calculator on the shipped payout table
// as a table of cases, and its report to the byte.
#include "calcolovincite.h"
#include "datifile.h"
#include "stato.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

std::array<float, 50> tabellaspedita() {
    Stato s;
    s.cartellaprogramma = BOLV_DATA_DIR;
    EXPECT_TRUE(leggivincite(s));
    return s.tabellavincite;
}

TEST(CalcoloVincite, SinglePrecisionText) {
    const std::pair<float, const char*> casi[] = {
        {3, " 3"},
        {0.5f, " .5"},
        {0, " 0"},
        {-0.25f, "-.25"},
        {-7, "-7"},
        {250.0f / 3, " 83.33334"},
        {11.23f, " 11.23"},
        {6000000, " 6000000"},
        {6000000.0f / 252, " 23809.52"},
        {1.5e7f, " 1.5E+07"},
    };
    for (const auto& [v, atteso] : casi)
        EXPECT_EQ(Strsingolo(v), atteso) << v;
}

TEST(CalcoloVincite, PayoutRows) {
    const auto t = tabellaspedita();
    const auto righe = righevincite(t);
    ASSERT_EQ(righe.size(), 40u);
    EXPECT_EQ(righe[0].numeri, 1);
    EXPECT_EQ(righe[0].combinazioni, 1);
    EXPECT_EQ(righe[0].sorte, 1);
    // Three numbers: 3 ambate, 3 ambi, 1 terno (rows 4..6).
    const int64_t tre[] = {3, 3, 1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(righe[3 + i].numeri, 3);
        EXPECT_EQ(righe[3 + i].sorte, i + 1);
        EXPECT_EQ(righe[3 + i].combinazioni, tre[i]);
        EXPECT_EQ(righe[3 + i].vincita, vincitaunitaria(t, i + 1, 3));
    }
    const int64_t dieci[] = {10, 45, 120, 210, 252};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(righe[35 + i].combinazioni, dieci[i]);
    // A payout of 0 keeps its row: the row depends only on k <= n.
    std::array<float, 50> zero{};
    EXPECT_EQ(righevincite(zero).size(), 40u);
}

TEST(CalcoloVincite, Calculation) {
    const auto t = tabellaspedita();
    const std::string oltre = "1" + std::string(400, '0');
    struct Caso {
        const char* nome;
        int giocati, sortiti;
        Puntate puntate;
        std::string messaggio;
        std::array<const char*, 5> combinazioni{};
        int64_t lorda = 0;
    };
    const Caso casi[] = {
        {"ambo su tre numeri", 3, 2, {"", "1000"}, "", {" 2", " 1", " 0", "---", "---"}, 83333},
        {"ambata secca", 1, 1, {"1000"}, "", {" 1", "---", "---", "---", "---"}, 11230},
        {"meta' e meta'",
         2,
         2,
         {"500", "500"},
         "",
         {" 2", " 1", "---", "---", "---"},
         5615 + 125000},
        {"dieci numeri",
         10,
         5,
         {"", "", "", "", "1000"},
         "",
         {" 5", " 10", " 10", " 5", " 1"},
         23809523},
        {"vincita nulla", 2, 1, {"", "1000"}, "", {" 1", " 0", "---", "---", "---"}, 0},
        {"poste che il numero di numeri non consente",
         2,
         2,
         {"", "1000", "5"},
         "",
         {" 2", " 1", "---", "---", "---"},
         250000},
        {"senza puntate", 5, 5, {}, "Indicare le puntate."},
        {"totale 1500", 2, 1, {"1005", "495"}, "Il totale deve essere un multiplo di 1.000."},
        {"posta di 1005",
         2,
         1,
         {"1005", "995"},
         "Gli importi devono essere approssimati alle 10 lire."},
        {"posta negativa", 2, 1, {"-1000", "2000"}, "Gli importi non possono essere negativi."},
        {"posta oltre ogni calcolo",
         2,
         1,
         {oltre},
         "Gli importi sono troppo grandi per il calcolo."},
        {"vincita oltre 2^53",
         1,
         1,
         {"9007199254740000"},
         "Gli importi sono troppo grandi per il calcolo."},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto r = calcolavincite(t, c.giocati, c.sortiti, c.puntate);
        EXPECT_EQ(r.messaggio, c.messaggio);
        if (!c.messaggio.empty()) continue;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(r.combinazioni[i], c.combinazioni[i]) << i;
        EXPECT_EQ(r.lorda, c.lorda);
        EXPECT_DOUBLE_EQ(r.netta, static_cast<double>(c.lorda) * 0.97);
        EXPECT_DOUBLE_EQ(r.risultato, r.netta - *totalepuntate(c.puntate, c.giocati));
    }
    // The win of a sorte is payout x stake x combinations, in double precision.
    const auto r = calcolavincite(t, 3, 2, {"", "1000"});
    EXPECT_DOUBLE_EQ(r.vincite[1], static_cast<double>(vincitaunitaria(t, 2, 3)) * 1000);
}

TEST(CalcoloVincite, TotalOfTheStakes) {
    EXPECT_EQ(totalepuntate({"500", " 500abc", "7", "", ""}, 2), 1000);
    EXPECT_EQ(totalepuntate({"500", "500", "7", "", ""}, 7), 1007);
    EXPECT_EQ(totalepuntate({"0.5", "1.5", "2.5"}, 3), 4); // halves to even: 0 + 2 + 2
    EXPECT_EQ(totalepuntate({"-500"}, 1), -500);
    EXPECT_EQ(totalepuntate({"1" + std::string(400, '0')}, 1), std::nullopt);
}

TEST(CalcoloVincite, GoldenReport) {
    Rapportovincite r;
    r.giocati = 3;
    r.sortiti = 2;
    r.puntate = {"", "1000", "", "", ""};
    r.combinazioni = {" 2", " 1", " 0", "---", "---"};
    r.vincite = {"0", "83.333", "0", "", ""};
    r.lorda = "83.333";
    r.netta = "80.833";
    r.risultato = "79.833";
    const std::vector<std::string> atteso = {
        "Bolv 3.2",
        "---------------------",
        "Numeri giocati:   3",
        "Numeri sortiti:   2",
        "",
        "         Puntate   Comb. usc.     Vincita",
        "Ambata              2             0",
        "Ambo     1000       1             83.333",
        "Terno               0             0",
        "Quaterna           ---            ",
        "Cinquina           ---            ",
        "                                  --------------",
        "                   V. lorda:      83.333",
        "                   - 3 % :        80.833",
        "                   - cap.inv.:    79.833",
    };
    EXPECT_EQ(righetesto(rapportovincite(r)), atteso);
}

TEST(CalcoloVincite, TextPastItsColumnGoesOnTheNextLine) {
    const std::vector<Rigarapporto> rapporto = {
        {{0, "Quaterna"}, {10, std::string(12, 'x')}, {20, "y"}},
        {{3, "à"}, {5, "z"}},
    };
    const std::vector<std::string> atteso = {"Quaterna x" + std::string(11, 'x'),
                                             std::string(19, ' ') + "y", "  à z"};
    EXPECT_EQ(righetesto(rapporto), atteso);
}

} // namespace
} // namespace bolv
