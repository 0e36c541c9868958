// The situation by delay: the rows of a six-draw archive (a wheel missing from a draw, a
// number drawn again, the red numbers), the anomaly marking at its boundaries and the report.
#include "elabora.h"
#include "situazione.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace bolv {
namespace {

using prova::Estrazione;
using Cinque = std::array<int, 5>;

// Bari: 10..14, 20..24, 30..34, then 10 again with 41..44, not drawn at draw 5, 60..64.
// Every other wheel draws 1..5 each time.
std::vector<Estrazione> seiestrazioni() {
    const Cinque bari[] = {{10, 11, 12, 13, 14}, {20, 21, 22, 23, 24}, {30, 31, 32, 33, 34},
                           {10, 41, 42, 43, 44}, {0, 0, 0, 0, 0},      {60, 61, 62, 63, 64}};
    std::vector<Estrazione> estrazioni;
    for (int d = 1; d <= 6; ++d) {
        Estrazione e{Data::normalizzata(1939, 1, 7 * d), {}};
        e.ruote.fill({1, 2, 3, 4, 5});
        e.ruote[0] = bari[d - 1];
        estrazioni.push_back(e);
    }
    return estrazioni;
}

class Situ : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::prepara(s, cartella, ui);
        prova::scrivi(cartella / "archivio.dat", prova::immagine(seiestrazioni()));
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        s.avvioincorso = false;
        ui.progressi.clear();
    }
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
};

Cinque bari(const Situazione& sit, int d) {
    Cinque r{};
    for (int p = 0; p < 5; ++p)
        r[p] = sit.numeri[d][p];
    return r;
}

TEST_F(Situ, EveryNumberInTheRowOfItsLastDraw) {
    const Situazione sit = riempisitu(s);
    // Numbers never drawn on the other wheels wait for all six draws.
    EXPECT_EQ(sit.ritardomassimo, 6);
    ASSERT_EQ(sit.numeri.size(), 7u);
    struct Caso {
        int d;
        Cinque numeri;
        bool rossi;
    };
    const Caso casi[] = {
        {0, {60, 61, 62, 63, 64}, false}, {1, {0, 0, 0, 0, 0}, false}, // Bari not drawn
        {2, {10, 41, 42, 43, 44}, false}, // delay 1 on Bari, one row lower
        {3, {30, 31, 32, 33, 34}, false}, // delay equal to the historical maximum
        {4, {20, 21, 22, 23, 24}, true},  // delay 3 over a maximum of 1
        {5, {0, 11, 12, 13, 14}, true},   // 10 came out again
        {6, {0, 0, 0, 0, 0}, false},      // before the first draw of the archive
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.d);
        EXPECT_EQ(bari(sit, c.d), c.numeri);
        for (int p = 0; p < 5; ++p)
            EXPECT_EQ(sit.rossi[c.d][p], c.rossi && c.numeri[p] != 0);
    }
    for (int w = 2; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p) {
            EXPECT_EQ(sit.numeri[0][5 * (w - 1) + p - 1], p);
            for (int d = 1; d <= 6; ++d)
                EXPECT_EQ(sit.numeri[d][5 * (w - 1) + p - 1], 0);
        }
    EXPECT_EQ(ui.progressi.front(), 0);
    EXPECT_EQ(ui.progressi.back(), 100);
    EXPECT_TRUE(std::is_sorted(ui.progressi.begin(), ui.progressi.end()));
}

TEST_F(Situ, AWindowEndingEarlierShowsItsOwnLastDraw) {
    s.ultimaestrazione = 4;
    ASSERT_TRUE(elabora(s));
    const Situazione sit = riempisitu(s);
    EXPECT_EQ(bari(sit, 0), (Cinque{10, 41, 42, 43, 44}));
    EXPECT_EQ(bari(sit, 3), (Cinque{0, 11, 12, 13, 14}));
}

// A table of rows rows whose first pieni rows hold quanti numbers on Bari, nothing else.
Situazione tabella(int rows, int pieni, int quanti) {
    Situazione sit;
    sit.numeri.assign(rows, {});
    sit.rossi.assign(rows, {});
    int n = 1;
    for (int d = 0; d < pieni; ++d)
        for (int p = 0; p < quanti; ++p)
            sit.numeri[d][p] = static_cast<uint8_t>(n++);
    return sit;
}

TEST(Critici, MarksTheRowAfterTheCountAtItsBoundaries) {
    // floor(attesi(i)) for i = 1..7: 84 (the ratio in single precision), 80, 75, 71, 67, 63, 60.
    EXPECT_EQ(std::floor(attesi(1)), 84);
    EXPECT_EQ(std::floor(attesi(5)), 67);
    struct Caso {
        const char* nome;
        int righe, pieni, quanti, modo, grado;
        std::vector<int> marcate; // rows of Bari marked
    };
    const Caso casi[] = {
        {"86 over 84 is an excess", 2, 1, 4, 1, 0, {1}},
        {"85 over 84 is not", 2, 1, 5, 1, 0, {}},
        {"a higher degree needs more", 2, 1, 4, 1, 1, {}},
        {"87 at degree 1", 2, 1, 3, 1, 1, {1}},
        {"shortage from 65 under 67", 7, 6, 5, 2, 0, {5, 6}},
        {"shortage at degree 1", 7, 6, 5, 2, 1, {6}},
        {"no shortage at degree 2", 7, 6, 5, 2, 2, {}},
        {"nothing with Nessuna", 3, 0, 0, 0, 0, {}},
        {"the last row marks nothing after it", 2, 0, 0, 1, 4, {1}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto segni = critici(tabella(c.righe, c.pieni, c.quanti), c.modo, c.grado);
        ASSERT_EQ(segni.size(), size_t(c.righe));
        const Anomalia attesa = c.modo == 2 ? Anomalia::carenza : Anomalia::eccesso;
        for (int d = 0; d < c.righe; ++d) {
            const bool marcata =
                std::find(c.marcate.begin(), c.marcate.end(), d) != c.marcate.end();
            EXPECT_EQ(segni[d][0], marcata ? attesa : Anomalia::nessuna) << d;
        }
    }
}

TEST_F(Situ, TheReportLinesUpEveryCell) {
    const Situazione sit = riempisitu(s);
    const auto linee = reportsitu(cellesitu(sit, s.nomiruote), "11.02.1939");
    std::ifstream golden(BOLV_TESTS_DIR "/situazione.txt", std::ios::binary);
    ASSERT_TRUE(golden);
    std::vector<std::string> attese;
    for (std::string l; std::getline(golden, l);)
        attese.push_back(l);
    EXPECT_EQ(linee, attese);
    for (const std::string& l : linee)
        EXPECT_LE(l.size(), 129u);
}

} // namespace
} // namespace bolv
