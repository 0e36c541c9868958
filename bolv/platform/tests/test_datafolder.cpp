// Where the data files are kept: in place when the program's folder is
// writable, else in a per-user folder seeded from the shipped copies.
#include "datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace platform {
namespace {

const QStringList dataFiles = {"bolv.cfg", "archivio.dat", "tab.dat", "vincite.dat"};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DataFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* d : {"bin", "share", "user"})
            QDir(root.path()).mkpath(d);
    }
    QString dir(const char* name) const { return root.filePath(name); }
    void ship(const char* where) {
        for (const QString& f : dataFiles)
            writeFile(QDir(dir(where)).filePath(f), f.toUtf8());
    }
    QTemporaryDir root;
};

TEST_F(DataFolderTest, WritableProgramFolderIsUsedInPlace) {
    ship("bin");
    const DataFolder d = resolveDataFolder(dir("bin"), {dir("bin")}, dir("user"), dataFiles);
    EXPECT_EQ(d.path, dir("bin"));
    EXPECT_FALSE(d.perUser);
    EXPECT_TRUE(QDir(dir("user")).isEmpty());
}

TEST_F(DataFolderTest, InstalledCopyIsSeededIntoTheUserFolderOnce) {
    ship("share"); // the program folder holds no data, as under /usr/bin
    const QString user = QDir(dir("user")).filePath("Bolv");
    DataFolder d = resolveDataFolder(dir("bin"), {dir("bin"), dir("share")}, user, dataFiles);
    EXPECT_EQ(d.path, user);
    EXPECT_TRUE(d.perUser);
    EXPECT_EQ(d.seeded, dataFiles);
    for (const QString& f : dataFiles) {
        EXPECT_EQ(readFile(QDir(user).filePath(f)), f.toUtf8());
        EXPECT_TRUE(QFileInfo(QDir(user).filePath(f)).isWritable());
    }
    // Each copy was renamed into place: nothing is left beside them.
    EXPECT_EQ(QDir(user).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              dataFiles.size());

    // What the user changed survives the next start.
    writeFile(QDir(user).filePath("archivio.dat"), "changed");
    d = resolveDataFolder(dir("bin"), {dir("bin"), dir("share")}, user, dataFiles);
    EXPECT_EQ(d.path, user);
    EXPECT_TRUE(d.seeded.isEmpty());
    EXPECT_EQ(readFile(QDir(user).filePath("archivio.dat")), "changed");
}

TEST_F(DataFolderTest, ReadOnlyProgramFolderHoldingTheFilesSeedsFromIt) {
    if (geteuid() == 0) GTEST_SKIP() << "every folder is writable for root";
    ship("bin");
    QFile::setPermissions(dir("bin"), QFile::ReadOwner | QFile::ExeOwner);
    const DataFolder d = resolveDataFolder(dir("bin"), {dir("bin")}, dir("user"), dataFiles);
    QFile::setPermissions(dir("bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(d.path, dir("user"));
    EXPECT_EQ(d.seeded, dataFiles);
}

// Running in place, a missing file is reported at start-up, not hidden by the
// per-user copies, which may be an older archive.
TEST_F(DataFolderTest, AWritableProgramFolderIsUsedEvenWithAFileMissing) {
    struct Case {
        const char* name;
        void (*damage)(const QString& file);
    };
    const Case cases[] = {
        {"missing", [](const QString& file) { QFile::remove(file); }},
        {"a folder",
         [](const QString& file) {
             QFile::remove(file);
             QDir().mkpath(file);
         }},
        {"a dangling link",
         [](const QString& file) {
             QFile::remove(file);
             QFile::link(file + QStringLiteral(".gone"), file);
         }},
    };
    for (const Case& c : cases)
        for (const QString& f : dataFiles) {
            ship("bin");
            ship("share");
            ship("user");
            const QString file = QDir(dir("bin")).filePath(f);
            c.damage(file);
            const DataFolder d =
                resolveDataFolder(dir("bin"), {dir("bin"), dir("share")}, dir("user"), dataFiles);
            EXPECT_EQ(d.path, dir("bin")) << c.name << " " << f.toStdString();
            EXPECT_FALSE(d.perUser) << c.name << " " << f.toStdString();
            QDir(file).removeRecursively();
            QFile::remove(file);
        }
}

TEST_F(DataFolderTest, ALeftoverOfAnEarlierSeedingDoesNotBlockIt) {
    ship("share");
    for (const QString& f : dataFiles)
        QDir(dir("user")).mkpath(f + QStringLiteral(".tmp"));
    const DataFolder d =
        resolveDataFolder(dir("bin"), {dir("bin"), dir("share")}, dir("user"), dataFiles);
    EXPECT_EQ(d.path, dir("user"));
    EXPECT_EQ(d.seeded, dataFiles);
    for (const QString& f : dataFiles)
        EXPECT_EQ(readFile(QDir(dir("user")).filePath(f)), f.toUtf8());
}

TEST_F(DataFolderTest, WithoutShippedFilesTheProgramFolderIsKept) {
    writeFile(QDir(dir("share")).filePath("bolv.cfg"), "cfg"); // one file only
    const DataFolder d =
        resolveDataFolder(dir("bin"), {dir("bin"), dir("share")}, dir("user"), dataFiles);
    EXPECT_EQ(d.path, dir("bin")); // start-up then names the missing file
    EXPECT_FALSE(d.perUser);
}

} // namespace
} // namespace platform
