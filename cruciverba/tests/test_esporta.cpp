// The ".SCH" export, byte for byte.

#include "CalcoliCruciverbaEsporta.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace cruciverba;
namespace fs = std::filesystem;

namespace {

uint16_t Parola(const std::vector<uint8_t>& b, size_t offset) {
    return static_cast<uint16_t>(b[offset] | b[offset + 1] << 8);
}

int32_t Intero(const std::vector<uint8_t>& b, size_t offset) {
    uint32_t u = 0;
    for (size_t i = 0; i < 4; ++i)
        u |= uint32_t{b[offset + i]} << (8 * i);
    return static_cast<int32_t>(u);
}

// Row r, column c holds 10 (r - 1) + c, wrapped into 1..90 for the tenth row.
Griglia GrigliaDi(int righe, int colonne) {
    Griglia g;
    for (int r = 1; r <= righe; ++r)
        for (int c = 1; c <= colonne; ++c)
            g(r, c) = (10 * (r - 1) + c - 1) % 90 + 1;
    return g;
}

std::vector<uint8_t> Leggi(const fs::path& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class EsportaSuDisco : public testing::Test {
  protected:
    void SetUp() override {
        cartella = fs::temp_directory_path() /
                   ("esporta_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                    "_" + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(cartella);
        fs::create_directories(cartella);
    }
    void TearDown() override { fs::remove_all(cartella); }
    fs::path cartella;
};

} // namespace

TEST(ImmagineColonne, LunghezzaConteggioETipo) {
    struct Caso {
        int righe, colonne;
        size_t byte;
        int32_t combinazioni;
        uint16_t tipo;
    };
    const Caso casi[] = {{6, 6, 150, 12, 6},
                         {6, 7, 162, 49, 22},
                         {7, 6, 162, 49, 22},
                         {8, 9, 210, 8 * 84 + 9 * 28, 22},
                         {10, 10, 246, 4200, 22}};
    for (const Caso& c : casi) {
        const auto b = ImmagineColonne(GrigliaDi(c.righe, c.colonne), c.righe, c.colonne);
        ASSERT_EQ(b.size(), c.byte) << c.righe << "x" << c.colonne;
        EXPECT_EQ(Intero(b, b.size() - 6), c.combinazioni) << c.righe << "x" << c.colonne;
        EXPECT_EQ(Parola(b, b.size() - 2), c.tipo) << c.righe << "x" << c.colonne;
    }
}

TEST(ImmagineColonne, BitDeiNumeri) {
    Griglia g = GrigliaDi(6, 7);
    g(1, 1) = 15;
    g(1, 2) = 16;
    g(1, 3) = 90;
    g(1, 4) = 1;
    g(1, 5) = 76;
    g(1, 6) = 30;
    g(1, 7) = 31;
    const auto b = ImmagineColonne(g, 6, 7);
    // Row 1 is the first mask.
    EXPECT_EQ(Parola(b, 0), (1u << 14) | 1u);        // 15 and 1
    EXPECT_EQ(Parola(b, 2), (1u << 0) | (1u << 14)); // 16 and 30
    EXPECT_EQ(Parola(b, 4), 1u);                     // 31
    EXPECT_EQ(Parola(b, 6), 0u);
    EXPECT_EQ(Parola(b, 8), 0u);
    EXPECT_EQ(Parola(b, 10), (1u << 14) | 1u); // 90 and 76
    // Column 3 is mask 6 + 3 - 1: it holds 90 (row 1) and 13, 23, 33, 43, 53 below it.
    const size_t colonna3 = 12 * (6 + 2);
    EXPECT_EQ(Parola(b, colonna3 + 0), 1u << 12);               // 13
    EXPECT_EQ(Parola(b, colonna3 + 2), 1u << 7);                // 23
    EXPECT_EQ(Parola(b, colonna3 + 4), (1u << 2) | (1u << 12)); // 33, 43
    EXPECT_EQ(Parola(b, colonna3 + 6), 1u << 7);                // 53
    EXPECT_EQ(Parola(b, colonna3 + 10), 1u << 14);              // 90
    for (size_t i = 0; i + 6 < b.size(); i += 2)
        EXPECT_EQ(Parola(b, i) & 0x8000u, 0u) << i;
}

TEST(ImmagineColonne, NumeroRipetutoUnBitSolo) {
    Griglia g;
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            g(r, c) = 42;
    const auto b = ImmagineColonne(g, 6, 6);
    for (size_t maschera = 0; maschera < 12; ++maschera) {
        EXPECT_EQ(Parola(b, 12 * maschera + 4), 1u << 11) << maschera; // 42 = word 2, bit 11
        EXPECT_EQ(Parola(b, 12 * maschera), 0u) << maschera;
    }
}

TEST_F(EsportaSuDisco, ScriveLImmagine) {
    const fs::path file = cartella / "SCHEMA.SCH";
    const Griglia g = GrigliaDi(7, 8);
    ASSERT_TRUE(EsportaColonne(file, g, 7, 8));
    EXPECT_EQ(Leggi(file), ImmagineColonne(g, 7, 8));
}

TEST_F(EsportaSuDisco, LaSecondaEsportazioneSostituisceLaPrima) {
    const fs::path file = cartella / "SCHEMA.SCH";
    ASSERT_TRUE(EsportaColonne(file, GrigliaDi(10, 10), 10, 10));
    ASSERT_TRUE(EsportaColonne(file, GrigliaDi(6, 6), 6, 6));
    EXPECT_EQ(Leggi(file), ImmagineColonne(GrigliaDi(6, 6), 6, 6));
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator()), 1);
}

TEST_F(EsportaSuDisco, UnFileCheNonSiPuoScrivereERiferitoENonLasciaNulla) {
    EXPECT_FALSE(EsportaColonne(cartella / "manca" / "SCHEMA.SCH", GrigliaDi(6, 6), 6, 6));
    // A folder of the chosen name cannot be replaced by the export and stays as it was.
    fs::create_directory(cartella / "CARTELLA.SCH");
    EXPECT_FALSE(EsportaColonne(cartella / "CARTELLA.SCH", GrigliaDi(6, 6), 6, 6));
    EXPECT_TRUE(fs::is_directory(cartella / "CARTELLA.SCH"));
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator()), 1);
}
