#include "catalogo.h"

#include "bolvmain.h"
#include "finestreanalisi.h"
#include "finestrearchivio.h"
#include "finestregioco.h"
#include "finestrenucleo.h"
#include "inserimento.h"
#include "massimi.h"
#include "nomifinestre.h"
#include "ricerca.h"
#include "servizi.h"
#include "tabform.h"

#include "clipboard.h"
#include "help.h"
#include "messagebox.h"
#include "windowregistry.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <optional>

namespace bolv {

namespace {

// Lines up the minimised child windows along the bottom of the client area, left to
// right, starting a row higher when one is full.
void disponiicone(QMdiArea& area) {
    int x = 0, y = area.viewport()->height();
    int altezzariga = 0;
    for (QMdiSubWindow* figlia : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!figlia->isMinimized() || !figlia->isVisible()) continue;
        const QSize lato = figlia->size();
        if (x > 0 && x + lato.width() > area.viewport()->width()) {
            x = 0;
            y -= altezzariga;
            altezzariga = 0;
        }
        if (altezzariga == 0) altezzariga = lato.height();
        figlia->move(x, y - altezzariga);
        x += lato.width();
    }
}

// "Tutti gli ambi": the table of all pairs needs the pair tables built.
void tuttiambi(bolvmain& m, bool dabarra) {
    if (!m.stato().ambiattivi) {
        platform::message(QStringLiteral(
            "Per fare uso di questa tabella occorre prima attivare la sorte di ambo."));
        return;
    }
    m.esegui({Tipoazione::finestra, nomi::ambi}, dabarra);
}

// "Incolla estrazione dagli appunti" and its toolbar key: the entry window, brought up, gets
// the draw on the clipboard (it shows what it was given; nothing is stored before
// "INSERISCI").
void incollaestrazione(bolvmain& m, bool dabarra) {
    const QString nome = QString::fromLatin1(nomi::inserimento);
    if (dabarra)
        m.visform(nome);
    else
        platform::registry().show(nome);
    if (auto* f = platform::registry().window<inserimento>(nome)) f->incolla();
}

// The group of the current row of the active window, when that window's grid offers the search.
std::optional<Richiestaricerca> richiestadellafinestraattiva(const QMdiArea& area) {
    platform::WindowRegistry& r = platform::registry();
    QMdiSubWindow* attiva = area.currentSubWindow();
    const QString formazioni = QString::fromLatin1(nomi::tabform);
    if (attiva && attiva == r.subWindow(formazioni))
        return r.window<tabform>(formazioni)->richiestaricerca();
    const QString classifica = QString::fromLatin1(nomi::massimi);
    if (attiva && attiva == r.subWindow(classifica))
        return r.window<massimi>(classifica)->richiestaricerca();
    return std::nullopt;
}

// "Ricerca Statistica" of the grids' popup: the statistics-search window, brought up, gets
// the group to search; the user starts the search. With the focus gone from the window
// whose grid was clicked nothing happens.
void ricercadariga(bolvmain& m) {
    const auto richiesta = richiestadellafinestraattiva(*m.area());
    if (!richiesta) return;
    const QString nome = QString::fromLatin1(nomi::ricerca);
    m.visform(nome);
    if (auto* f = platform::registry().window<ricerca>(nome)) f->imposta(*richiesta);
}

// None of these touches the data: they may run while a window's computation goes on.
void comandi(bolvmain& m) {
    QMdiArea& area = *m.area();
    const auto comando = [&m](const char* nome, bolvmain::Comando c) {
        m.registracomando(QString::fromLatin1(nome), std::move(c), bolvmain::libero);
    };
    comando("escmenu", [&m] { m.esci(); });
    comando("copiamenu", [] { copia(); });
    comando("clearmenu", [] { platform::clearClipboard(); });
    comando("glomenu", [] { mostraguida(33); });
    comando("guidamenu", [] { platform::showHelpContents(); });
    comando("indexmenu", [] {
        platform::showHelpIndex();
        platform::showHelpSearch();
    });
    comando("mnuWCascade", [&area] { area.cascadeSubWindows(); });
    comando("mnuWArrange", [&area] { disponiicone(area); });
    if (platform::registry().isDefined(QString::fromLatin1(nomi::ambi))) {
        comando("tuttiambi_menu", [&m] { tuttiambi(m, false); });
        comando("tutti", [&m] { tuttiambi(m, true); });
    }
    if (platform::registry().isDefined(QString::fromLatin1(nomi::inserimento))) {
        comando("incollamenu", [&m] { incollaestrazione(m, false); });
        comando("incolla", [&m] { incollaestrazione(m, true); });
    }
    if (platform::registry().isDefined(QString::fromLatin1(nomi::ricerca)))
        comando("ricstatmenu", [&m] { ricercadariga(m); });
}

} // namespace

void aggiungitabelle() {
    for (auto tabella : {finestrenucleo(), finestreanalisi(), finestrearchivio(), finestregioco()})
        aggiungitabella(tabella);
}

void registracatalogo(bolvmain& principale) {
    aggiungitabelle();
    definiscifinestre(principale.stato());
    comandi(principale);
    registraopzioni(principale);
}

} // namespace bolv
