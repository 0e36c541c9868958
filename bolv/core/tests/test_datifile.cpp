// "bolv.cfg", "vincite.dat" and "tab.dat": the shipped files, the refused
// sizes and the configuration written back byte for byte.
#include "archivio.h"
#include "datifile.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace bolv {
namespace {

namespace fs = std::filesystem;

constexpr int GEMELLI = 28; // pairs of two of the eight "gemelli" 11, 22, .. 88

TEST(DatiFile, ShippedFilesAreRead) {
    Stato s;
    s.cartellaprogramma = BOLV_DATA_DIR;
    ASSERT_TRUE(leggiconfigurazione(s));
    ASSERT_TRUE(leggivincite(s));
    ASSERT_TRUE(leggiformazioni(s));
    EXPECT_EQ(s.configurazione[3], 0);
    EXPECT_EQ(s.configurazione[21], 3);
    for (int w = 1; w <= 10; ++w)
        EXPECT_EQ(s.configurazione[10 + w], 1);
    const auto vincita = [&](int k, int n) { return s.tabellavincite[(k - 1) + 5 * (n - 1)]; };
    EXPECT_FLOAT_EQ(vincita(1, 1), 11.23f);
    EXPECT_FLOAT_EQ(vincita(2, 2), 250);
    EXPECT_FLOAT_EQ(vincita(2, 3), 250.0f / 3);
    EXPECT_FLOAT_EQ(vincita(5, 10), 6000000.0f / 252);
    EXPECT_EQ(vincita(3, 2), 0);
    // "Ambi Gemelli": formation 1 is 11.22, the last one 77.88.
    const auto t = [&](int m, int r) { return s.tabformazioni[indiceformazione(1, 1, m, r)]; };
    const int n = t(0, 0);
    EXPECT_EQ(n, GEMELLI);
    EXPECT_EQ(t(0, 1), 2);
    EXPECT_EQ(t(1, 1), 11);
    EXPECT_EQ(t(2, 1), 22);
    EXPECT_EQ(t(1, n), 77);
    EXPECT_EQ(t(2, n), 88);
}

TEST(DatiFile, WrongSizesAreRefusedAndTablesKept) {
    prove::Cartella cartella;
    Stato s;
    s.cartellaprogramma = cartella.testo();
    s.configurazione[7] = 77;
    s.tabellavincite[0] = 1.5f;
    s.tabformazioni[5] = 55;
    struct Caso {
        const char* nome;
        int dimensione;
        bool (*leggi)(Stato&);
    };
    const Caso casi[] = {{"bolv.cfg", DIMCONFIG, leggiconfigurazione},
                         {"vincite.dat", DIMVINCITE, leggivincite},
                         {"tab.dat", DIMFORMAZIONI, leggiformazioni}};
    for (const auto& c : casi) {
        EXPECT_FALSE(c.leggi(s)) << c.nome << " mancante";
        for (int dimensione : {0, c.dimensione - 1, c.dimensione + 1}) {
            prove::scrivi(cartella / c.nome,
                          std::vector<uint8_t>(static_cast<size_t>(dimensione), 1));
            EXPECT_FALSE(c.leggi(s)) << c.nome << " " << dimensione;
        }
    }
    EXPECT_EQ(s.configurazione[7], 77);
    EXPECT_EQ(s.tabellavincite[0], 1.5f);
    EXPECT_EQ(s.tabformazioni[5], 55);
}

TEST(DatiFile, ConfigurationWrittenAndReadBack) {
    prove::Cartella cartella;
    Stato s;
    s.cartellaprogramma = cartella.testo();
    for (int i = 0; i < NUMCONFIG; ++i)
        s.configurazione[i] = static_cast<int16_t>(i * 300 - 7000);
    ASSERT_TRUE(scriviconfigurazione(s));
    const auto img = prove::leggi(cartella / "bolv.cfg");
    ASSERT_EQ(img.size(), static_cast<size_t>(DIMCONFIG));
    EXPECT_EQ(img[0], 0xA8); // -7000 is 0xE4A8, low byte first
    EXPECT_EQ(img[1], 0xE4);
    EXPECT_EQ(img, immagineconfigurazione(s.configurazione));
    const auto scritta = s.configurazione;
    s.configurazione.fill(0);
    ASSERT_TRUE(leggiconfigurazione(s));
    EXPECT_EQ(s.configurazione, scritta);

    // A write that cannot be made keeps the old file.
    fs::create_directory(cartella / "bolv.cfg.tmp");
    prove::scrivi(cartella / "bolv.cfg.tmp" / "x", {1});
    s.configurazione.fill(1);
    EXPECT_FALSE(scriviconfigurazione(s));
    EXPECT_EQ(prove::leggi(cartella / "bolv.cfg"), img);
}

} // namespace
} // namespace bolv
