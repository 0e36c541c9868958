// The safe write every data file goes through: what is left beside the target,
// what it does with links and leftovers, and what the replaced file keeps.
#include "archivio.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace bolv {
namespace {

namespace fs = std::filesystem;
using prova::leggi;
using prova::nomi;
using prova::scrivi;

const std::vector<uint8_t> VECCHIO = {1, 2, 3};
const std::vector<uint8_t> NUOVO = {9, 8, 7, 6};

class ScritturaSicura : public ::testing::Test {
  protected:
    void SetUp() override { scrivi(bersaglio(), VECCHIO); }
    fs::path bersaglio() const { return cartella / "archivio.dat"; }
    prova::Cartella cartella;
};

mode_t permessi(const fs::path& p) {
    struct stat info;
    return ::stat(p.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// What an earlier run or another program left beside the target is none of the
// write's business: it neither blocks the write nor receives the data.
TEST_F(ScritturaSicura, LeftoversBesideTheTargetNeitherBlockNorCatchTheData) {
    const fs::path altro = cartella / "altro.dat";
    scrivi(altro, {5});
    struct Caso {
        const char* nome;
        void (*prepara)(const fs::path& avanzo, const fs::path& altro);
    };
    const Caso casi[] = {
        {"cartella",
         [](const fs::path& avanzo, const fs::path&) {
             fs::create_directory(avanzo);
             scrivi(avanzo / "x", {1});
         }},
        {"collegamento",
         [](const fs::path& avanzo, const fs::path& a) { fs::create_symlink(a, avanzo); }},
        {"file", [](const fs::path& avanzo, const fs::path&) { scrivi(avanzo, {4}); }},
    };
    for (const auto& c : casi) {
        const fs::path avanzo = cartella / "archivio.dat.tmp";
        c.prepara(avanzo, altro);
        const auto prima = nomi(cartella / "");
        EXPECT_TRUE(scrivifilesicuro(bersaglio().string(), NUOVO)) << c.nome;
        EXPECT_EQ(leggi(bersaglio()), NUOVO) << c.nome;
        EXPECT_FALSE(fs::is_symlink(bersaglio())) << c.nome;
        EXPECT_EQ(leggi(altro), std::vector<uint8_t>{5}) << c.nome;
        EXPECT_EQ(nomi(cartella / ""), prima) << c.nome;
        fs::remove_all(avanzo);
        scrivi(bersaglio(), VECCHIO);
    }
}

TEST_F(ScritturaSicura, FailedWritesKeepTheOldFileAndLeaveNothingBehind) {
    struct Caso {
        const char* nome;
        bool discopieno;
        bool bersagliocartella; // the target's name is taken by a folder
    };
    for (const Caso& c :
         {Caso{"disco pieno", true, false}, Caso{"rinomina fallita", false, true}}) {
        fs::path dove = bersaglio();
        if (c.bersagliocartella) {
            dove = cartella / "occupato";
            fs::create_directory(dove);
            scrivi(dove / "x", {1});
        }
        const auto prima = nomi(cartella / "");
        {
            std::optional<prova::Discopieno> pieno;
            if (c.discopieno) pieno.emplace(2);
            EXPECT_FALSE(scrivifilesicuro(dove.string(), NUOVO)) << c.nome;
        }
        EXPECT_EQ(nomi(cartella / ""), prima) << c.nome;
        EXPECT_EQ(leggi(bersaglio()), VECCHIO) << c.nome;
    }
    EXPECT_FALSE(scrivifilesicuro((cartella / "manca" / "archivio.dat").string(), NUOVO));
}

TEST_F(ScritturaSicura, TheReplacedFileKeepsItsPermissions) {
    for (mode_t modo : {0640, 0604, 0600, 0444}) {
        ASSERT_EQ(::chmod(bersaglio().c_str(), modo), 0);
        EXPECT_TRUE(scrivifilesicuro(bersaglio().string(), NUOVO)) << std::oct << modo;
        EXPECT_EQ(permessi(bersaglio()), modo) << std::oct << modo;
        EXPECT_EQ(leggi(bersaglio()), NUOVO);
    }
    // A new file gets what any other new file would.
    const mode_t maschera = ::umask(0022);
    EXPECT_TRUE(scrivifilesicuro((cartella / "nuovo.dat").string(), NUOVO));
    ::umask(maschera);
    EXPECT_EQ(permessi(cartella / "nuovo.dat"), 0644);
}

// A user who keeps the archive elsewhere and links it into the program folder
// keeps the link; the file it leads to gets the data.
TEST_F(ScritturaSicura, ThroughASymbolicLinkTheFileItLeadsToIsReplaced) {
    fs::create_directory(cartella / "dati");
    const fs::path vero = cartella / "dati" / "vero.dat";
    scrivi(vero, VECCHIO);
    ::chmod(vero.c_str(), 0640);
    fs::remove(bersaglio());
    fs::create_symlink("dati/intermedio.dat", bersaglio()); // relative, two links long
    fs::create_symlink("vero.dat", cartella / "dati" / "intermedio.dat");

    EXPECT_TRUE(scrivifilesicuro(bersaglio().string(), NUOVO));
    EXPECT_TRUE(fs::is_symlink(bersaglio()));
    EXPECT_TRUE(fs::is_symlink(cartella / "dati" / "intermedio.dat"));
    EXPECT_EQ(leggi(vero), NUOVO);
    EXPECT_EQ(permessi(vero), 0640);
    EXPECT_EQ(nomi(cartella / "dati"), (std::vector<std::string>{"intermedio.dat", "vero.dat"}));

    // A link to a file not yet there creates that file, as an ordinary write would.
    fs::remove(vero);
    EXPECT_TRUE(scrivifilesicuro(bersaglio().string(), VECCHIO));
    EXPECT_EQ(leggi(vero), VECCHIO);

    // A loop of links leads to no file: nothing is written.
    fs::remove(cartella / "dati" / "intermedio.dat");
    fs::create_symlink("../archivio.dat", cartella / "dati" / "intermedio.dat");
    EXPECT_FALSE(scrivifilesicuro(bersaglio().string(), NUOVO));
    EXPECT_EQ(leggi(vero), VECCHIO);
}

TEST_F(ScritturaSicura, EmptyDataMakeAnEmptyFile) {
    EXPECT_TRUE(scrivifilesicuro(bersaglio().string(), {}));
    EXPECT_TRUE(fs::is_regular_file(bersaglio()));
    EXPECT_EQ(fs::file_size(bersaglio()), 0u);
}

TEST_F(ScritturaSicura, ReadsTakeOnlyRegularFilesOfTheirExactSize) {
    EXPECT_EQ(leggifile(bersaglio().string(), VECCHIO.size()), VECCHIO);
    std::uintmax_t trovata = 0;
    EXPECT_EQ(leggifile(bersaglio().string(), 4, &trovata), std::nullopt);
    EXPECT_EQ(trovata, 3u);
    EXPECT_EQ(leggifile(bersaglio().string()), VECCHIO);
    // A FIFO would block a plain open until someone writes to it.
    const fs::path fifo = cartella / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& p : {fifo, cartella / "manca", cartella / ""}) {
        EXPECT_EQ(leggifile(p.string(), 3), std::nullopt) << p;
        EXPECT_EQ(leggifile(p.string()), std::nullopt) << p;
    }
}

} // namespace
} // namespace bolv
