// The services every window of Bolv uses: printing or saving a grid with its
// title lines, help by context number, copying the active grid or text box.
#pragma once

#include "gridcontent.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class QMenu;
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

// A window's text report: its lines, how they are printed and how they are saved.
struct Rapportotesto {
    QStringList linee;    // the lines, as saved
    QStringList stampate; // the lines printed, where they differ from the saved ones
    // Printed in Courier at the printer font size of the menus, or else in the printer's
    // current font.
    bool dimensionescelta = true;
    QString titolo;   // the save dialog's title
    QString proposto; // the file name it proposes
    // The question asked when the chosen file exists, after "Il file esiste già. ".
    QString seesiste;
    bool sostituisce = false; // the report replaces the file; else it is appended to it
};

// The report of a grid under its title lines, saved as "Salva tabella su file di testo",
// proposed under the name of title line 1, appended to the file chosen.
Rapportotesto rapportogriglia(const Stato& s, const platform::GridContent& griglia,
                              const Righe& righe, const std::vector<int>& colonne);

// The report on the printer, smaller where a line would not fit the page's width. A printer
// that cannot start has been told.
void stampatesto(const Stato& s, const Rapportotesto& r);
// The report in a text file the user chooses. A cancelled dialog, or No to the question
// about an existing file, writes nothing; a file that cannot be written is reported in a
// message and left as it was.
void salvatesto(const Rapportotesto& r);
// On the printer or in a file, by the output setting of s.
void stampaosalvatesto(const Stato& s, const Rapportotesto& r);

// True when path may be written: it does not exist, or the user answers Yes to
// "Il file esiste già. " followed by seesiste.
bool confermascrittura(const QString& path, const QString& seesiste);

// Appends lines (each ended by CR LF) to path through a temporary file holding a
// copy of the old content, so a failure never damages what the file held; false
// when it could not be written, or when path is not a regular file (a FIFO is
// refused at once).
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

// The main window's menu of that name (its popup menus among them); null without it.
QMenu* menuprincipale(const QString& nome);

// Closes, if open, the windows that show archive data, in their fixed order (the closing
// places of the window tables).
void chiudianalisi();

} // namespace bolv
