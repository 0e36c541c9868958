// Public facts of the real draws, on the archive shipped with the program.
#include "ambiterni.h"
#include "archivio.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

constexpr int MILANO = 5, NAPOLI = 6, VENEZIA = 10;

class ArchivioVero : public ::testing::Test {
  protected:
    void SetUp() override {
        s.cartellaprogramma = BOLV_DATA_DIR;
        s.ui = &ui;
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        s.avvioincorso = false;
    }
    int slotdi(const Data& data) const {
        for (int d = 1; d <= s.numestrazioni; ++d)
            if (s.dateestrazioni[d] == data) return d;
        return 0;
    }
    prova::Registratore ui;
    Stato s;
};

TEST_F(ArchivioVero, HoldsEveryDrawFrom1939) {
    EXPECT_EQ(s.numestrazioni, 7370);
    EXPECT_EQ(s.dateestrazioni[1], (Data{1939, 1, 7}));
    EXPECT_EQ(s.dateestrazioni[s.numestrazioni], (Data{2026, 8, 21}));
    EXPECT_EQ(ui.contaavvisi(), 0);
}

TEST_F(ArchivioVero, StartYearsAndTheFirstDrawOfCagliariAndGenova) {
    EXPECT_EQ(s.slot1939, 1);
    EXPECT_EQ(s.dateestrazioni[s.slot1945].anno, 1945);
    EXPECT_LT(s.dateestrazioni[s.slot1945 - 1].anno, 1945);
    EXPECT_EQ(s.dateestrazioni[s.slotcagliarigenova], (Data{1939, 7, 8}));
    EXPECT_EQ(slotanno(s, 1871), 1);
}

TEST_F(ArchivioVero, Number53OnVeneziaWasAbsent182Draws) {
    EXPECT_EQ(s.storicinumeri[indicenumero(53, VENEZIA)], 182);
    const int d = slotdi({2005, 2, 9});
    ASSERT_NE(d, 0);
    bool uscito = false;
    for (int p = 1; p <= 5; ++p)
        if (s.estr(d, VENEZIA, p) == 53) {
            uscito = true;
            EXPECT_EQ(s.ritardiuscita[indicearchivio(d, VENEZIA, p)], 182);
        }
    EXPECT_TRUE(uscito);
}

TEST_F(ArchivioVero, Pair31And66AtTheEndOf2023) {
    s.primaestrazione = 1;
    s.ultimaestrazione = slotdi({2023, 12, 30});
    ASSERT_NE(s.ultimaestrazione, 0);
    ASSERT_TRUE(elabora(s));
    calcolaambi(s);
    EXPECT_EQ(s.ritardiambi[indiceambo(NAPOLI, 31, 66)], 1903);
    EXPECT_EQ(s.ritardiambi[indiceambo(MILANO, 31, 66)], 1775);
}

} // namespace
} // namespace bolv
