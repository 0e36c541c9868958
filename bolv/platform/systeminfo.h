// "System Info": the system-information program of this desktop, in place of the
// Windows System Information tool that Bolv looked up in the registry.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The programs looked for on the PATH, in order of preference.
const QStringList& systemInfoPrograms();
// The first of them found on the PATH, or an empty text.
QString findSystemInfoProgram();
// Starts it detached from Bolv; false when none is installed or it cannot start.
bool startSystemInfo();

} // namespace platform
