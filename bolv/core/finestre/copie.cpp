#include "copie.h"

#include "cambioarchivio.h"
#include "copiearchivio.h"
#include "filedialog.h"
#include "messagebox.h"
#include "servizi.h"
#include "textformat.h"

namespace bolv {

namespace {

const QString FILTROBACKUP = QStringLiteral("Archivio di Bolv (*.bolv)|*.bolv");

// The chosen name, or an empty text when the dialog was cancelled.
QString sceglibackup(const QString& titolo, const QString& estensione, bool salva) {
    platform::FileDialog& dialogo = platform::commonDialog();
    dialogo.setTitle(titolo);
    dialogo.setFilter(FILTROBACKUP);
    dialogo.setDefaultExtension(estensione);
    dialogo.setFileName(QStringLiteral("backup.bolv"));
    const bool scelto = salva ? dialogo.showSave() : dialogo.showOpen();
    return scelto ? dialogo.fileName() : QString();
}

void mostraerrore(const std::string& testo) {
    platform::message(QString::fromStdString(testo), platform::defaultTitle(),
                      platform::Icon::Critical);
}

} // namespace

void creabackup() {
    const Stato& s = programma();
    const QString scelto =
        sceglibackup(QStringLiteral("Crea backup dei dati"), QStringLiteral("bolv"), true);
    if (scelto.isEmpty()) return;
    // The archive itself is refused below: no point asking to overwrite it.
    if (!stessofile(scelto.toStdString(), s.percorso("archivio.dat")) &&
        !confermascrittura(scelto, QStringLiteral("Sovrascrivere ?")))
        return;
    if (const auto errore = copiabackup(s, scelto.toStdString())) mostraerrore(*errore);
}

void ripristinabackup() {
    const QString scelto =
        sceglibackup(QStringLiteral("Ripristina backup dei dati"), QStringLiteral("*.bolv"), false);
    if (scelto.isEmpty()) return;
    const auto ripristina = [&scelto](Stato& s) {
        const auto errore = ripristinadabackup(s, scelto.toStdString());
        if (errore) mostraerrore(*errore);
        return !errore;
    };
    const auto annuncia = [](Stato&) {
        platform::message(QString::fromUtf8(
            "L'archivio scelto è stato ripristinato come archivio corrente. Il programma "
            "provvederà ora a rileggere il nuovo archivio."));
    };
    cambiaarchivio(programma(), ripristina, annuncia);
}

void esportamenu_Click() {
    if (!platform::ask(QStringLiteral("Esportare l'archivio di Bolv in formato testo ?"),
                       QStringLiteral("Esportazione archivio")))
        return;
    const auto datalunga = [](const Data& d) {
        return platform::formatDate(d, QStringLiteral("ddd dd.mm.yyyy")).toStdString();
    };
    if (!esportaarchivio(programma(), datalunga)) {
        mostraerrore("Impossibile scrivere il file di testo <archivio.txt> nella directory del "
                     "programma: l'archivio non è stato esportato.");
        return;
    }
    platform::message(QString::fromUtf8(
        "L'archivio di Bolv è stato esportato con successo nel file di testo <archivio.txt> "
        "nella directory del programma."));
}

} // namespace bolv
