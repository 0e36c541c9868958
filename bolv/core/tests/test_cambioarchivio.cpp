// The one road of every change to the draws: written first, then announced, the data
// windows closed and everything recomputed; a change that could not be written leaves the
// file and the draws in memory as they were and recomputes nothing.
#include "archivio.h"
#include "cambioarchivio.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace bolv {
namespace {

class Cambioarchivio : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::prepara(s, cartella, ui);
        immagine = prova::immagine(prova::casuali(40, 3, 0));
        prova::scrivi(cartella / "archivio.dat", immagine);
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        s.avvioincorso = false;
        ui.chiamate.clear();
    }
    // The first number of Bari in draw 40 becomes n.
    Scritturaarchivio cambianumero(int n) {
        return modificaestrazioni([n](Stato& st) { st.estr(40, 1, 1) = static_cast<int16_t>(n); });
    }
    Annuncio annuncio() {
        return [this](Stato&) { ui.chiamate.push_back("annuncio"); };
    }

    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    std::vector<uint8_t> immagine;
};

TEST_F(Cambioarchivio, WritesThenAnnouncesClosesAndRecomputes) {
    const int altro = s.estr(40, 1, 1) == 90 ? 89 : 90;
    const bool distinto = s.estr(40, 1, 2) != altro && s.estr(40, 1, 3) != altro &&
                          s.estr(40, 1, 4) != altro && s.estr(40, 1, 5) != altro;
    ASSERT_TRUE(distinto);
    ASSERT_TRUE(cambiaarchivio(s, cambianumero(altro), annuncio()));
    EXPECT_EQ(prova::leggi(cartella / "archivio.dat")[indicearchivio(40, 1, 1)], altro);
    EXPECT_EQ(s.estr(40, 1, 1), altro);
    // The announcement before the data windows close, then the full recomputation, which
    // closes them again at its end.
    const auto& c = ui.chiamate;
    const auto posto = [&](const std::string& chiamata) {
        return std::find(c.begin(), c.end(), chiamata) - c.begin();
    };
    EXPECT_LT(posto("annuncio"), posto("chiudianalisi"));
    EXPECT_LT(posto("chiudianalisi"), posto("disattivaambiterni"));
    EXPECT_EQ(std::count(c.begin(), c.end(), "chiudianalisi"), 2);
    EXPECT_NE(std::find(c.begin(), c.end(), "aggiornastato"), c.end());
}

TEST_F(Cambioarchivio, AChangeThatCannotBeWrittenIsUndone) {
    struct Caso {
        const char* perche;
        int numero;         // the new first number of Bari in draw 40
        int modo;           // modoestrazioni
        bool senzacartella; // the program folder is gone
    };
    const Caso casi[] = {
        {"a number above 90", 91, 0, false},
        {"a weekday mode", 45, 1, false},
        {"an unwritable folder", 45, 0, true},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.perche);
        SetUp();
        const auto estrazioni = s.estrazioni;
        s.modoestrazioni = k.modo;
        if (k.senzacartella) s.cartellaprogramma = (cartella / "non-esiste").string();
        EXPECT_FALSE(cambiaarchivio(s, cambianumero(k.numero), annuncio()));
        EXPECT_EQ(s.estrazioni, estrazioni);
        EXPECT_EQ(prova::leggi(cartella / "archivio.dat"), immagine);
        EXPECT_EQ(ui.contaavvisi(), 1); // the reason, told once
        for (const char* chiamata : {"annuncio", "chiudianalisi", "disattivaambiterni"})
            EXPECT_EQ(std::count(ui.chiamate.begin(), ui.chiamate.end(), chiamata), 0) << chiamata;
    }
}

// The restore's road: the file replaced by the caller's writing, the draws in memory then
// read from it.
TEST_F(Cambioarchivio, AWritingOfTheCallerIsReadBack) {
    auto nuova = prova::immagine(prova::casuali(25, 9, 0));
    const auto copia = [&](Stato& st) {
        prova::scrivi(st.percorso("archivio.dat"), nuova);
        return true;
    };
    ASSERT_TRUE(cambiaarchivio(s, copia));
    EXPECT_EQ(s.numestrazioni, 25);
    EXPECT_EQ(s.archiviofile, nuova);
}

} // namespace
} // namespace bolv
