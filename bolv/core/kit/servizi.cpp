#include "servizi.h"

#include "definizionefinestra.h"

#include "clipboard.h"
#include "filedialog.h"
#include "filesicuri.h"
#include "grid.h"
#include "help.h"
#include "messagebox.h"
#include "printer.h"
#include "stato.h"
#include "textcolumns.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace bolv {

namespace {
int colonna(const std::vector<int>& colonne, int j) {
    return j < static_cast<int>(colonne.size()) ? colonne[j] : 1;
}

// One grid row with each cell at its print column.
void rigagriglia(platform::TextColumns& testo, const platform::GridContent& g, int riga,
                 const std::vector<int>& colonne) {
    for (int j = 0; j < g.cols(); ++j) {
        testo.tab(colonna(colonne, j));
        testo.write(g.text(riga, j));
    }
    testo.newLine();
}
} // namespace

QStringList righereport(const platform::GridContent& griglia, const Righe& righe,
                        const std::vector<int>& colonne, const QString& aggiornamento) {
    const int ultima = griglia.cols() - 1;
    // The rule is as long as the first data row's last cell reaches; a grid
    // without a data row has no such cell and the rule stops at its column.
    const int lunghezza = (griglia.rows() > 1 && ultima >= 0 ? griglia.text(1, ultima).size() : 0) +
                          (ultima >= 0 ? colonna(colonne, ultima) : 0);
    const QString regola(std::max(lunghezza, 0), QLatin1Char('-'));

    platform::TextColumns testo;
    auto riga = [&](const QString& t) {
        testo.write(t);
        testo.newLine();
    };
    riga(QStringLiteral("Bolv"));
    riga(regola);
    riga(righe[0]);
    riga(regola);
    riga(QStringLiteral("Dati aggiornati all' estrazione del ") + aggiornamento);
    riga(regola);
    for (int i = 1; i <= 10; ++i)
        if (!righe[i].isEmpty()) riga(righe[i]);
    riga(regola);
    if (griglia.rows() > 0) rigagriglia(testo, griglia, 0, colonne);
    riga(regola);
    for (int i = 1; i < griglia.rows(); ++i)
        rigagriglia(testo, griglia, i, colonne);
    riga(QString());
    riga(regola);
    riga(QString());
    riga(QString());
    return testo.lines();
}

QString dataultimaestrazione(const Stato& s) {
    const int n = std::clamp(s.numestrazioni, 0, NUMSLOT);
    return platform::formatDate(s.dateestrazioni[n], QStringLiteral("dd.mm.yyyy"));
}

Rapportotesto rapportogriglia(const Stato& s, const platform::GridContent& griglia,
                              const Righe& righe, const std::vector<int>& colonne) {
    Rapportotesto r;
    r.linee = righereport(griglia, righe, colonne, dataultimaestrazione(s));
    r.titolo = QStringLiteral("Salva tabella su file di testo");
    r.proposto = righe[1] + QStringLiteral(".txt");
    r.seesiste = QStringLiteral("Appendere la tabella al file ?");
    return r;
}

void stampatesto(const Stato& s, const Rapportotesto& r) {
    auto stampante = platform::openPrinter();
    if (!stampante) return;
    const QStringList& linee = r.stampate.isEmpty() ? r.linee : r.stampate;
    if (r.dimensionescelta) stampante->setFont(QStringLiteral("Courier"), s.dimensionecarattere);
    // A report wider than the paper is printed smaller rather than cut at the edge.
    stampante->shrinkToFit(linee);
    stampante->printLines(linee);
    stampante->endDoc();
}

QString messaggioscrittura(const QString& path) {
    return QStringLiteral("Impossibile scrivere il file ") + path +
           QStringLiteral(". Controllare che la cartella esista, che il file non sia protetto da "
                          "scrittura e che il disco non sia pieno; il file non è stato "
                          "modificato.");
}

namespace {
QByteArray righecrlf(const QStringList& lines) {
    QByteArray dati;
    for (const QString& l : lines)
        dati += l.toUtf8() + "\r\n";
    return dati;
}

// The lines handed to one of the file road's writes (replace or append), by the file's
// name on disk.
bool scrivitesto(bool (*scrivi)(const std::string&, const std::vector<uint8_t>&),
                 const QString& path, const QStringList& lines) {
    const QByteArray dati = righecrlf(lines);
    return scrivi(QFile::encodeName(path).toStdString(),
                  std::vector<uint8_t>(dati.begin(), dati.end()));
}

std::optional<QString> sceglifiletesto(const QString& titolo, const QString& proposto) {
    platform::FileDialog& dialogo = platform::commonDialog();
    dialogo.setTitle(titolo);
    dialogo.setFilter(QStringLiteral("File di testo (*.txt)|*.txt"));
    dialogo.setDefaultExtension(QStringLiteral("*.txt"));
    dialogo.setFileName(proposto);
    if (!dialogo.showSave()) return std::nullopt;
    return dialogo.fileName();
}
} // namespace

bool accodatesto(const QString& path, const QStringList& lines) {
    return scrivitesto(accodafile, path, lines);
}

bool confermascrittura(const QString& path, const QString& seesiste) {
    return !QFileInfo::exists(path) ||
           platform::ask(QStringLiteral("Il file esiste già. ") + seesiste);
}

void salvatesto(const Rapportotesto& r) {
    const auto scelto = sceglifiletesto(r.titolo, r.proposto);
    if (!scelto) return; // cancelled: nothing is written
    const QString& nome = *scelto;
    if (nome.isEmpty() || QFileInfo(nome).isDir()) {
        platform::message(QStringLiteral("Nome di file non valido."));
        return;
    }
    if (!confermascrittura(nome, r.seesiste)) return;
    const bool scritto =
        r.sostituisce ? scrivitesto(scrivifilesicuro, nome, r.linee) : accodatesto(nome, r.linee);
    if (!scritto) platform::message(messaggioscrittura(nome));
}

void stampaosalvatesto(const Stato& s, const Rapportotesto& r) {
    if (s.stampasufile)
        salvatesto(r);
    else
        stampatesto(s, r);
}

void mostraguida(long contesto) {
    platform::showHelpTopic(static_cast<int>(contesto));
}

namespace {
QWidget* controlloattivo() {
    QMdiArea* area = platform::registry().mdiArea();
    QMdiSubWindow* finestra = area ? area->activeSubWindow() : nullptr;
    if (!finestra || !finestra->widget()) return nullptr;
    QWidget* w = finestra->widget()->focusWidget();
    if (!w) return nullptr;
    // The viewport of a grid has the focus when a cell was clicked.
    for (QWidget* p = w; p && p != finestra; p = p->parentWidget())
        if (qobject_cast<platform::Grid*>(p)) return p;
    return w;
}
} // namespace

QWidget* controllocopiabile() {
    QWidget* w = controlloattivo();
    if (qobject_cast<platform::Grid*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
        return w;
    return nullptr;
}

void copia() {
    platform::clearClipboard();
    QWidget* w = controllocopiabile();
    if (auto* g = qobject_cast<platform::Grid*>(w)) {
        platform::setClipboardText(g->selectedText());
    } else if (auto* l = qobject_cast<QLineEdit*>(w)) {
        platform::setClipboardText(l->text());
    } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
        platform::setClipboardText(t->toPlainText());
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        platform::setClipboardText(p->toPlainText());
    }
}

QMenu* menuprincipale(const QString& nome) {
    QMainWindow* principale = platform::registry().mainWindow();
    return principale ? principale->findChild<QMenu*>(nome) : nullptr;
}

void chiudianalisi() {
    platform::registry().closeOpen(finestredati());
}

} // namespace bolv
