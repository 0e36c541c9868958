// The spans of the year view over a small archive that crosses two year ends.
#include "annoestrazioni.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

class Anni : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::prepara(s, cartella, ui);
        std::vector<prova::Estrazione> estrazioni;
        for (const Data& d : {Data{1998, 12, 30}, Data{1999, 1, 2}, Data{1999, 1, 6},
                              Data{1999, 12, 29}, Data{2000, 1, 1}, Data{2000, 1, 5}})
            estrazioni.push_back({d, {}});
        prova::scrivi(cartella / "archivio.dat", prova::immagine(estrazioni));
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        ASSERT_EQ(s.numestrazioni, 6);
    }
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
};

std::string testo(const std::optional<Annoestrazioni>& a) {
    if (!a) return "-";
    return std::to_string(a->inizio) + ".." + std::to_string(a->fine) + " '" +
           std::to_string(a->annovisualizzato);
}

TEST_F(Anni, SpansEndingOrStartingAtADraw) {
    struct Caso {
        int fine, inizio; // the draw given to annofinoa / annodalla
        const char *finoa, *dalla;
    };
    const Caso casi[] = {
        {6, 5, "5..6 '0", "5..6 '0"},   // the last year, year 00 included
        {4, 2, "2..4 '99", "2..4 '99"}, // a whole year
        {3, 3, "2..3 '99", "3..4 '99"}, // from or to a draw inside the year
        {1, 1, "1..1 '98", "1..1 '98"}, // the first draw: the walk stops at slot 1
        {0, 7, "-", "-"},               // outside the draws held
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(testo(annofinoa(s, c.fine)), c.finoa) << c.fine;
        EXPECT_EQ(testo(annodalla(s, c.inizio)), c.dalla) << c.inizio;
    }
}

TEST_F(Anni, SteppingBackAndForth) {
    // A window ending inside 1999: the rest of that year is reached as a span of its own.
    auto a = annofinoa(s, 3);
    EXPECT_EQ(testo(annoprecedente(s, *a)), "1..1 '98");
    EXPECT_EQ(testo(annoprecedente(s, *annoprecedente(s, *a))), "-");
    a = annosuccessivo(s, *a);
    EXPECT_EQ(testo(a), "4..4 '99");
    a = annosuccessivo(s, *a);
    EXPECT_EQ(testo(a), "5..6 '0");
    EXPECT_EQ(testo(annosuccessivo(s, *a)), "-");
}

TEST_F(Anni, AnEmptyArchiveHasNoSpan) {
    s.numestrazioni = 0;
    EXPECT_EQ(testo(annofinoa(s, s.ultimaestrazione)), "-");
    EXPECT_EQ(testo(annofinoa(s, 0)), "-");
    EXPECT_EQ(testo(annodalla(s, 1)), "-");
}

} // namespace
} // namespace bolv
