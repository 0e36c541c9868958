// "bolv.cfg", "vincite.dat" and "tab.dat": the shipped files, the refused
// sizes and the configuration written back byte for byte.
#include "archivio.h"
#include "copiearchivio.h"
#include "datifile.h"
#include "impostazioni.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

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
    prova::Cartella cartella;
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
            prova::scrivi(cartella / c.nome,
                          std::vector<uint8_t>(static_cast<size_t>(dimensione), 1));
            EXPECT_FALSE(c.leggi(s)) << c.nome << " " << dimensione;
        }
    }
    EXPECT_EQ(s.configurazione[7], 77);
    EXPECT_EQ(s.tabellavincite[0], 1.5f);
    EXPECT_EQ(s.tabformazioni[5], 55);
}

TEST(DatiFile, ConfigurationWrittenAndReadBack) {
    prova::Cartella cartella;
    Stato s;
    s.cartellaprogramma = cartella.testo();
    Slotconfigurazione nuova;
    for (int i = 0; i < NUMCONFIG; ++i)
        nuova[i] = static_cast<int16_t>(i * 300 - 7000);
    ASSERT_TRUE(salvaconfigurazione(s, nuova));
    EXPECT_EQ(s.configurazione, nuova);
    const auto img = prova::leggi(cartella / "bolv.cfg");
    ASSERT_EQ(img.size(), static_cast<size_t>(DIMCONFIG));
    EXPECT_EQ(img[0], 0xA8); // -7000 is 0xE4A8, low byte first
    EXPECT_EQ(img[1], 0xE4);
    EXPECT_EQ(img, immagineconfigurazione(nuova));
    s.configurazione.fill(0);
    ASSERT_TRUE(leggiconfigurazione(s));
    EXPECT_EQ(s.configurazione, nuova);

    // A write that cannot be made keeps the old file, and the slots in memory, and leaves
    // nothing behind.
    Slotconfigurazione uno;
    uno.fill(1);
    {
        prova::Discopieno pieno(DIMCONFIG / 2);
        EXPECT_FALSE(salvaconfigurazione(s, uno));
    }
    EXPECT_EQ(s.configurazione, nuova);
    EXPECT_EQ(prova::leggi(cartella / "bolv.cfg"), img);
    EXPECT_EQ(prova::nomi(cartella / ""), std::vector<std::string>{"bolv.cfg"});
}

// Each reader looks at the size before it reads: a file far larger than its
// layout is refused without its bytes being read into memory.
TEST(DatiFile, OversizedFilesAreRefusedBeforeTheyAreRead) {
    if (prova::byteletti() < 0) GTEST_SKIP() << "no /proc/self/io";
    prova::Cartella cartella;
    prova::Registratore ui;
    Stato s;
    prova::prepara(s, cartella, ui);
    constexpr auto ENORME = std::uintmax_t{64} << 20; // sparse: no room taken on disk
    struct Caso {
        const char* nome;
        int dimensione;
        std::function<bool(Stato&)> leggi;
    };
    const Caso casi[] = {
        {"bolv.cfg", DIMCONFIG, leggiconfigurazione},
        {"vincite.dat", DIMVINCITE, leggivincite},
        {"tab.dat", DIMFORMAZIONI, leggiformazioni},
        {"archivio.dat", DIMARCHIVIO, leggiarchivio},
        {"backup.bolv", DIMARCHIVIO,
         [&](Stato& st) {
             return !ripristinadabackup(st, (cartella / "backup.bolv").string()).has_value();
         }},
    };
    for (const auto& c : casi) {
        prova::scrivi(cartella / c.nome, {});
        fs::resize_file(cartella / c.nome, ENORME);
        // What reading the counter itself reads, so that only the reader is counted.
        const long long inizio = prova::byteletti();
        const long long prima = prova::byteletti();
        EXPECT_FALSE(c.leggi(s)) << c.nome;
        EXPECT_LE(prova::byteletti() - prima - (prima - inizio), c.dimensione) << c.nome;
        fs::remove(cartella / c.nome);
    }
}

} // namespace
} // namespace bolv
