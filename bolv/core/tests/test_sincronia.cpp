// A save survives a power cut only when the rename is on disk too, that is when
// the folder holding the file has been synced after it. This test program
// defines fsync itself, ahead of the C library's, to see which files and
// folders are synced; it forwards every call to the kernel.
#include "archivio.h"
#include "supporto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

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

} // namespace

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

TEST(Sincronia, TheFileIsSyncedBeforeTheRenameAndTheFolderAfterIt) {
    prove::Cartella cartella;
    const std::string file = (cartella / "archivio.dat").string();
    prove::scrivi(file, {1, 2, 3});
    bersaglio = file.c_str();
    sincronie.clear();
    ASSERT_TRUE(scrivifilesicuro(file, {4, 5, 6}));
    bersaglio = nullptr;

    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    struct stat suacartella {};
    ASSERT_EQ(::stat(cartella.testo().c_str(), &suacartella), 0);
    ASSERT_EQ(sincronie.size(), 2u);
    // The new data, while still under its temporary name.
    EXPECT_EQ(sincronie[0].nodo, info.st_ino);
    EXPECT_NE(sincronie[0].nododelbersaglio, info.st_ino);
    // Then the folder, once the rename has been made.
    EXPECT_TRUE(sincronie[1].cartella);
    EXPECT_EQ(sincronie[1].nododelbersaglio, info.st_ino);
    EXPECT_EQ(sincronie[1].nodo, suacartella.st_ino);
    EXPECT_EQ(sincronie[1].dispositivo, suacartella.st_dev);
}

} // namespace
} // namespace bolv
