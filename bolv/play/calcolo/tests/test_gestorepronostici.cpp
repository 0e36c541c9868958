// The forecast manager's engine: the inputs of "Aggiungi pronostico" as a table
// of cases, and the check of forecasts against a small draw.
#include "gestorepronostici.h"
#include "stato.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

constexpr std::array<bool, 5> nessunasorte{};
constexpr std::array<bool, 5> ambo{false, true, false, false, false};
constexpr std::array<bool, 5> terno{false, false, true, false, false};
constexpr std::array<bool, 10> bari{true};
constexpr std::array<bool, 10> nessunaruota{};

const std::string NONVALIDI = "Sono stati introdotti dei numeri non validi.";
const std::string UGUALI = "Sono stati introdotti dei numeri uguali.";
const std::string INSUFFICIENTI =
    "Il numero di numeri indicati non e' sufficiente per giocare per la sorte scelta.";

TEST(ComponiPronostico, InputsAsTheUserTypesThem) {
    struct Caso {
        std::string numeri;
        std::array<bool, 10> ruote;
        std::array<bool, 5> sorti;
        size_t nelgruppo;
        Pronostico atteso;
        std::string messaggio;
    };
    const std::array<bool, 10> banaro{true, false, false, false, false, true, false, true};
    const std::array<bool, 5> ambaterno{false, true, true, false, false};
    const std::array<bool, 5> tutte{true, true, true, true, true};
    const Caso casi[] = {
        {"5.12.33", bari, ambo, 0, {"Ba", "05.12.33", "A"}, ""},
        {"33.5.12", banaro, ambaterno, 99, {"Ba.Na.Ro", "33.05.12", "A.T"}, ""},
        {" 7.  90", bari, terno, 0, {}, INSUFFICIENTI},
        {"1.2.3.4.5.6.7.8.9.10",
         std::array<bool, 10>{true, true, true, true, true, true, true, true, true, true},
         tutte,
         0,
         {"Ba.Ca.Fi.Ge.Mi.Na.Pa.Ro.To.Ve", "01.02.03.04.05.06.07.08.09.10", "M.A.T.Q.C"},
         ""},
        {"4.5x.6,9.5", bari, ambo, 0, {}, UGUALI},
        {"05..12", bari, ambo, 0, {}, NONVALIDI},
        {"0.5", bari, ambo, 0, {}, NONVALIDI},
        {"91", bari, ambo, 0, {}, NONVALIDI},
        {"", bari, ambo, 0, {}, NONVALIDI},
        {"abc", bari, ambo, 0, {}, NONVALIDI},
        {"5." + std::string(400, '9'), bari, ambo, 0, {}, NONVALIDI},
        {"5.5", bari, ambo, 0, {}, UGUALI},
        {"12.5", bari, ambo, 0, {"Ba", "12.05", "A"}, ""},
        {"1.2", bari, terno, 0, {}, INSUFFICIENTI},
        {"1.2",
         nessunaruota,
         nessunasorte,
         0,
         {},
         "Non e' stata specificata la sorte per il pronostico."},
        {"1.2",
         nessunaruota,
         ambo,
         0,
         {},
         "Non e' stata specificata alcuna ruota per il pronostico."},
        {"1.2.3.4.5.6.7.8.9.10.11",
         bari,
         ambo,
         0,
         {},
         "Un pronostico non puo' contenere piu' di 10 numeri."},
        {"1.2", bari, ambo, 100, {}, "Il gruppo contiene gia' 100 pronostici."},
    };
    for (const auto& c : casi) {
        const auto esito = componipronostico({c.ruote, c.numeri, c.sorti}, c.nelgruppo);
        EXPECT_EQ(esito.messaggio, c.messaggio) << c.numeri;
        EXPECT_EQ(esito.pronostico, c.atteso) << c.numeri;
        if (c.messaggio.empty()) {
            EXPECT_TRUE(pronosticovalido(esito.pronostico)) << c.numeri;
        }
    }
}

// Two draws: Bari holds 5, 12, 33 at draw 1; Napoli and Roma two hits each;
// Cagliari is not drawn at draw 1.
class VerificaPronostico : public ::testing::Test {
  protected:
    void SetUp() override {
        s.numestrazioni = 2;
        const int estratti[10][5] = {
            {33, 1, 5, 12, 80}, {0, 0, 0, 0, 0}, {5, 6, 7, 8, 9}, {}, {}, {12, 40, 5, 41, 42}, {},
            {43, 5, 44, 12, 45}};
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p) {
                s.estr(1, w, p) = static_cast<int16_t>(estratti[w - 1][p - 1]);
                s.estr(2, w, p) = static_cast<int16_t>(w * 5 + p); // never 5, 12, 33 on Bari
            }
    }
    Stato s;
};

TEST_F(VerificaPronostico, CountsPerSorteOverTheWheelsPlayed) {
    struct Caso {
        Pronostico p;
        int estrazione;
        std::array<const char*, 5> celle;
        std::array<bool, 5> verdi;
    };
    const Caso casi[] = {
        {{"Ba", "05.12.33", "A"}, 1, {" 3", " 3", " 1", "", ""}, {false, true}},
        {{"Na.Ro", "05.12", "A"}, 1, {" 4", " 2", "", "", ""}, {false, true}},
        {{"Ca", "05.12", "M.A"}, 1, {"", "", "", "", ""}, {}},
        {{"Ba.Ca.Fi", "05.12.33", "M.T"}, 1, {" 4", " 3", " 1", "", ""}, {true, false, true}},
        {{"Ba", "05.12.33", "A"}, 2, {"", "", "", "", ""}, {}},
        {{"Ba", "05.12.33", "A"}, 3, {"", "", "", "", ""}, {}},
        {{"Ba", "05.12.33", "A"}, 0, {"", "", "", "", ""}, {}},
    };
    for (const auto& c : casi) {
        const auto v = verificapronostico(s, c.estrazione, c.p);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(v.testo(k), c.celle[k]) << c.p.ruote << " " << c.estrazione << " " << k;
            EXPECT_EQ(v.vincente(k), c.verdi[k]) << c.p.ruote << " " << c.estrazione << " " << k;
        }
    }
}

} // namespace
} // namespace bolv
