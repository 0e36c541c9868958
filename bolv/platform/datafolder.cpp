#include "datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {
bool holdsAll(const QString& folder, const QStringList& files) {
    const QDir dir(folder);
    for (const QString& f : files)
        if (!QFileInfo(dir.filePath(f)).isFile()) return false;
    return true;
}

// A copy written beside the target and renamed, so a half-copied file never
// takes the place of a data file. The copy is the user's: writable.
bool copyFile(const QString& from, const QString& to) {
    const QString temporary = to + QStringLiteral(".tmp");
    QFile::remove(temporary);
    if (!QFile::copy(from, temporary)) return false;
    QFile(temporary).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (!QFile::rename(temporary, to)) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

// The first shipped copy of a file, or an empty text.
QString shippedCopy(const QStringList& shippedFolders, const QString& file) {
    for (const QString& folder : shippedFolders) {
        const QString path = QDir(folder).filePath(file);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}
} // namespace

DataFolder resolveDataFolder(const QString& programFolder, const QStringList& shippedFolders,
                             const QString& userFolder, const QStringList& files) {
    // Files are replaced through a temporary beside them, so the folder's
    // permission is what counts, not the files'.
    if (QFileInfo(programFolder).isWritable() && holdsAll(programFolder, files))
        return {programFolder, false, {}};
    // Seed only when every file can be had: a half-seeded folder would hide
    // the missing file start-up must name.
    const QDir user(userFolder);
    for (const QString& f : files)
        if (!QFileInfo(user.filePath(f)).isFile() && shippedCopy(shippedFolders, f).isEmpty())
            return {programFolder, false, {}};
    DataFolder result{userFolder, true, {}};
    QDir().mkpath(userFolder);
    for (const QString& f : files) {
        if (QFileInfo(user.filePath(f)).isFile()) continue; // the user's own stays
        if (!copyFile(shippedCopy(shippedFolders, f), user.filePath(f)))
            return {programFolder, false, {}};
        result.seeded << f;
    }
    return result;
}

DataFolder dataFolder(const QStringList& files) {
    const QString program = QCoreApplication::applicationDirPath();
    const QString shared = QDir(program).absoluteFilePath(QStringLiteral("../share/bolv"));
    return resolveDataFolder(program, {program, shared},
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                             files);
}

} // namespace platform
