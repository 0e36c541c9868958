// One running copy of the program per user. The lock is a QLockFile in the
// user's runtime folder: a copy that crashed leaves a lock whose process is
// gone, and the next start takes it over instead of being refused. Age alone
// never makes a lock stale (a copy may run for days).
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

class SingleInstance {
  public:
    // folder empty: the per-user runtime folder (else the app data folder).
    explicit SingleInstance(const QString& name = QStringLiteral("bolv"),
                            const QString& folder = {});
    ~SingleInstance();

    // True when this is the only copy; the lock is held until destruction.
    bool acquire();
    QString lockPath() const { return path_; }

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace platform
