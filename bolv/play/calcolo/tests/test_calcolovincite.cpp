// The payout table rows, the winnings calculator on the shipped payout table
// as a table of cases, and its report to the byte.
#include "calcolovincite.h"
#include "datifile.h"
#include "stato.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace bolv {
namespace {

std::array<float, 50> tabellaspedita() {
    Stato s;
    s.cartellaprogramma = BOLV_DATA_DIR;
    EXPECT_TRUE(leggivincite(s));
    return s.tabellavincite;
}

// The C locale of the process, which the Qt program sets from the user's, for one scope.
class Localec {
  public:
    explicit Localec(const char* nome) : prima(std::setlocale(LC_ALL, nullptr)) {
        impostato = std::setlocale(LC_ALL, nome) != nullptr;
    }
    ~Localec() { std::setlocale(LC_ALL, prima.c_str()); }
    Localec(const Localec&) = delete;
    Localec& operator=(const Localec&) = delete;
    bool impostato = false;

  private:
    std::string prima;
};

// The same text under an Italian C locale, whose decimal point is a comma
// (scripts/setup.sh generates it_IT.UTF-8).
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
        {std::numeric_limits<float>::infinity(), " INF"},
    };
    for (const char* locale : {"C", "it_IT.UTF-8"}) {
        const Localec l(locale);
        ASSERT_TRUE(l.impostato) << locale;
        for (const auto& [v, atteso] : casi)
            EXPECT_EQ(Strsingolo(v), atteso) << v << " " << locale;
    }
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

// The player's share of one combination's payout: the cell of sorte k with n numbers, less
// 3%, a tenth of it on all ten wheels together.
TEST(CalcoloVincite, GainFactor) {
    std::array<float, 50> t{};
    t[6] = 250;    // ambo, 2 numbers
    t[12] = 4250;  // terno, 3 numbers
    t[46] = 5.55f; // ambo, 10 numbers
    t[47] = 37.5f; // terno, 10 numbers
    t[4] = 1e6f;   // cinquina, 1 number: a cell no bet reads
    const struct {
        int k, n;
        bool tutte;
        double atteso;
    } casi[] = {
        {2, 2, false, 242.5},  {2, 2, true, 24.25},          {3, 3, false, 4122.5},
        {3, 3, true, 412.25},  {2, 10, false, 5.55f * 0.97}, {1, 1, false, 0},
        {3, 10, true, 3.6375},
    };
    for (const auto& c : casi)
        EXPECT_EQ(fattoreguadagno(t, c.k, c.n, c.tutte), c.atteso)
            << "sorte " << c.k << ", " << c.n << " numeri";
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
        int64_t netta = 0;
    };
    const Caso casi[] = {
        {"ambo su tre numeri",
         3,
         2,
         {"", "1000"},
         "",
         {" 2", " 1", " 0", "---", "---"},
         83333,
         80833},
        {"ambata secca", 1, 1, {"1000"}, "", {" 1", "---", "---", "---", "---"}, 11230, 10893},
        {"meta' e meta'",
         2,
         2,
         {"500", "500"},
         "",
         {" 2", " 1", "---", "---", "---"},
         5615 + 125000,
         126697},
        {"dieci numeri",
         10,
         5,
         {"", "", "", "", "1000"},
         "",
         {" 5", " 10", " 10", " 5", " 1"},
         23809523,
         23095237},
        {"vincita nulla", 2, 1, {"", "1000"}, "", {" 1", " 0", "---", "---", "---"}, 0, 0},
        {"poste che il numero di numeri non consente",
         2,
         2,
         {"", "1000", "5"},
         "",
         {" 2", " 1", "---", "---", "---"},
         250000,
         242500},
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
        {"vincita oltre 64 bit",
         1,
         1,
         {"1000000000000000000"},
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
        EXPECT_EQ(r.netta, c.netta);
        EXPECT_EQ(r.risultato, r.netta - *totalepuntate(c.puntate, c.giocati));
    }
    // The win of a sorte is payout x stake x combinations, to the lira: 83333.34.
    const auto r = calcolavincite(t, 3, 2, {"", "1000"});
    EXPECT_EQ(r.vincite[1], 83333);
}

// Money to the lira: the payout's exact binary value, halves to even in the
// wins and in the 3% deduction, every digit of a large stake, refusal only
// beyond 64 bits.
TEST(CalcoloVincite, ExactMoney) {
    auto t = tabellaspedita();
    const auto paga = [&t](int n, int k, float v) { t[(k - 1) + 5 * (n - 1)] = v; };
    paga(1, 1, 21.25f);  // 1000 -> 21250, less 3% 20612.5
    paga(2, 1, 0.0625f); // 1000 -> 62.5
    paga(2, 2, 0.1875f); // 1000 -> 187.5
    paga(3, 1, 0.25f);   // 1000 -> 250, less 3% 242.5
    for (int k = 1; k <= 4; ++k)
        paga(4, k, k <= 2 ? 1.0f : 0.0f); // the stake itself on ambata and ambo
    struct Caso {
        const char* nome;
        int giocati, sortiti;
        Puntate puntate;
        std::array<int64_t, 5> vincite{};
        int64_t lorda = 0, netta = 0, risultato = 0;
        const char* messaggio = "";
    };
    const char* const troppo = "Gli importi sono troppo grandi per il calcolo.";
    const Caso casi[] = {
        {"21250 less 3%", 1, 1, {"1000"}, {21250}, 21250, 20612, 19612},
        {"250 less 3%", 3, 1, {"1000"}, {250}, 250, 242, -758},
        {"a win of 62.5", 2, 1, {"1000"}, {62}, 62, 60, -940},
        {"a win of 187.5", 2, 2, {"", "1000"}, {0, 188}, 188, 182, -818},
        {"cinquina 5 su 5, 1e11",
         5,
         5,
         {"", "", "", "", "100000000000"},
         {0, 0, 0, 0, 600000000000000000},
         600000000000000000,
         582000000000000000,
         581999900000000000},
        {"a stake no double holds",
         4,
         1,
         {"9007199254740993000"},
         {9007199254740993000},
         9007199254740993000,
         8736983277098763210,
         -270215977642229790},
        {"cinquina 5 su 5, 1e13", 5, 5, {"", "", "", "", "10000000000000"}, {}, 0, 0, 0, troppo},
        {"each win fits, their sum not",
         4,
         2,
         {"3100000000000000000", "3100000000000000000"},
         {},
         0,
         0,
         0,
         troppo},
        {"the stakes' sum beyond 64 bits",
         5,
         5,
         {"4000000000000000000", "4000000000000000000", "4000000000000000000"},
         {},
         0,
         0,
         0,
         troppo},
        {"a stake beyond 64 bits", 1, 1, {"9223372036854775808"}, {}, 0, 0, 0, troppo},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto r = calcolavincite(t, c.giocati, c.sortiti, c.puntate);
        EXPECT_EQ(r.messaggio, c.messaggio);
        if (!r.messaggio.empty()) continue;
        EXPECT_EQ(r.vincite, c.vincite);
        EXPECT_EQ(r.lorda, c.lorda);
        EXPECT_EQ(r.netta, c.netta);
        EXPECT_EQ(r.risultato, c.risultato);
    }
}

TEST(CalcoloVincite, TotalOfTheStakes) {
    EXPECT_EQ(totalepuntate({"500", " 500abc", "7", "", ""}, 2), 1000);
    EXPECT_EQ(totalepuntate({"500", "500", "7", "", ""}, 7), 1007);
    EXPECT_EQ(totalepuntate({"0.5", "1.5", "2.5"}, 3), 4); // halves to even: 0 + 2 + 2
    EXPECT_EQ(totalepuntate({"-500"}, 1), -500);
    EXPECT_EQ(totalepuntate({"1" + std::string(400, '0')}, 1), std::nullopt);
}

// A stake rounded to the lira from the digits typed, a half to the even neighbour.
TEST(CalcoloVincite, StakeFromItsDigits) {
    const std::pair<const char*, std::optional<int64_t>> casi[] = {
        {"2.50001", 3},
        {"3.5", 4},
        {"4.50", 4},
        {"-0.5", 0},
        {".51", 1},
        {".", 0},
        {"+7", 7},
        {" \t12.5x", 12},
        {"1e5", 1},
        {"9223372036854775806.5", 9223372036854775806},
        {"9223372036854775807.5", std::nullopt},
        {"-9223372036854775807", -9223372036854775807},
        {"000000000000000000000000001000", 1000},
    };
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(totalepuntate({testo}, 1), atteso) << testo;
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
