#pragma once

// What makes cruciverba an Italian program on any Linux desktop, set once at start: the Italian
// locale and Qt's own Italian texts (file and print dialogs, question buttons) whatever the
// system's language, the faces the windows and the listing are laid out for, and the window icon.

#include <QIcon>
#include <QStringList>

class QApplication;

namespace cruciverba {

// Everything below, for the running program.
void PreparaProgramma(QApplication& app);

// The Italian locale for every date, weekday and number, and Qt's Italian translation; false
// when the translation is not installed (Qt then speaks English).
bool ImpostaItaliano();

// The Windows faces the layouts assume, mapped to faces of the same metrics (Liberation) or,
// for the two bitmap faces, to a close sans face; each name with its fallbacks in order.
struct SostituzioneCarattere {
    const char* nome;
    QStringList sostituti;
};
const QList<SostituzioneCarattere>& SostituzioniCaratteri();
void SostituisciCaratteri();

// The program's picture for its windows: the SVG of the resources, or the drawn crossword
// where this Qt has no SVG support.
QIcon IconaProgramma();

} // namespace cruciverba
