// What the safe write asks of the system, seen from inside: this test program
// defines fsync, write and fwrite itself, ahead of the C library's, records
// what they are given and passes every call on.
//
// A save survives a power cut only when the rename is on disk too, that is when
// the folder holding the file has been synced after it; and no buffer handed to
// the system may be a null pointer, not even for no bytes at all.
#include "copiearchivio.h"
#include "filesicuri.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Sincronia {
    dev_t dispositivo;
    ino_t nodo;
    bool cartella;
    ino_t nododelbersaglio; // what the target's name led to at that moment
};

std::vector<Sincronia> sincronie;
const char* bersaglio = nullptr;
int buffernulli = 0;

} // namespace

extern "C" ssize_t write(int fd, const void* dati, size_t quanti) {
    if (!dati) ++buffernulli;
    return ::syscall(SYS_write, fd, dati, quanti);
}

extern "C" size_t fwrite(const void* dati, size_t dimensione, size_t quanti, FILE* f) {
    using Fwrite = size_t (*)(const void*, size_t, size_t, FILE*);
    static const auto vero = reinterpret_cast<Fwrite>(::dlsym(RTLD_NEXT, "fwrite"));
    if (!dati) ++buffernulli;
    return vero(dati, dimensione, quanti, f);
}

extern "C" int fsync(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) == 0) {
        struct stat nome {};
        const ino_t nodo = bersaglio && ::stat(bersaglio, &nome) == 0 ? nome.st_ino : 0;
        sincronie.push_back({info.st_dev, info.st_ino, S_ISDIR(info.st_mode), nodo});
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace bolv {
namespace {

// Every write of the road, whatever it fills the new file with.
TEST(Chiamate, TheFileIsSyncedBeforeTheRenameAndTheFolderAfterIt) {
    prova::Cartella cartella;
    const std::string file = (cartella / "archivio.dat").string();
    const std::string sorgente = (cartella / "sorgente.dat").string();
    prova::scrivi(sorgente, {7, 8});
    struct Caso {
        const char* nome;
        std::function<bool()> scrivi;
    };
    const Caso casi[] = {
        {"sostituisce",
         [&] {
             return scrivifilesicuro(file, {4, 5, 6});
         }},
        {"inizio", [&] { return scriviinizio(file, {4}); }},
        {"coda", [&] { return accodafile(file, {4}); }},
        {"copia", [&] { return copiafile(sorgente, file); }},
    };
    for (const Caso& c : casi) {
        prova::scrivi(file, {1, 2, 3});
        bersaglio = file.c_str();
        sincronie.clear();
        ASSERT_TRUE(c.scrivi()) << c.nome;
        bersaglio = nullptr;

        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        struct stat suacartella {};
        ASSERT_EQ(::stat(cartella.testo().c_str(), &suacartella), 0);
        ASSERT_EQ(sincronie.size(), 2u) << c.nome;
        // The new data, while still under its temporary name.
        EXPECT_EQ(sincronie[0].nodo, info.st_ino) << c.nome;
        EXPECT_NE(sincronie[0].nododelbersaglio, info.st_ino) << c.nome;
        // Then the folder, once the rename has been made.
        EXPECT_TRUE(sincronie[1].cartella) << c.nome;
        EXPECT_EQ(sincronie[1].nododelbersaglio, info.st_ino) << c.nome;
        EXPECT_EQ(sincronie[1].nodo, suacartella.st_ino) << c.nome;
        EXPECT_EQ(sincronie[1].dispositivo, suacartella.st_dev) << c.nome;
    }
}

// An archive of no draws exports an empty file: no bytes, and no null pointer
// for them either.
TEST(Chiamate, AnEmptyExportHandsTheSystemNoNullBuffer) {
    prova::Cartella cartella;
    Stato s;
    s.cartellaprogramma = cartella.testo();
    s.archiviofile.assign(DIMARCHIVIO, 0);
    buffernulli = 0;
    ASSERT_TRUE(esportaarchivio(s, [](const Data&) { return std::string("x"); }));
    EXPECT_EQ(buffernulli, 0);
    EXPECT_TRUE(prova::leggi(cartella / "archivio.txt").empty());
    buffernulli = 0;
    EXPECT_TRUE(scrivifilesicuro((cartella / "vuoto").string(), {}));
    EXPECT_EQ(buffernulli, 0);
}

} // namespace
} // namespace bolv
