#include "singleinstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

namespace {
QString lockFolder(const QString& folder) {
    if (!folder.isEmpty()) return folder;
    QString f = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (f.isEmpty()) f = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return f;
}
} // namespace

SingleInstance::SingleInstance(const QString& name, const QString& folder)
    : path_(QDir(lockFolder(folder)).filePath(name + QStringLiteral(".lock"))) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    if (lock_ && lock_->isLocked()) return true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_);
    // A lock is stale only when the process that wrote it is gone; QLockFile
    // then removes it and takes it over.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

} // namespace platform
