// The archive browser's edits of the draws: moves and swaps written once with the end of
// the archive kept, deletions in the middle and at the end (and from a full archive),
// redating from the three typed answers, the typed slot numbers, and nothing written in a
// weekday mode.
#include "archivio.h"
#include "editazione.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bolv {
namespace {

class Editazione : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::prepara(s, cartella, ui);
        immagine = prova::immagine(prova::casuali(10, 7, 0));
        prova::scrivi(cartella / "archivio.dat", immagine);
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        s.avvioincorso = false;
        ui.chiamate.clear();
    }
    // The date and numbers of slot d in a file image.
    static std::vector<uint8_t> slot(const std::vector<uint8_t>& img, int d) {
        std::vector<uint8_t> v;
        for (int r = 0; r <= 10; ++r)
            for (int p = 1; p <= (r == 0 ? 4 : 5); ++p)
                v.push_back(img[indicearchivio(d, r, p)]);
        return v;
    }
    // The file holds the original draws in the order given, then the end of the archive.
    void controllaordine(const std::vector<int>& ordine) {
        const auto file = prova::leggi(cartella / "archivio.dat");
        for (size_t i = 0; i < ordine.size(); ++i)
            EXPECT_EQ(slot(file, int(i) + 1), slot(immagine, ordine[i])) << "slot " << i + 1;
        const int fine = int(ordine.size()) + 1;
        EXPECT_EQ(file[indicearchivio(fine, 0, 1)], 0);
        EXPECT_EQ(slot(file, fine), slot(std::vector<uint8_t>(DIMARCHIVIO, 0), 1));
        EXPECT_EQ(s.numestrazioni, int(ordine.size()));
    }
    int scritture() const {
        return int(std::count(ui.chiamate.begin(), ui.chiamate.end(),
                              "mostramessaggio:Scrittura archivio..."));
    }

    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    std::vector<uint8_t> immagine;
};

TEST_F(Editazione, SwapsAndMovesAreWrittenOnceWithTheEndKept) {
    struct Caso {
        const char* cosa;
        bool scambio;
        int a, b;
        std::vector<int> ordine;
    };
    const Caso casi[] = {
        {"swap 2 and 7", true, 2, 7, {1, 7, 3, 4, 5, 6, 2, 8, 9, 10}},
        {"swap first and last", true, 10, 1, {10, 2, 3, 4, 5, 6, 7, 8, 9, 1}},
        {"swap with itself", true, 4, 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"move 10 to 5", false, 10, 5, {1, 2, 3, 4, 10, 5, 6, 7, 8, 9}},
        {"move 5 to 10", false, 5, 10, {1, 2, 3, 4, 6, 7, 8, 9, 10, 5}},
        {"move 1 to 2", false, 1, 2, {2, 1, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"move to its own place", false, 3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.cosa);
        SetUp();
        const int a = k.a, b = k.b;
        const auto modifica =
            k.scambio ? std::function<void(Stato&)>([=](Stato& st) { scambiaestrazioni(st, a, b); })
                      : [=](Stato& st) { spostaestrazione(st, a, b); };
        ASSERT_TRUE(cambiaarchivio(s, modificaestrazioni(modifica)));
        EXPECT_EQ(scritture(), 1);
        controllaordine(k.ordine);
    }
}

TEST_F(Editazione, ADeletionClosesUpTheLaterDraws) {
    for (int c : {4, 10, 1}) {
        SCOPED_TRACE(c);
        SetUp();
        std::vector<int> ordine;
        for (int d = 1; d <= 10; ++d)
            if (d != c) ordine.push_back(d);
        ASSERT_TRUE(cambiaarchivio(s, scritturacancellazione(c)));
        EXPECT_EQ(scritture(), 1);
        controllaordine(ordine);
    }
}

TEST_F(Editazione, ADeletionMovesDatesAndDelaysAndEmptiesTheLastSlot) {
    Stato pieno;
    for (int d = 1; d <= NUMSLOT; ++d) {
        pieno.estr(d, 0, 1) = static_cast<int16_t>(d % 28 + 1);
        pieno.estr(d, 1, 1) = static_cast<int16_t>(d % 90 + 1);
        pieno.ritardiuscita[indicearchivio(d, 1, 1)] = static_cast<int16_t>(d % 200);
        pieno.dateestrazioni[d] = Data::normalizzata(1900, 1, d);
    }
    cancellaestrazione(pieno, 7000);
    EXPECT_EQ(pieno.estr(6999, 1, 1), 6999 % 90 + 1);
    EXPECT_EQ(pieno.estr(7000, 1, 1), 7001 % 90 + 1);
    EXPECT_EQ(pieno.ritardiuscita[indicearchivio(7000, 1, 1)], 7001 % 200);
    EXPECT_EQ(pieno.dateestrazioni[7999], Data::normalizzata(1900, 1, 8000));
    EXPECT_EQ(pieno.estr(7999, 0, 1), 8000 % 28 + 1);
    // The last slot is emptied, not left holding the last draw a second time.
    EXPECT_EQ(pieno.estr(NUMSLOT, 0, 1), 0);
    EXPECT_EQ(pieno.estr(NUMSLOT, 1, 1), 0);
    EXPECT_EQ(pieno.ritardiuscita[indicearchivio(NUMSLOT, 1, 1)], 0);
}

TEST_F(Editazione, AFailedDeletionLeavesMemoryAndFileAsTheyWere) {
    const auto estrazioni = s.estrazioni;
    const auto ritardi = s.ritardiuscita;
    s.cartellaprogramma = (cartella / "non-esiste").string();
    EXPECT_FALSE(cambiaarchivio(s, scritturacancellazione(3)));
    EXPECT_EQ(s.estrazioni, estrazioni);
    EXPECT_EQ(s.ritardiuscita, ritardi);
    EXPECT_EQ(prova::leggi(cartella / "archivio.dat"), immagine);
    EXPECT_EQ(ui.contaavvisi(), 1);
}

TEST_F(Editazione, NothingIsWrittenInAWeekdayMode) {
    s.modoestrazioni = 1;
    EXPECT_FALSE(archiviomodificabile(s));
    EXPECT_EQ(ui.contaavvisi(), 1);
    const Scritturaarchivio modifiche[] = {
        scritturacancellazione(2),
        modificaestrazioni([](Stato& st) { scambiaestrazioni(st, 1, 2); }),
        modificaestrazioni([](Stato& st) { spostaestrazione(st, 1, 2); }),
        modificaestrazioni([](Stato&) {}),
    };
    for (const auto& scrivi : modifiche)
        EXPECT_FALSE(cambiaarchivio(s, scrivi));
    EXPECT_EQ(scritture(), 0);
    EXPECT_EQ(prova::leggi(cartella / "archivio.dat"), immagine);
    s.modoestrazioni = 0;
    EXPECT_TRUE(archiviomodificabile(s));
}

TEST(Nuovadata, TheThreeAnswersMakeADateOrNothing) {
    struct Caso {
        const char *giorno, *mese, *anno;
        std::optional<Data> attesa;
    };
    const Caso casi[] = {
        {"12", "3", "2001", Data{2001, 3, 12}},
        {"5", "6", "97", Data{1997, 6, 5}},
        {" 29", "2", "2000", Data{2000, 2, 29}},
        {"1", "1", "1870", Data{1870, 1, 1}},
        {"", "3", "2001", std::nullopt}, // a cancelled prompt
        {"12", "3", "", std::nullopt},
        {"0", "3", "2001", std::nullopt}, // would end the archive here
        {"abc", "3", "2001", std::nullopt},
        {"31", "2", "1990", std::nullopt},
        {"29", "2", "1900", std::nullopt},
        {"1", "13", "1990", std::nullopt},
        {"1", "0", "1990", std::nullopt},
        {"1", "1", "1869", std::nullopt},
        {"-1", "1", "1990", std::nullopt},
        {"1", "1", "99999", std::nullopt},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(std::string(k.giorno) + "/" + k.mese + "/" + k.anno);
        EXPECT_EQ(nuovadata(k.giorno, k.mese, k.anno), k.attesa);
    }
}

TEST_F(Editazione, ARedatedDrawIsWrittenWithItsCentury) {
    const Data nuova{2001, 3, 12};
    ASSERT_TRUE(
        cambiaarchivio(s, modificaestrazioni([&](Stato& st) { ridataestrazione(st, 10, nuova); })));
    const auto file = prova::leggi(cartella / "archivio.dat");
    EXPECT_EQ(file[indicearchivio(10, 0, 1)], 12);
    EXPECT_EQ(file[indicearchivio(10, 0, 2)], 3);
    EXPECT_EQ(file[indicearchivio(10, 0, 3)], 1);
    EXPECT_EQ(file[indicearchivio(10, 0, 4)], 20);
    EXPECT_EQ(s.dateestrazioni[10], nuova);
}

TEST(Slotdigitato, OnlySlotsOfTheAnalysisWindowAreTaken) {
    Stato s;
    s.primaestrazione = 3;
    s.numestrazioni = 10;
    const std::pair<const char*, std::optional<int>> casi[] = {
        {"3", 3},
        {"10", 10},
        {" 7abc", 7},
        {"4.5", 4},
        {"5.5", 6},
        {"2", std::nullopt},
        {"11", std::nullopt},
        {"", std::nullopt},
        {"-4", std::nullopt},
        {"2.9", std::nullopt},
    };
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(slotdigitato(s, testo), atteso) << testo;
}

} // namespace
} // namespace bolv
