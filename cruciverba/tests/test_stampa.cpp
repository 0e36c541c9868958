// The listing's lines and positions, read from a recording printer.

#include "CalcoliCruciverbaStampa.h"
#include "StampanteRegistrata.h"

#include <gtest/gtest.h>

using namespace cruciverba;

namespace {

Griglia GrigliaDi(int righe, int colonne) {
    Griglia g;
    for (int r = 1; r <= righe; ++r)
        for (int c = 1; c <= colonne; ++c)
            g(r, c) = 10 * (r - 1) + c;
    return g;
}

struct Atteso {
    Operazione::Tipo tipo;
    int x, y;
    std::string testo;
    int punti;
    FontStyle stile;
};

} // namespace

// A 6 x 7 scheme on a page 4000 wide: with the recorder's metrics "E" is 6 x size wide and
// 10 x size high, so every position below can be worked out by hand.
TEST(StampaCruciverba, RigheEPosizioniDiUnaPagina) {
    StampanteRegistrata stampante;
    const Griglia g = GrigliaDi(6, 7);
    StampaCruciverba(stampante, g, 6, 7, "6 x 7 = 39.200 Lire");

    const int passo = 2 * 180 - 8; // a scheme line: twice the 18-point height, less 8
    const int xTitolo = (4000 - (19 + 11) * 108) / 2;
    const int xSchema = (4000 - 32 * 108) / 2;
    const int ySchema = 10 + 140 + 140 + 140 + passo;
    const int yFine = ySchema + 6 * passo;
    std::vector<Atteso> attesi = {
        {Operazione::Inizio, 0, 0, "Prospetto Cruciverba", 0, FontStyle::Regular},
        {Operazione::Testo, 0, 10, IntestazioneProspetto, 14, FontStyle::Bold},
        {Operazione::Linea, 0, 150, "", 0, FontStyle::Regular},
        {Operazione::Testo, 10, 150, RegolaProspetto, 14, FontStyle::Italic},
        {Operazione::Linea, 0, 290, "", 0, FontStyle::Regular},
        {Operazione::Testo, xTitolo, 430, "CRUCIVERBA 6 x 7 = 39.200 Lire", 18, FontStyle::Bold},
    };
    for (int r = 1; r <= 6; ++r)
        attesi.push_back({Operazione::Testo, xSchema, ySchema + (r - 1) * passo,
                          RigaSchema(g, r, 7), 18, FontStyle::Bold});
    const std::vector<Atteso> coda = {
        {Operazione::Linea, 0, yFine, "", 0, FontStyle::Regular},
        {Operazione::Testo, 0, yFine, GaranzieProspetto, 10, FontStyle::Regular},
        {Operazione::Testo, 0, yFine + 100, LicenzaProspetto, 10, FontStyle::Regular},
        {Operazione::Linea, 0, yFine + 200, "", 0, FontStyle::Regular},
        {Operazione::Testo, 0, yFine + 200, PiedeProspetto, 12, FontStyle::Italic},
        {Operazione::Fine, 0, 0, "", 12, FontStyle::Italic},
    };
    attesi.insert(attesi.end(), coda.begin(), coda.end());

    ASSERT_EQ(stampante.operazioni.size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) {
        const Operazione& o = stampante.operazioni[i];
        const Atteso& a = attesi[i];
        EXPECT_EQ(o.tipo, a.tipo) << i;
        EXPECT_EQ(o.y, a.y) << i;
        if (o.tipo == Operazione::Linea) {
            EXPECT_EQ(o.x, 0) << i;
            EXPECT_EQ(o.x2, 4000) << i;
            EXPECT_EQ(o.y2, a.y) << i;
            EXPECT_EQ(o.penna, 8) << i;
            continue;
        }
        EXPECT_EQ(o.x, a.x) << i;
        EXPECT_EQ(o.testo, a.testo) << i;
        if (o.tipo == Operazione::Testo) {
            EXPECT_EQ(o.punti, a.punti) << i;
            EXPECT_EQ(o.stile, a.stile) << i;
        }
    }
    // The scheme is in the fixed-pitch face; the header of the very first listing keeps the
    // printer's own face, the notices use the face the scheme leaves behind.
    EXPECT_EQ(stampante.operazioni[1].faccia, "iniziale");
    EXPECT_EQ(stampante.operazioni[6].faccia, "Courier New");
    EXPECT_EQ(stampante.operazioni[attesi.size() - 4].faccia, "Arial");
}

TEST(StampaCruciverba, IlSecondoProspettoEInArial) {
    StampanteRegistrata stampante;
    StampaCruciverba(stampante, GrigliaDi(6, 6), 6, 6, "6 x 6 = 9.600 Lire");
    stampante.operazioni.clear();
    StampaCruciverba(stampante, GrigliaDi(6, 6), 6, 6, "6 x 6 = 9.600 Lire");
    EXPECT_EQ(stampante.Di(Operazione::Testo).front().faccia, "Arial");
}

// The block of W two-character numbers with three blanks between them is centred; the three
// trailing blanks stand outside it.
TEST(StampaCruciverba, SchemaCentratoSuCinqueWMenoTreCaratteri) {
    for (int colonne = 6; colonne <= 10; ++colonne) {
        StampanteRegistrata stampante;
        StampaCruciverba(stampante, GrigliaDi(6, colonne), 6, colonne, "x");
        const auto testi = stampante.Di(Operazione::Testo);
        const int celle = 5 * colonne - 3;
        EXPECT_EQ(testi[3].x, (4000 - celle * 108) / 2) << colonne;
        EXPECT_EQ(testi[3].testo.size(), static_cast<size_t>(celle + 3)) << colonne;
    }
}

TEST(RigaSchema, NumeriSottoDieciConUnoSpazioDavanti) {
    Griglia g;
    const int32_t riga[] = {5, 12, 9, 90, 1, 10};
    for (int c = 1; c <= 6; ++c)
        g(1, c) = riga[c - 1];
    EXPECT_EQ(RigaSchema(g, 1, 6), " 5   12    9   90    1   10   ");
}

TEST(StampaCruciverba, Copie) {
    struct Caso {
        int copie;
        bool delDriver;
        size_t pagine;
    };
    const Caso casi[] = {{1, true, 1}, {2, true, 1}, {1, false, 1}, {2, false, 2}, {3, false, 3}};
    for (const Caso& c : casi) {
        StampanteRegistrata stampante;
        stampante.copie = c.copie;
        stampante.copieDelDriver = c.delDriver;
        StampaCruciverba(stampante, GrigliaDi(6, 6), 6, 6, "6 x 6 = 9.600 Lire");
        const size_t intestazioni =
            std::count_if(stampante.operazioni.begin(), stampante.operazioni.end(),
                          [](const Operazione& o) { return o.testo == IntestazioneProspetto; });
        EXPECT_EQ(intestazioni, c.pagine) << c.copie << " " << c.delDriver;
        EXPECT_EQ(stampante.Di(Operazione::NuovaPagina).size(), c.pagine - 1);
        EXPECT_EQ(stampante.Di(Operazione::Inizio).size(), 1u);
        EXPECT_EQ(stampante.Di(Operazione::Fine).size(), 1u);
        EXPECT_EQ(stampante.operazioni.back().tipo, Operazione::Fine);
    }
}
