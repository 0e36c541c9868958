// The program's look on a Linux desktop, set once at start-up: the interface is
// Italian by design, so Qt's own dialogs speak Italian and every date, weekday
// and number follows the Italian locale whatever the system locale is; the
// font names the windows and reports were laid out for are mapped to installed
// faces with the same metrics.
#pragma once

#include <QLocale>
#include <QString>

namespace platform {

inline const QLocale programLocale{QLocale::Italian, QLocale::Italy};

// The faces the layouts name, and the installed face each one stands for
// (first the metric-compatible one, then a close one).
struct FontMapping {
    QString family;
    QStringList substitutes;
};
const QList<FontMapping>& fontMappings();

// Loads Qt's Italian translation (false when it is not installed: the program
// still runs), makes the Italian locale the default and installs the font
// substitutions. Call after the QApplication exists.
bool setUpDesktop();

} // namespace platform
