// The views of the pair and triple tables: had only while the tables are active, reading
// what the builders stored whatever the order of the numbers, and refusing a read once the
// tables have been released under them.
#include "ambiterni.h"
#include "elabora.h"
#include "supporto.h"
#include "tabelle.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bolv {
namespace {

class Tabelle : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::prepara(s, cartella, ui);
        prova::scrivi(cartella / "archivio.dat", prova::immagine(prova::casuali(120, 7, 0.1)));
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        s.avvioincorso = false;
    }
    void attiva() {
        s.ambiattivi = s.ternattivi = true;
        calcolaambi(s);
        calcolaterni(s);
    }

    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
};

TEST_F(Tabelle, NoViewWhileTheTablesAreNotActive) {
    EXPECT_FALSE(tabellaambi(s));
    EXPECT_FALSE(tabellaterni(s));
    attiva();
    EXPECT_TRUE(tabellaambi(s));
    EXPECT_TRUE(tabellaterni(s));
}

TEST_F(Tabelle, ReadsTheTablesWhateverTheOrderOfTheNumbers) {
    attiva();
    const Vistaambi ambi = *tabellaambi(s);
    const Vistaterni terni = *tabellaterni(s);
    struct Caso {
        int w, a, b, c;
    };
    const Caso casi[] = {{1, 1, 2, 3}, {5, 17, 44, 90}, {10, 3, 70, 89}, {11, 1, 45, 90}};
    for (const Caso& k : casi) {
        const int coppia = indiceambo(k.w, k.a, k.b);
        EXPECT_EQ(ambi.ritardo(k.w, k.a, k.b), s.ritardiambi[coppia]);
        EXPECT_EQ(ambi.ritardo(k.w, k.b, k.a), s.ritardiambi[coppia]);
        EXPECT_EQ(ambi.storico(k.w, k.b, k.a), s.storiciambi[coppia]);
        EXPECT_EQ(ambi.presenze(k.w, k.b, k.a), s.presenzeambi[coppia]);
        const int terno = indicetabterni(k.w, indiceterno(k.a, k.b, k.c));
        for (const auto& [x, y, z] : {std::array{k.a, k.b, k.c}, std::array{k.c, k.a, k.b},
                                      std::array{k.b, k.c, k.a}, std::array{k.c, k.b, k.a}}) {
            EXPECT_EQ(terni.ritardo(k.w, x, y, z), s.ritarditerni[terno]);
            EXPECT_EQ(terni.presenze(k.w, x, y, z), s.presenzeterni[terno]);
        }
    }
}

// A view kept across a recomputation (which releases the tables) must not read freed
// memory.
TEST_F(Tabelle, AReadAfterTheTablesWereReleasedIsRefused) {
    attiva();
    const Vistaambi ambi = *tabellaambi(s);
    const Vistaterni terni = *tabellaterni(s);
    disattivaambiterni(s);
    EXPECT_THROW(ambi.ritardo(1, 1, 2), std::logic_error);
    EXPECT_THROW(terni.presenze(1, 1, 2, 3), std::logic_error);
}

} // namespace
} // namespace bolv
