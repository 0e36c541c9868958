#include "avvio.h"

#include "datafolder.h"
#include "desktop.h"
#include "filedati.h"
#include "guida.h"

#include <QApplication>

namespace {
QStringList filedati() {
    QStringList nomi;
    for (const std::string& nome : bolv::nomifiledati())
        nomi << QString::fromStdString(nome);
    return nomi;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bolv"));
    QApplication::setOrganizationName(QStringLiteral("Bolv"));
    platform::setUpDesktop();
    bolv::usaguida();
    auto avviato = bolv::avvia(bolv::programma(), {platform::dataFolder(filedati()).path, {}});
    if (!avviato) return 1;
    return QApplication::exec();
}
