// The services every window of Bolv uses: printing or saving a grid with its
// title lines, help by context number, copying the active grid or text box.
#pragma once

#include "gridcontent.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class QWidget;

namespace bolv {

struct Stato;

// Title lines 0..10: 0 the title, 1..10 information lines (printed when not
// empty); line 1 also names the proposed file.
using Righe = std::array<QString, 11>;

// The lines of a grid report: the grid's cells placed at the print columns
// colonne (one per grid column, counted from 1; below 1 means 1) under the
// title block. aggiornamento is the date text of the last draw held.
QStringList righereport(const platform::GridContent& griglia, const Righe& righe,
                        const std::vector<int>& colonne, const QString& aggiornamento);
// The date text of the last draw held in the archive ("dd.mm.yyyy").
QString dataultimaestrazione(const Stato& s);

// Text lines on the printer, in Courier at dimensionecarattere points (smaller when a line
// would not fit the page's width). A printer that cannot start has been told.
void stampalinee(const QStringList& linee);
// The report on the printer, as stampalinee prints it.
void stampagriglia(const platform::GridContent& griglia, const Righe& righe,
                   const std::vector<int>& colonne);
// The report appended to a text file the user chooses. A cancelled dialog,
// or No to the question about an existing file, writes nothing; a file that
// cannot be written is reported in a message and left as it was.
void salvagriglia(const platform::GridContent& griglia, const Righe& righe,
                  const std::vector<int>& colonne);

// The save dialog for a text file, with its title and the name proposed: the name chosen,
// or nothing when the dialog is cancelled.
std::optional<QString> sceglifiletesto(const QString& titolo, const QString& proposto);

// Appends lines (each ended by CR LF) to path through a temporary file, so a
// failure never damages what the file held; false when it could not be written.
bool accodatesto(const QString& path, const QStringList& lines);
// The message for a file that could not be written.
QString messaggioscrittura(const QString& path);

// The help window at the topic of contesto (the contents when it has none).
void mostraguida(long contesto);

// The control that "Copia" copies: the focused control of the active child
// window when it is a grid or a text box, else null.
QWidget* controllocopiabile();
// Clears the clipboard, then puts on it the selected cells of the active grid
// or the whole text of the active text box.
void copia();

// Closes, if open, the windows that show archive data, in their fixed order (the closing
// places of the window tables).
void chiudianalisi();

} // namespace bolv
