// The scheme generator against a plain, slow reading of its rules: the program's version keeps
// counts and skips hopeless partner searches in one jump, and must still give the very same
// grid and leave the random state at the very same place.

#include "CalcoliCruciverba.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace cruciverba;

namespace {

NumeriInGioco Numeri(const std::vector<int32_t>& scelti) {
    NumeriInGioco numeri{};
    std::copy(scelti.begin(), scelti.end(), numeri.begin());
    return numeri;
}

std::vector<int32_t> Da1A(int n) {
    std::vector<int32_t> v(static_cast<size_t>(n));
    std::iota(v.begin(), v.end(), 1);
    return v;
}

// The grid by rows, or transposed by columns, so that one literal repair serves both.
int32_t& Cella(Griglia& g, bool perColonne, int linea, int posizione) {
    return perColonne ? g(posizione, linea) : g(linea, posizione);
}

bool NellaLinea(Griglia& g, bool perColonne, int linea, int lunghezza, int32_t v) {
    for (int i = 1; i <= lunghezza; ++i)
        if (Cella(g, perColonne, linea, i) == v) return true;
    return false;
}

// A repeat within a line as worded: partner lines are drawn one by one, each checked by
// scanning both lines, at most 101 draws, and the last one drawn is taken.
void CorreggiLetterale(Griglia& g, bool perColonne, int linee, int lunghezza, int linea,
                       int posizione, Casuale& rnd) {
    const int32_t v = Cella(g, perColonne, linea, posizione);
    int altra = 0;
    for (int estrazioni = 1;; ++estrazioni) {
        altra = static_cast<int>(rnd.Random(linee - linea)) + linea + 1;
        const bool va =
            !NellaLinea(g, perColonne, altra, lunghezza, v) &&
            !NellaLinea(g, perColonne, linea, lunghezza, Cella(g, perColonne, altra, posizione));
        if (va || estrazioni == 101) break;
    }
    std::swap(Cella(g, perColonne, linea, posizione), Cella(g, perColonne, altra, posizione));
}

void CorreggiDoppioniLetterale(Griglia& g, int H, int W, Casuale& rnd) {
    for (int r = 1; r <= H - 1; ++r)
        for (int c = 1; c <= W - 1; ++c) {
            for (int c2 = c + 1; c2 <= W; ++c2)
                if (g(r, c2) == g(r, c)) CorreggiLetterale(g, false, H, W, r, c, rnd);
            for (int r3 = r + 1; r3 <= H; ++r3)
                if (g(r3, c) == g(r, c)) CorreggiLetterale(g, true, W, H, c, r, rnd);
        }
}

struct Letterale {
    Griglia griglia;
    bool valido;
    uint32_t seme;
};

// The whole generator as worded.
Letterale GeneraLetterale(const NumeriInGioco& numeri, int W, int H) {
    Casuale rnd{1717};
    Griglia g;
    int n = 0;
    for (int32_t x : numeri)
        n += (x >= 1 && x <= 90);
    const int celle = H * W;
    bool valido = false;
    for (int tentativo = 1; tentativo <= 10 && !valido; ++tentativo) {
        g.Svuota();
        const int quota = celle / n;
        int p = 0;
        for (int k = 1; k <= n; ++k)
            for (int q = 0; q < quota; ++q, ++p)
                g(p % H + 1, p / H + 1) = numeri[k - 1];
        for (; p < celle; ++p)
            g(p % H + 1, p / H + 1) = numeri[rnd.Random(n)];
        for (int i = 0; i < celle * 1000; ++i)
            ScambiaCelle(g, H, W, rnd);
        for (int passo = 1; passo <= 1001 && !valido; ++passo) {
            for (int i = 0; i < 1000; ++i)
                ScambiaCelle(g, H, W, rnd);
            CorreggiDoppioniLetterale(g, H, W, rnd);
            valido = SchemaValido(g, H, W);
        }
    }
    return {g, valido, rnd.stato};
}

int Presenze(const Griglia& g, int H, int W, int32_t x) {
    int volte = 0;
    for (int r = 1; r <= H; ++r)
        for (int c = 1; c <= W; ++c)
            volte += g(r, c) == x;
    return volte;
}

} // namespace

TEST(Casuale, SaltoDiCentoEstrazioniComeCentoEstrazioni) {
    Casuale saltato{1717}, estratto{1717};
    saltato.Salta100();
    for (int i = 0; i < 100; ++i)
        estratto.Random(7);
    EXPECT_EQ(saltato.stato, estratto.stato);
}

TEST(Casuale, PrimeEstrazioniDalSeme1717) {
    Casuale c{1717};
    // 1717 x 134775813 + 1 = 231410070922 = 53 x 2^32 + 3776804234.
    EXPECT_EQ(c.Random(1000), 3776804234ull * 1000 >> 32);
    EXPECT_EQ(c.stato, 3776804234u);
    Casuale r{1717};
    EXPECT_DOUBLE_EQ(r.Reale(), 3776804234.0 / 4294967296.0);
}

// Grids filled at random with few or many distinct values, so that partner searches both find
// partners and fail all 101 draws.
TEST(CorreggiDoppioni, ComeLaLetturaPianaDelleRegole) {
    struct Caso {
        int righe, colonne, valori;
    };
    const Caso casi[] = {{6, 6, 3},   {6, 6, 10},   {6, 10, 5}, {10, 7, 8},
                         {10, 10, 9}, {10, 10, 40}, {8, 8, 15}, {7, 9, 90}};
    for (const Caso& caso : casi)
        for (uint32_t seme = 1; seme <= 40; ++seme) {
            Casuale riempi{seme * 7919u};
            Griglia g;
            for (int r = 1; r <= caso.righe; ++r)
                for (int c = 1; c <= caso.colonne; ++c)
                    g(r, c) = static_cast<int32_t>(riempi.Random(caso.valori)) + 1;
            Griglia attesa = g;
            Casuale a{seme}, b{seme};
            CorreggiDoppioni(g, caso.righe, caso.colonne, a);
            CorreggiDoppioniLetterale(attesa, caso.righe, caso.colonne, b);
            ASSERT_EQ(g, attesa) << caso.righe << "x" << caso.colonne << " seme " << seme;
            ASSERT_EQ(a.stato, b.stato) << caso.righe << "x" << caso.colonne << " seme " << seme;
        }
}

TEST(SchemaValido, DoppioniInRigaOColonna) {
    Griglia g;
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            g(r, c) = (r + c) % 6 + 1; // a Latin square
    EXPECT_TRUE(SchemaValido(g, 6, 6));
    Griglia riga = g;
    riga(3, 6) = riga(3, 1);
    EXPECT_FALSE(SchemaValido(riga, 6, 6));
    Griglia colonna = g;
    colonna(6, 4) = colonna(1, 4);
    EXPECT_FALSE(SchemaValido(colonna, 6, 6));
    // Cells outside the scheme's size do not count.
    Griglia fuori = g;
    fuori(7, 1) = fuori(1, 1);
    EXPECT_TRUE(SchemaValido(fuori, 6, 6));
}

struct CasoLetterale {
    const char* nome;
    std::vector<int32_t> numeri;
    int righe, colonne;
    EsitoGenerazione esito;
};

void PrintTo(const CasoLetterale& c, std::ostream* os) {
    *os << c.nome;
}

class GeneraComeLetterale : public testing::TestWithParam<CasoLetterale> {};

TEST_P(GeneraComeLetterale, StessaGrigliaStessoStatoCasuale) {
    const CasoLetterale& caso = GetParam();
    const NumeriInGioco numeri = Numeri(caso.numeri);
    const Generazione g = GeneraCruciverba(numeri, caso.colonne, caso.righe);
    const Letterale attesa = GeneraLetterale(numeri, caso.colonne, caso.righe);
    EXPECT_EQ(attesa.valido, caso.esito != EsitoGenerazione::Fallito);
    EXPECT_EQ(g.esito, caso.esito);
    EXPECT_EQ(g.griglia, attesa.griglia);
    EXPECT_EQ(RandSeed, attesa.seme);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, GeneraComeLetterale,
    testing::Values(CasoLetterale{"DieciNumeriSu6x6",
                                  {3, 8, 14, 22, 35, 41, 56, 67, 78, 90},
                                  6,
                                  6,
                                  EsitoGenerazione::Completo},
                    CasoLetterale{"Da1A36Su6x6", Da1A(36), 6, 6, EsitoGenerazione::Completo},
                    CasoLetterale{"QuarantaNumeriSu6x6", Da1A(40), 6, 6,
                                  EsitoGenerazione::NumeriMancanti},
                    CasoLetterale{"QuindiciNumeriSu8x8",
                                  {2, 5, 9, 11, 17, 23, 30, 38, 44, 51, 60, 69, 73, 84, 88},
                                  8,
                                  8,
                                  EsitoGenerazione::Completo},
                    CasoLetterale{"VentiNumeriSu7x10", Da1A(20), 7, 10, EsitoGenerazione::Completo},
                    CasoLetterale{"DodiciNumeriSu7x10", Da1A(12), 7, 10, EsitoGenerazione::Fallito},
                    CasoLetterale{"NoveNumeriSu10x10", Da1A(9), 10, 10, EsitoGenerazione::Fallito}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(GeneraCruciverba, Da1A36OgniNumeroUnaVolta) {
    const Generazione g = GeneraCruciverba(Numeri(Da1A(36)), 6, 6);
    for (int32_t x = 1; x <= 36; ++x)
        EXPECT_EQ(Presenze(g.griglia, 6, 6, x), 1) << x;
}

TEST(GeneraCruciverba, DieciNumeriSu6x6QuotaTreEPoiCaso) {
    const Generazione g = GeneraCruciverba(Numeri(Da1A(10)), 6, 6);
    int totale = 0;
    for (int32_t x = 1; x <= 10; ++x) {
        EXPECT_GE(Presenze(g.griglia, 6, 6, x), 3) << x;
        totale += Presenze(g.griglia, 6, 6, x);
    }
    EXPECT_EQ(totale, 36);
}

TEST(GeneraCruciverba, StessoInputStessaGriglia) {
    const NumeriInGioco numeri = Numeri({4, 9, 13, 27, 31, 45, 52, 66, 70, 81, 89});
    const Generazione prima = GeneraCruciverba(numeri, 7, 6);
    GeneraCruciverba(Numeri(Da1A(20)), 9, 9); // another run in between changes nothing
    const Generazione seconda = GeneraCruciverba(numeri, 7, 6);
    EXPECT_EQ(prima.griglia, seconda.griglia);
    EXPECT_EQ(prima.esito, seconda.esito);
}

// Fewer numbers than a line is long: no grid can exist; ten attempts run, each followed by a
// message pump, and the last attempt stays in the grid.
TEST(GeneraCruciverba, TroppiPochiNumeriFallisceDopoDieciTentativi) {
    struct Caso {
        std::vector<int32_t> numeri;
        int righe, colonne;
    };
    const Caso casi[] = {{{1, 2, 3, 4, 5}, 6, 6}, {Da1A(9), 10, 10}, {Da1A(7), 6, 8}};
    for (const Caso& caso : casi) {
        int pompe = 0;
        const Generazione g =
            GeneraCruciverba(Numeri(caso.numeri), caso.colonne, caso.righe, [&] { ++pompe; });
        EXPECT_EQ(g.esito, EsitoGenerazione::Fallito);
        EXPECT_EQ(pompe, 1 + 10);
        EXPECT_NE(g.griglia(1, 1), 0);
    }
}

TEST(GeneraCruciverba, NessunNumeroFallisceSenzaDividerePerZero) {
    int pompe = 0;
    const Generazione g = GeneraCruciverba(NumeriInGioco{}, 6, 6, [&] { ++pompe; });
    EXPECT_EQ(g.esito, EsitoGenerazione::Fallito);
    EXPECT_EQ(g.griglia, Griglia{});
    EXPECT_EQ(pompe, 1);
}

TEST(NumeroCombinazioni, Valori) {
    struct Caso {
        uint8_t n, k;
        int32_t atteso;
    };
    const Caso casi[] = {{6, 6, 1},         {7, 6, 7},           {8, 6, 28},         {9, 6, 84},
                         {10, 6, 210},      {5, 6, 1},           {90, 6, 622614630}, {10, 2, 45},
                         {90, 5, 43949268}, {90, 45, 2147483647}};
    for (const Caso& c : casi)
        EXPECT_EQ(NumeroCombinazioni(c.n, c.k), c.atteso) << +c.n << "," << +c.k;
}

// Every item's text reads "H x W = price Lire", the price being 800 lire per combination played.
TEST(TabellaSchemi, TestiERighePerColonneConIlPrezzo) {
    EXPECT_STREQ(TabellaSchemi[0].testo, "Scegli il cruciverba !");
    for (int i = 1; i <= NumeroSchemi; ++i) {
        const VoceSchema& v = TabellaSchemi[static_cast<size_t>(i)];
        const int64_t prezzo = 800LL * (v.righe * NumeroCombinazioni(v.colonne, 6) +
                                        v.colonne * NumeroCombinazioni(v.righe, 6));
        std::string cifre = std::to_string(prezzo), migliaia;
        for (size_t j = 0; j < cifre.size(); ++j) {
            if (j > 0 && (cifre.size() - j) % 3 == 0) migliaia += '.';
            migliaia += cifre[j];
        }
        EXPECT_EQ(v.testo, std::to_string(v.righe) + " x " + std::to_string(v.colonne) + " = " +
                               migliaia + " Lire")
            << i;
    }
    EXPECT_EQ(TabellaSchemi[19].righe, 7);
    EXPECT_EQ(TabellaSchemi[19].colonne, 10);
}
