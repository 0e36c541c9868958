#include "archivio.h"
#include "copiearchivio.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace bolv;

namespace {

using prova::leggi;
using prova::scrivi;

void metti(std::vector<uint8_t>& img, int d, int r, int p, int valore) {
    img[indicearchivio(d, r, p)] = static_cast<uint8_t>(valore);
}

void mettidata(std::vector<uint8_t>& img, int d, const Data& data) {
    metti(img, d, 0, 1, data.giorno);
    metti(img, d, 0, 2, data.mese);
    metti(img, d, 0, 3, data.anno % 100);
    metti(img, d, 0, 4, data.anno / 100);
}

// n draws from Saturday 7 January 1939, alternating Wednesday and Saturday;
// numbers distinct within each wheel (steps of 13 modulo 90).
std::vector<uint8_t> archiviodi(int n) {
    std::vector<uint8_t> img(DIMARCHIVIO, 0);
    int giorno = 7;
    for (int d = 1; d <= n; ++d) {
        mettidata(img, d, Data::normalizzata(1939, 1, giorno));
        giorno += d % 2 ? 4 : 3;
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                metti(img, d, w, p, (d * 7 + w * 11 + p * 13) % 90 + 1);
    }
    return img;
}

// "ddd dd.mm.yyyy" with the Italian abbreviations, as the windows write it.
std::string datalunga(const Data& d) {
    static const char* const giorni[] = {"dom", "lun", "mar", "mer", "gio", "ven", "sab"};
    char testo[32];
    std::snprintf(testo, sizeof testo, "%s %02d.%02d.%04d", giorni[d.giornosettimana() - 1],
                  d.giorno, d.mese, d.anno);
    return testo;
}

class CopieArchivio : public ::testing::Test {
  protected:
    void SetUp() override {
        cartella = fs::temp_directory_path() /
                   ("copiearchivio-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(cartella);
        fs::create_directories(cartella);
        s.cartellaprogramma = cartella.string();
        originale = archiviodi(300);
        scrivi(archivio(), originale);
    }
    void TearDown() override { fs::remove_all(cartella); }

    fs::path archivio() const { return cartella / "archivio.dat"; }
    // Nothing but the archive itself (and what the test put there) is left behind.
    void controllaintatto() const {
        EXPECT_EQ(leggi(archivio()), originale);
        nessuntemporaneo();
    }
    // No temporary file of a write to the archive is left beside it.
    void nessuntemporaneo() const {
        for (const auto& nome : prova::nomi(cartella))
            EXPECT_NE(nome.rfind("archivio.dat.", 0), 0u) << nome;
    }

    fs::path cartella;
    Stato s;
    std::vector<uint8_t> originale;
};

TEST_F(CopieArchivio, BackupIsAByteCopyAndReplacesAnExistingFile) {
    const fs::path copia = cartella / "backup.bolv";
    scrivi(copia, {1, 2, 3});
    EXPECT_EQ(copiabackup(s, copia.string()), std::nullopt);
    EXPECT_EQ(leggi(copia), originale);
    controllaintatto();
}

TEST_F(CopieArchivio, BackupRefusesTheArchiveItselfAndAnUnwritableTarget) {
    fs::create_hard_link(archivio(), cartella / "collegamento.bolv");
    const std::string destinazioni[] = {
        archivio().string(),
        (cartella / "." / "archivio.dat").string(),
        (cartella / "collegamento.bolv").string(),
        (cartella / "manca" / "backup.bolv").string(),
    };
    for (const auto& destinazione : destinazioni) {
        EXPECT_NE(copiabackup(s, destinazione), std::nullopt) << destinazione;
        controllaintatto();
    }
    EXPECT_FALSE(fs::exists(cartella / "manca"));
}

TEST_F(CopieArchivio, BackupOfAMissingArchiveSaysSo) {
    fs::remove(archivio());
    EXPECT_NE(copiabackup(s, (cartella / "backup.bolv").string()), std::nullopt);
    EXPECT_FALSE(fs::exists(cartella / "backup.bolv"));
}

TEST_F(CopieArchivio, RestoreReplacesTheArchiveWithTheBackup) {
    const auto altro = archiviodi(120);
    scrivi(cartella / "vecchio.bolv", altro);
    EXPECT_EQ(ripristinadabackup(s, (cartella / "vecchio.bolv").string()), std::nullopt);
    EXPECT_EQ(leggi(archivio()), altro);
    nessuntemporaneo();
}

TEST_F(CopieArchivio, RefusedRestoresLeaveTheArchiveUntouched) {
    auto numerotroppoalto = archiviodi(120);
    metti(numerotroppoalto, 50, 3, 2, 91);
    auto ripetuto = archiviodi(120);
    metti(ripetuto, 7, 8, 5, ripetuto[indicearchivio(7, 8, 1)]);
    auto datasbagliata = archiviodi(120);
    metti(datasbagliata, 9, 0, 2, 13);
    struct Caso {
        const char* nome;
        std::optional<std::vector<uint8_t>> contenuto; // nullopt: no such file
    };
    const Caso casi[] = {
        {"mancante", std::nullopt},
        {"vuoto", std::vector<uint8_t>{}},
        {"corto", std::vector<uint8_t>(DIMARCHIVIO - 1, 0)},
        {"lungo", std::vector<uint8_t>(DIMARCHIVIO + 1, 0)},
        {"numero91", numerotroppoalto},
        {"ripetuto", ripetuto},
        {"mese13", datasbagliata},
    };
    for (const auto& c : casi) {
        const fs::path sorgente = cartella / (std::string(c.nome) + ".bolv");
        if (c.contenuto) scrivi(sorgente, *c.contenuto);
        EXPECT_NE(ripristinadabackup(s, sorgente.string()), std::nullopt) << c.nome;
        controllaintatto();
    }
}

TEST_F(CopieArchivio, RestoreRefusesTheArchiveItself) {
    fs::create_hard_link(archivio(), cartella / "collegamento.bolv");
    for (const fs::path& sorgente : {archivio(), cartella / "collegamento.bolv"}) {
        EXPECT_NE(ripristinadabackup(s, sorgente.string()), std::nullopt) << sorgente;
        controllaintatto();
    }
}

// What a user does: back up, change a draw, restore; the program is back where it was.
TEST_F(CopieArchivio, BackupEditRestoreGivesBackTheSameFileAndStatistics) {
    ASSERT_TRUE(elabora(s));
    const auto presenze = s.presenzenumeri;
    const auto ritardi = s.ritardinumeri;
    const auto storici = s.storicinumeri;
    const int ultima = s.ultimaestrazione;
    const fs::path copia = cartella / "backup.bolv";
    ASSERT_EQ(copiabackup(s, copia.string()), std::nullopt);

    s.estr(200, 6, 1) = 90; // was 40; 90 is not among the other four
    ASSERT_TRUE(scriviarchivio(s));
    ASSERT_NE(leggi(archivio()), originale);
    ASSERT_TRUE(elabora(s));
    ASSERT_NE(s.presenzenumeri, presenze);

    ASSERT_EQ(ripristinadabackup(s, copia.string()), std::nullopt);
    ASSERT_TRUE(elabora(s));
    EXPECT_EQ(leggi(archivio()), originale);
    EXPECT_EQ(s.presenzenumeri, presenze);
    EXPECT_EQ(s.ritardinumeri, ritardi);
    EXPECT_EQ(s.storicinumeri, storici);
    EXPECT_EQ(s.ultimaestrazione, ultima);
}

std::string blocco(const char* numeri) {
    return std::string(numeri) + " | ";
}

TEST(Esportazione, GoldenLinesOfASmallArchive) {
    std::vector<uint8_t> img(DIMARCHIVIO, 0);
    mettidata(img, 1, {1939, 1, 7});
    mettidata(img, 2, {2026, 8, 19});
    const int primi[10][5] = {{1, 2, 3, 4, 5},      {0, 0, 0, 0, 0},      {90, 89, 88, 87, 86},
                              {0, 0, 0, 0, 0},      {10, 20, 30, 40, 50}, {9, 19, 29, 39, 49},
                              {11, 22, 33, 44, 55}, {66, 77, 88, 1, 12},  {5, 15, 25, 35, 45},
                              {80, 70, 60, 50, 40}};
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p) {
            metti(img, 1, w, p, primi[w - 1][p - 1]);
            metti(img, 2, w, p, primi[10 - w][p - 1]);
        }
    metti(img, 4, 1, 1, 33); // after the end marker: never exported

    const std::vector<std::string> attese = {
        "sab 07.01.1939 | " + blocco("01 02 03 04 05 ") + blocco("00 00 00 00 00 ") +
            blocco("90 89 88 87 86 ") + blocco("00 00 00 00 00 ") + blocco("10 20 30 40 50 ") +
            blocco("09 19 29 39 49 ") + blocco("11 22 33 44 55 ") + blocco("66 77 88 01 12 ") +
            blocco("05 15 25 35 45 ") + blocco("80 70 60 50 40 "),
        "mer 19.08.2026 | " + blocco("80 70 60 50 40 ") + blocco("05 15 25 35 45 ") +
            blocco("66 77 88 01 12 ") + blocco("11 22 33 44 55 ") + blocco("09 19 29 39 49 ") +
            blocco("10 20 30 40 50 ") + blocco("00 00 00 00 00 ") + blocco("90 89 88 87 86 ") +
            blocco("00 00 00 00 00 ") + blocco("01 02 03 04 05 "),
    };
    EXPECT_EQ(righeesportazione(img, datalunga), attese);
    EXPECT_EQ(attese[0].size(), 197u);
}

TEST_F(CopieArchivio, ExportWritesEveryDrawOfTheFileWithCrLf) {
    s.archiviofile = archiviodi(3);
    ASSERT_TRUE(esportaarchivio(s, datalunga));
    const auto righe = righeesportazione(s.archiviofile, datalunga);
    const std::string atteso = righe[0] + "\r\n" + righe[1] + "\r\n" + righe[2] + "\r\n";
    const auto scritto = leggi(cartella / "archivio.txt");
    EXPECT_EQ(std::string(scritto.begin(), scritto.end()), atteso);
}

TEST_F(CopieArchivio, ExportOfAnEmptyArchiveIsAnEmptyFile) {
    s.archiviofile.assign(DIMARCHIVIO, 0);
    scrivi(cartella / "archivio.txt", {'x'});
    ASSERT_TRUE(esportaarchivio(s, datalunga));
    EXPECT_TRUE(leggi(cartella / "archivio.txt").empty());
}

TEST_F(CopieArchivio, ExportInAWeekdayModeWritesTheOtherDrawsToo) {
    s.modoestrazioni = 1;
    ASSERT_TRUE(elabora(s));
    ASSERT_LT(s.numestrazioni, 300);
    ASSERT_TRUE(esportaarchivio(s, datalunga));
    const auto scritto = leggi(cartella / "archivio.txt");
    EXPECT_EQ(std::count(scritto.begin(), scritto.end(), '\n'), 300);
}

TEST_F(CopieArchivio, AFailedExportSaysSo) {
    s.archiviofile = archiviodi(3);
    s.cartellaprogramma = (cartella / "manca").string();
    EXPECT_FALSE(esportaarchivio(s, datalunga));
}

} // namespace
