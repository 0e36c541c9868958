// The safe write every file goes through: what is left beside the target, what
// it does with links and leftovers, what the replaced file keeps, and how the
// writes that keep part of the old file copy it; the bounded readers.
#include "filedati.h"
#include "filesicuri.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // The start of a file, never more than asked.
    const size_t massimi[] = {0, 2, 3, 10};
    for (size_t massimo : massimi)
        EXPECT_EQ(leggiinizio(bersaglio().string(), massimo),
                  std::vector<uint8_t>(
                      VECCHIO.begin(),
                      VECCHIO.begin() + static_cast<ptrdiff_t>(std::min(massimo, VECCHIO.size()))))
            << massimo;
    // A FIFO would block a plain open until someone writes to it.
    const prova::Fifo fifo(cartella / "fifo");
    for (const fs::path& p : {cartella / "fifo", cartella / "manca", cartella / ""}) {
        EXPECT_EQ(leggifile(p.string(), 3), std::nullopt) << p;
        EXPECT_EQ(leggiinizio(p.string(), 3), std::nullopt) << p;
    }
    EXPECT_FALSE(fifo.aspettato());
}

// A target that is not a regular file is refused by every write, and a FIFO is
// never waited on; a source that is not one is refused by the copy.
TEST_F(ScritturaSicura, WritesRefuseWhatIsNotARegularFile) {
    const prova::Fifo fifo(cartella / "fifo");
    fs::create_directory(cartella / "cartella");
    const auto prima = nomi(cartella / "");
    for (const char* nome : {"fifo", "cartella"}) {
        const std::string p = (cartella / nome).string();
        EXPECT_FALSE(scrivifilesicuro(p, NUOVO)) << nome;
        EXPECT_FALSE(scriviinizio(p, NUOVO)) << nome;
        EXPECT_FALSE(accodafile(p, NUOVO)) << nome;
        EXPECT_FALSE(copiafile(bersaglio().string(), p)) << nome;
        EXPECT_FALSE(copiafile(p, bersaglio().string())) << nome;
    }
    EXPECT_FALSE(fifo.aspettato());
    EXPECT_TRUE(fs::is_fifo(cartella / "fifo"));
    EXPECT_EQ(nomi(cartella / ""), prima);
    EXPECT_EQ(leggi(bersaglio()), VECCHIO);
}

// What each write keeps of an old file, a short one or none at all.
TEST_F(ScritturaSicura, WritesOverTheOldFileKeepWhatTheyPromise) {
    const std::vector<uint8_t> CINQUE = {1, 2, 3, 4, 5};
    struct Caso {
        const char* nome;
        std::optional<std::vector<uint8_t>> vecchio; // nullopt: no file
        bool (*scrivi)(const std::string&, const std::vector<uint8_t>&);
        std::vector<uint8_t> atteso;
    };
    const Caso casi[] = {
        {"inizio su un file piu lungo", CINQUE, scriviinizio, {9, 8, 7, 6, 5}},
        {"inizio su un file piu corto", std::vector<uint8_t>{1}, scriviinizio, NUOVO},
        {"inizio su nessun file", std::nullopt, scriviinizio, NUOVO},
        {"coda", CINQUE, accodafile, {1, 2, 3, 4, 5, 9, 8, 7, 6}},
        {"coda su un file vuoto", std::vector<uint8_t>{}, accodafile, NUOVO},
        {"coda su nessun file", std::nullopt, accodafile, NUOVO},
    };
    for (const Caso& c : casi) {
        fs::remove(bersaglio());
        if (c.vecchio) scrivi(bersaglio(), *c.vecchio);
        EXPECT_TRUE(c.scrivi(bersaglio().string(), NUOVO)) << c.nome;
        EXPECT_EQ(leggi(bersaglio()), c.atteso) << c.nome;
        EXPECT_EQ(nomi(cartella / ""), std::vector<std::string>{"archivio.dat"}) << c.nome;
    }
    const fs::path copia = cartella / "copia.dat";
    ASSERT_TRUE(copiafile(bersaglio().string(), copia.string(), 0640));
    EXPECT_EQ(leggi(copia), NUOVO);
    EXPECT_EQ(permessi(copia), 0640u);
}

// Over a file of a gigabyte that is almost all hole, the writes that keep the
// old bytes copy only the data, so the new file takes no more disk than the
// old one and nothing like its length is read.
TEST_F(ScritturaSicura, LongFilesAreCarriedOverWithTheirHoles) {
    constexpr long long LUNGHEZZA = 1LL << 30;
    constexpr long long POCO = 16LL << 20;
    std::vector<uint8_t> testa(300);
    std::iota(testa.begin(), testa.end(), uint8_t{0});
    const fs::path copia = cartella / "copia.dat";
    struct Caso {
        const char* nome;
        std::function<bool()> scrivi;
        fs::path scritto;
        long long lunghezza;
        std::vector<uint8_t> inizio; // the new file's first bytes
        std::vector<uint8_t> fine;   // and its last ones
    };
    const Caso casi[] = {
        {"inizio",
         [&] { return scriviinizio(bersaglio().string(), NUOVO); },
         bersaglio(),
         LUNGHEZZA,
         {9, 8, 7, 6, 4, 5},
         {0, 0x5A}},
        {"coda",
         [&] { return accodafile(bersaglio().string(), NUOVO); },
         bersaglio(),
         LUNGHEZZA + 4,
         {0, 1, 2, 3, 4, 5},
         {0x5A, 9, 8, 7, 6}},
        {"copia",
         [&] { return copiafile(bersaglio().string(), copia.string()); },
         copia,
         LUNGHEZZA,
         {0, 1, 2, 3, 4, 5},
         {0, 0x5A}},
    };
    for (const Caso& c : casi) {
        if (!prova::scrivisparso(bersaglio(), testa, LUNGHEZZA, 0x5A))
            GTEST_SKIP() << "this file system keeps no holes";
        const long long letti = prova::byteletti();
        ASSERT_TRUE(c.scrivi()) << c.nome;
        EXPECT_LT(prova::byteletti() - letti, POCO) << c.nome;
        EXPECT_EQ(fs::file_size(c.scritto), static_cast<std::uintmax_t>(c.lunghezza)) << c.nome;
        EXPECT_LT(prova::occupati(c.scritto), POCO) << c.nome;
        EXPECT_EQ(leggi(c.scritto, 0, c.inizio.size()), c.inizio) << c.nome;
        EXPECT_EQ(leggi(c.scritto, 290, 10), std::vector<uint8_t>(testa.begin() + 290, testa.end()))
            << c.nome;
        EXPECT_EQ(
            leggi(c.scritto, c.lunghezza - static_cast<long long>(c.fine.size()), c.fine.size()),
            c.fine)
            << c.nome;
        fs::remove(copia);
    }
}

// The leftover of a write killed half-way (a child process that ends with its
// temporary file still there) goes at the next write of that target.
TEST_F(ScritturaSicura, TheLeftoverOfAKilledWriteGoesAtTheNextWrite) {
    const auto prima = nomi(cartella / "");
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        Scritturasicura scrittura(bersaglio().string());
        ::_exit(scrittura.aperta() && ::write(scrittura.fd(), "x", 1) == 1 ? 0 : 1);
    }
    int esito = -1;
    ASSERT_EQ(::waitpid(figlio, &esito, 0), figlio);
    ASSERT_TRUE(WIFEXITED(esito) && WEXITSTATUS(esito) == 0);
    const auto lasciati = nomi(cartella / "");
    ASSERT_EQ(lasciati.size(), prima.size() + 1);
    EXPECT_TRUE(lasciati.front().starts_with(".archivio.dat.bolv-")) << lasciati.front();
    EXPECT_TRUE(scrivifilesicuro(bersaglio().string(), NUOVO));
    EXPECT_EQ(nomi(cartella / ""), prima);
}

// Only names of exactly the program's pattern that are regular files of this
// user go, at a write of their target and at start-up; a link of that name,
// a folder, another user's file and other names stay.
TEST_F(ScritturaSicura, OnlyThisProgramsOwnLeftoversAreRemoved) {
    scrivi(cartella / "altro.dat", {5});
    enum Tipo { file, collegamento, cartellavuota, altroutente };
    struct Caso {
        const char* nome;
        Tipo tipo;
        bool dallascrittura; // removed by a write of "archivio.dat"
        bool allavvio;       // removed by the start-up's cleaning of the data folder
    };
    const Caso casi[] = {
        {".archivio.dat.bolv-aZ09Qx", file, true, true},
        {".simul.dat.bolv-aZ09Qx", file, false, true},
        {".sfondo.jpg.bolv-000000", file, false, true},
        {".altro.dat.bolv-aZ09Qx", file, false, false},
        {"archivio.dat.aZ09Qx", file, false, false},
        {".archivio.dat.bolv-aZ09Q", file, false, false},
        {".archivio.dat.bolv-aZ09Qxy", file, false, false},
        {".archivio.dat.bolv-aZ09Q~", file, false, false},
        {"archivio.dat.bolv-aZ09Qx", file, false, false},
        {".archivio.dat.bolv-Link00", collegamento, false, false},
        {".archivio.dat.bolv-Dir000", cartellavuota, false, false},
        {".archivio.dat.bolv-Root00", altroutente, false, false},
    };
    for (const bool avvio : {false, true}) {
        std::vector<const Caso*> fatti;
        for (const Caso& c : casi) {
            const fs::path p = cartella / c.nome;
            if (c.tipo == collegamento) {
                fs::create_symlink("altro.dat", p);
            } else if (c.tipo == cartellavuota) {
                fs::create_directory(p);
            } else {
                scrivi(p, {1});
                // Another user's file can be made by root only.
                if (c.tipo == altroutente && ::chown(p.c_str(), 65534, 65534) != 0) {
                    fs::remove(p);
                    continue;
                }
            }
            fatti.push_back(&c);
        }
        if (avvio)
            pulisciavanzidati(cartella.testo());
        else
            ASSERT_TRUE(scrivifilesicuro(bersaglio().string(), NUOVO));
        for (const Caso* c : fatti) {
            const bool rimosso = avvio ? c->allavvio : c->dallascrittura;
            EXPECT_EQ(fs::exists(fs::symlink_status(cartella / c->nome)), !rimosso)
                << c->nome << (avvio ? " all'avvio" : " a una scrittura");
            fs::remove(cartella / c->nome);
        }
        EXPECT_EQ(leggi(cartella / "altro.dat"), std::vector<uint8_t>{5});
    }
}

// A file another library writes by name takes the target's place only when
// confirmed; abandoned, it goes and the old file stays.
TEST_F(ScritturaSicura, AWriteByNameIsKeptOnlyWhenConfirmed) {
    for (const bool confermata : {false, true}) {
        {
            Scritturasicura scrittura(bersaglio().string());
            ASSERT_TRUE(scrittura.aperta());
            scrivi(scrittura.temporaneo(), NUOVO); // as a library opening it by name would
            if (confermata) {
                EXPECT_TRUE(scrittura.conferma());
            }
        }
        EXPECT_EQ(leggi(bersaglio()), confermata ? NUOVO : VECCHIO);
        EXPECT_EQ(nomi(cartella / ""), std::vector<std::string>{"archivio.dat"});
    }
}

} // namespace
} // namespace bolv
