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
// takes the place of a data file.
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
} // namespace

bool usableInPlace(const QString& folder, const QStringList& files) {
    if (!holdsAll(folder, files) || !QFileInfo(folder).isWritable()) return false;
    const QDir dir(folder);
    for (const QString& f : files)
        if (!QFileInfo(dir.filePath(f)).isWritable()) return false;
    return true;
}

DataFolder resolveDataFolder(const QString& programFolder, const QStringList& shippedFolders,
                             const QString& userFolder, const QStringList& files) {
    if (usableInPlace(programFolder, files)) return {programFolder, false, {}};
    QString source;
    for (const QString& f : shippedFolders)
        if (holdsAll(f, files)) {
            source = f;
            break;
        }
    DataFolder result{userFolder, true, {}};
    if (!source.isEmpty() && QDir().mkpath(userFolder)) {
        const QDir from(source), to(userFolder);
        for (const QString& f : files) {
            if (QFileInfo::exists(to.filePath(f))) continue; // the user's own data stays
            if (copyFile(from.filePath(f), to.filePath(f))) result.seeded << f;
        }
    }
    if (holdsAll(userFolder, files)) return result;
    return {programFolder, false, {}};
}

DataFolder dataFolder(const QStringList& files) {
    const QString program = QCoreApplication::applicationDirPath();
    const QString shared = QDir(program).absoluteFilePath(QStringLiteral("../share/bolv"));
    return resolveDataFolder(program, {program, shared},
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                             files);
}

} // namespace platform
