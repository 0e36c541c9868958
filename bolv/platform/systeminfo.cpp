#include "systeminfo.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform {

const QStringList& systemInfoPrograms() {
    static const QStringList programs = {
        QStringLiteral("hardinfo2"),           QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),         QStringLiteral("gnome-system-monitor"),
        QStringLiteral("mate-system-monitor"),
    };
    return programs;
}

QString findSystemInfoProgram() {
    for (const QString& name : systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return {};
}

bool startSystemInfo() {
    const QString program = findSystemInfoProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace platform
