// Preloaded (LD_PRELOAD) into a Bolv started by the package test. The program reads no command
// line and no environment, so this is how the test sees what it shows: once the event loop
// runs, every tenth of a second it looks at the top-level windows. The main window shown
// means the program has started: its title and status-bar panels are printed and the
// program ends with 0. A message box means start-up has stopped with a message: its text is
// printed and the program ends with 2. Nothing after a minute ends it with 3.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finish(int code) {
    std::fflush(stdout);
    std::_Exit(code); // nothing of the program runs after the report
}

void look() {
    static int rounds = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            std::printf("message: %s\n", qPrintable(box->text()));
            finish(2);
        }
        if (auto* main = qobject_cast<QMainWindow*>(w)) {
            std::printf("window: %s\n", qPrintable(main->windowTitle()));
            for (QLabel* panel : main->statusBar()->findChildren<QLabel*>())
                std::printf("panel: %s\n", qPrintable(panel->text()));
            finish(0);
        }
    }
    if (++rounds == 600) {
        std::printf("nothing shown\n");
        finish(3);
    }
    QTimer::singleShot(100, look);
}

void start() {
    QTimer::singleShot(0, look);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
