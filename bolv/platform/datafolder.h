// Where the data files live. Run from the build folder (or any writable
// folder) it is the folder of the executable, even with a file missing there.
// Installed (the data in share/bolv, none beside the executable) or in a
// folder that cannot be written, it is a per-user folder, seeded on first
// start with copies of the shipped files; files already there are kept.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

struct DataFolder {
    QString path;         // the folder to use
    bool perUser = false; // the per-user folder was chosen
    QStringList seeded;   // files copied into it now
};

// files: the files the program cannot start without; programFolder: the
// executable's folder; shippedFolders: where shipped copies may be found when
// programFolder is not used (program folder first); userFolder: the per-user
// folder. When no folder can be made to hold every
// file, programFolder is returned (start-up then reports the missing file).
DataFolder resolveDataFolder(const QString& programFolder, const QStringList& shippedFolders,
                             const QString& userFolder, const QStringList& files);

// The same for the running program: the executable's folder, the shipped
// copies there or in ../share/bolv, and QStandardPaths::AppDataLocation.
DataFolder dataFolder(const QStringList& files);

} // namespace platform
