// Finding a draw in the archive browser: the step buttons at the ends of the range, the
// date read at fixed places and searched in three forward stages, and the typed number.
#include "ricercaestrazioni.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

TEST(Passo, TheStepButtonsStayWithinTheRange) {
    struct Caso {
        int p, indice, atteso;
    };
    // prima 10, ultima 200.
    const Caso casi[] = {
        {10, 0, 10},   {11, 0, 10},   {200, 0, 199}, {10, 1, 10},   {60, 1, 10},
        {61, 1, 11},   {200, 1, 150}, {200, 2, 200}, {151, 2, 200}, {150, 2, 200},
        {149, 2, 199}, {10, 2, 60},   {200, 3, 200}, {199, 3, 200}, {10, 3, 11},
    };
    for (const Caso& k : casi)
        EXPECT_EQ(passo(k.p, k.indice, 10, 200), k.atteso) << k.p << " button " << k.indice;
}

// Draws of 1890 and 1990 with gaps between them.
Stato archivio() {
    Stato s;
    const Data date[] = {{1890, 1, 6}, {1890, 1, 10}, {1890, 2, 3},  {1890, 12, 20},
                         {1990, 1, 2}, {1990, 1, 6},  {1990, 2, 28}, {1990, 3, 2}};
    for (int d = 1; d <= 8; ++d)
        s.dateestrazioni[d] = date[d - 1];
    s.numestrazioni = 8;
    s.primaestrazione = 1;
    return s;
}

TEST(Vaiadata, TheDateIsReadAtFixedPlacesAndSearchedForward) {
    const Stato s = archivio();
    struct Caso {
        const char* risposta;
        int atteso; // the slot; 0 not found, -1 not a date
    };
    const Caso casi[] = {
        {"06/01/1890", 1}, {"06-01-1890", 1}, {"06.01.1890", 1},
        {"01/02/1890", 3}, {"06/01/90", 5}, // two digits: 1990; the 2nd is within 4 days
        {"06/01/1990", 5}, {"10/01/1990", 6}, {"1/1/1890", 0}, // one-digit fields are misread
        {"25/01/1890", 7}, // the day stage runs on into later months and years
        {"31/02/1990", 7}, // accepted, and searched with day 31
        {"15/06/1990", 0}, {"01/01/1950", 0}, {"01/13/9999", -1},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.risposta);
        const auto data = leggidatacercata(k.risposta);
        ASSERT_EQ(data.has_value(), k.atteso >= 0);
        if (data) {
            EXPECT_EQ(cercadata(s, *data), k.atteso);
        }
    }
    // Days or months beyond their range are kept for the search.
    const auto febbraio = leggidatacercata("31/02/1990");
    EXPECT_EQ(febbraio->giorno, 31);
    EXPECT_EQ(febbraio->mese, 2);
}

TEST(Vaiadata, TheSearchStartsAtTheFirstDrawAnalysed) {
    Stato s = archivio();
    s.primaestrazione = 2;
    EXPECT_EQ(cercadata(s, {6, 1, 1890}), 2);
    s.primaestrazione = 5;
    EXPECT_EQ(cercadata(s, {6, 1, 1890}), 0);
}

TEST(Vainumero, AValueOutsideTheRangeGivesItsMessages) {
    Stato s = archivio();
    s.primaestrazione = 3;
    const std::string prima = "Valore non compreso nell'intervallo indicato.\rNon si possono "
                              "visualizzare estrazioni precedenti a quella settata come iniziale.";
    const std::string negativo = "E' stato inserito un valore negativo.";
    const std::string oltre =
        "E' stato inserito un valore che eccede il numero di estrazioni memorizzate.";
    struct Caso {
        const char* risposta;
        int slot;
        std::vector<std::string> messaggi;
    };
    const Caso casi[] = {
        {"8", 8, {}},
        {"3", 3, {}},
        {" 5abc", 5, {}},
        {"5.5", 6, {}},
        {"2", 0, {prima}},
        {"0", 0, {prima, negativo}},
        {"abc", 0, {prima, negativo}},
        {"-1", 0, {prima, negativo}},
        {"9", 0, {oltre}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.risposta);
        const Esitonumero e = cercanumero(s, k.risposta);
        EXPECT_EQ(e.slot, k.slot);
        EXPECT_EQ(e.messaggi, k.messaggi);
    }
}

} // namespace
} // namespace bolv
