#include "avvio.h"

#include "datafolder.h"
#include "desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::setUpDesktop();
    QApplication::setApplicationName(QStringLiteral("Bolv"));
    QApplication::setOrganizationName(QStringLiteral("Bolv"));
    auto avviato = bolv::avvia(bolv::programma(), {platform::dataFolder().path, {}});
    if (!avviato) return 1;
    return QApplication::exec();
}
