#include "catalogo.h"

#include "about.h"
#include "bolvmain.h"
#include "cfgform.h"
#include "init.h"
#include "servizi.h"

#include "clipboard.h"
#include "help.h"
#include "messagebox.h"
#include "windowregistry.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace bolv {

namespace {

using platform::WindowKind;

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
    m.esegui({Tipoazione::finestra, "ambi"}, dabarra);
}

void finestre(bolvmain& m) {
    auto& r = platform::registry();
    Stato& s = m.stato();
    r.define(
        QStringLiteral("init"), [] { return new init; }, WindowKind::TopLevel);
    r.define(
        QStringLiteral("about"), [] { return new about; }, WindowKind::TopLevel);
    r.define(
        QStringLiteral("cfgform"), [&s] { return new cfgform(s); }, WindowKind::TopLevel);
}

void comandi(bolvmain& m) {
    QMdiArea& area = *m.area();
    m.registracomando(QStringLiteral("escmenu"), [&m] { m.esci(); });
    m.registracomando(QStringLiteral("copiamenu"), [] { copia(); });
    m.registracomando(QStringLiteral("clearmenu"), [] { platform::clearClipboard(); });
    m.registracomando(QStringLiteral("glomenu"), [] { mostraguida(33); });
    m.registracomando(QStringLiteral("guidamenu"), [] { platform::showHelpContents(); });
    m.registracomando(QStringLiteral("indexmenu"), [] {
        platform::showHelpIndex();
        platform::showHelpSearch();
    });
    m.registracomando(QStringLiteral("mnuWCascade"), [&area] { area.cascadeSubWindows(); });
    m.registracomando(QStringLiteral("mnuWArrange"), [&area] { disponiicone(area); });
    if (platform::registry().isDefined(QStringLiteral("ambi"))) {
        m.registracomando(QStringLiteral("tuttiambi_menu"), [&m] { tuttiambi(m, false); });
        m.registracomando(QStringLiteral("tutti"), [&m] { tuttiambi(m, true); });
    }
}

} // namespace

void registracatalogo(bolvmain& principale) {
    finestre(principale);
    comandi(principale);
    registraopzioni(principale);
}

} // namespace bolv
