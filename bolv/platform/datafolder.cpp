#include "datafolder.h"

#include "filesicuri.h"

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

// Anything by one of the files' names, even a folder or a dangling link.
bool holdsAny(const QString& folder, const QStringList& files) {
    const QDir dir(folder);
    for (const QString& f : files)
        if (QFileInfo(dir.filePath(f)).exists() || QFileInfo(dir.filePath(f)).isSymLink())
            return true;
    return false;
}

// Installed, the executable's folder holds no data at all and another shipped
// folder holds it all (bin/ and share/bolv/). That shipped copy is never
// written, so the per-user folder serves whoever runs the program, root too.
bool installed(const QString& programFolder, const QStringList& shippedFolders,
               const QStringList& files) {
    if (holdsAny(programFolder, files)) return false;
    for (const QString& folder : shippedFolders)
        if (QDir(folder) != QDir(programFolder) && holdsAll(folder, files)) return true;
    return false;
}

// A copy written beside the target and renamed, so a half-copied file never
// takes the place of a data file; the folder is synced after the rename. The
// copy is the user's: writable.
bool copyFile(const QString& from, const QString& to) {
    return bolv::copiafile(QFile::encodeName(from).toStdString(),
                           QFile::encodeName(to).toStdString(), 0600);
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
    // permission is what counts, not the files'. A writable program folder is
    // used even when a file is missing from it: start-up then names the missing
    // file, where the per-user copies could be an older archive.
    if (QFileInfo(programFolder).isWritable() && !installed(programFolder, shippedFolders, files))
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
