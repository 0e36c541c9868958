// The base of every Qt Test of Bolv's windows, and the seams a window test answers through.
//
// A test class derives from Provafinestre instead of QObject. Before its first test the
// Italian locale is pinned (dates, weekdays and numbers are written as the program shows
// them), the boxes are titled with the program's name, and the window tables are made known (help
// contexts, the windows a recomputation closes); before and after every test the window registry is
// emptied. A test class that needs its own init() or cleanup() calls Provafinestre's from it.
//
// The program folder and archive of a test, and a started program, are in
// archiviodiprova.h.
#pragma once

#include "filedialog.h"
#include "help.h"
#include "messagebox.h"
#include "printer.h"

#include <QObject>

namespace prova {

class Provafinestre : public QObject {
    Q_OBJECT

  protected slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
};

// Every seam a window reaches, standing in for the real dialogs, printer and help while it
// lives: questions answered from a queue, file names chosen, print jobs recorded, help
// topics noted.
struct Finte {
    platform::BoxSeam scatole;
    platform::FileDialogSeam file;
    platform::PrinterSeam stampe;
    platform::HelpSeam guida;
};

} // namespace prova
