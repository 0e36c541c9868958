// The main window: every entry and button reaches its one window or command, entries wait
// for their window, the formation selectors, the "Modifica" rule, the popup on the client
// area, the status bar and the icon animation.
#include "bolvmain.h"
#include "immagini.h"
#include "provafinestre.h"
#include "voci.h"

#include "clipboard.h"
#include "messagebox.h"
#include "popupmenu.h"
#include "windowregistry.h"

#include <QButtonGroup>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

using namespace bolv;

namespace {

// A stand-in for a window a later issue builds: the formations window gets its group and
// family buttons, each set in a group of its own.
QWidget* finestrafinta(const QString& nome) {
    auto* w = new QWidget;
    w->setWindowTitle(nome);
    auto* colonna = new QVBoxLayout(w);
    colonna->addWidget(new QLineEdit(w));
    if (nome == QLatin1String(FINESTRAFORMAZIONI)) {
        for (const auto& [base, quanti] : {std::pair{"Option3", 6}, std::pair{"Option5", 8}}) {
            auto* gruppo = new QButtonGroup(w);
            for (int i = 0; i < quanti; ++i) {
                auto* o = new QRadioButton(w);
                o->setObjectName(QStringLiteral("%1(%2)").arg(base).arg(i));
                gruppo->addButton(o);
                colonna->addWidget(o);
            }
        }
    }
    return w;
}

QSet<QString> finestredeltavolo() {
    QSet<QString> nomi;
    for (const auto& v : vocimenu())
        if (v.azione.tipo == Tipoazione::finestra) nomi << QString::fromLatin1(v.azione.bersaglio);
    nomi << QString::fromLatin1(FINESTRAFORMAZIONI) << QStringLiteral("ambi");
    return nomi;
}

// Every window of the tables that the program does not define yet, as a stand-in.
void definiscifinte() {
    auto& r = platform::registry();
    for (const QString& nome : finestredeltavolo())
        if (!r.isDefined(nome)) r.define(nome, [nome] { return finestrafinta(nome); });
}

QString spuntato(QWidget* f, const char* base, int quanti) {
    for (int i = 0; i < quanti; ++i)
        if (f->findChild<QRadioButton*>(QStringLiteral("%1(%2)").arg(base).arg(i))->isChecked())
            return QString::number(i);
    return {};
}

} // namespace

class TestBolvmain : public prova::Provafinestre {
    Q_OBJECT

    std::unique_ptr<Stato> s;
    std::unique_ptr<bolvmain> m;

    void nuova(bool finte) {
        m.reset();
        platform::registry().reset();
        s = std::make_unique<Stato>();
        if (finte) definiscifinte();
        m = std::make_unique<bolvmain>(*s);
        m->show();
    }

  private slots:
    void init() { nuova(true); }
    void cleanupTestCase() {
        m.reset();
        Provafinestre::cleanupTestCase();
    }

    // Each entry and button that opens a window opens that one and no other.
    void ognivoceapresuafinestra() {
        platform::BoxSeam scatole;
        s->ambiattivi = true; // "Tutti gli ambi" opens its table only then
        struct Caso {
            QString nome, finestra;
        };
        QList<Caso> casi;
        for (const auto& v : vocimenu())
            if (v.azione.tipo == Tipoazione::finestra || v.azione.tipo == Tipoazione::formazione)
                casi.append({QString::fromLatin1(v.nome), QString::fromLatin1(v.azione.bersaglio)});
        for (auto barra : {pulsantistandard(), pulsantifunzioni()})
            for (const auto& p : barra)
                if (p.chiave && (p.azione.tipo == Tipoazione::finestra ||
                                 p.azione.tipo == Tipoazione::formazione))
                    casi.append(
                        {QString::fromLatin1(p.chiave), QString::fromLatin1(p.azione.bersaglio)});
        casi.append(Caso{"tuttiambi_menu", "ambi"});
        casi.append(Caso{"tutti", "ambi"});
        QCOMPARE(casi.size(), 23 + 37 + 10 + 13 + 2);

        for (const Caso& c : casi) {
            QAction* a = m->voce(c.nome);
            QVERIFY2(a, qPrintable(c.nome));
            m->disattivaambiterni();
            for (const char* n : {"ternimenu", "maxritmenu", "classifica", "tvergini"})
                m->abilita(n, true);
            QVERIFY2(a->isEnabled(), qPrintable(c.nome));
            a->trigger();
            QCOMPARE(platform::registry().openNames(), QStringList{c.finestra});
            QVERIFY2(platform::registry().frame(c.finestra)->isVisible(), qPrintable(c.nome));
            platform::registry().close(c.finestra);
        }
        QVERIFY(scatole.shown().isEmpty());
    }

    void pulsanteripristinafinestraridotta() {
        for (const char* chiave : {"archivio", "situ", "tabelle", "config"}) {
            QAction* a = m->voce(chiave);
            a->trigger();
            const QString nome = platform::registry().openNames().first();
            QWidget* cornice = platform::registry().frame(nome);
            cornice->showMinimized();
            a->trigger();
            QVERIFY2(!cornice->isMinimized() && cornice->isVisible(), chiave);
            if (auto* figlia = platform::registry().subWindow(nome))
                QCOMPARE(m->area()->activeSubWindow(), figlia);
            platform::registry().close(nome);
        }
    }

    void selettoridiformazione_data() {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("gruppo");
        QTest::addColumn<QString>("famiglia");
        QTest::newRow("Terzine Dispari") << "dispmenu"
                                         << "1"
                                         << "3";
        QTest::newRow("Ambi Gemelli") << "gemmenu"
                                      << "0"
                                      << "0";
        QTest::newRow("Lunghe A Base Gemellare") << "Labgmenu"
                                                 << "5"
                                                 << "5";
        QTest::newRow("Sestine Distanza 45") << "sdistmenu"
                                             << "4"
                                             << "7";
        QTest::newRow("pulsante tabelle") << "tabelle"
                                          << "0"
                                          << "0";
    }

    void selettoridiformazione() {
        QFETCH(QString, voce);
        QFETCH(QString, gruppo);
        QFETCH(QString, famiglia);
        m->voce("ssduesettetremenu")->trigger(); // another family shown before
        m->voce(voce)->trigger();
        QWidget* f = platform::registry().existing(FINESTRAFORMAZIONI);
        QVERIFY(f && f->isVisible());
        QCOMPARE(spuntato(f, "Option3", 6), gruppo);
        QCOMPARE(spuntato(f, "Option5", 8), famiglia);
    }

    void vocichenonfannonulla() {
        m->voce("pentamenu")->trigger();
        m->voce("processore")->trigger();
        for (const char* n : {"titolomenu", "ritmenu", "stomenu", "premenu"})
            m->voce(n)->trigger();
        QVERIFY(platform::registry().openNames().isEmpty());
        m->abilita("Validamenu", true);
        QVERIFY(!m->voce("Validamenu")->isEnabled());
    }

    void vocisenzafinestraspente() {
        nuova(false);
        // The program lacks no window or command that an entry or a key names.
        for (const auto& v : vocimenu())
            if (v.nome) QVERIFY2(m->disponibile(v.azione), v.nome);
        for (auto barra : {pulsantistandard(), pulsantifunzioni()})
            for (const auto& p : barra)
                if (p.chiave) QVERIFY2(m->disponibile(p.azione), p.chiave);
        // Were a window missing, its entries would wait for it.
        platform::registry().reset();
        m->aggiornadisponibilita();
        int senza = 0;
        for (const auto& v : vocimenu())
            if (v.azione.tipo == Tipoazione::finestra &&
                !platform::registry().isDefined(v.azione.bersaglio)) {
                QVERIFY2(!m->voce(v.nome)->isEnabled(), v.nome);
                ++senza;
            }
        QVERIFY(senza > 0);
        // The commands need no window.
        for (const char* n :
             {"escmenu", "glomenu", "guidamenu", "indexmenu", "help", "mnuWCascade", "clearmenu"})
            QVERIFY2(m->voce(n)->isEnabled(), n);
        // A window defined later enables its entries; the run-time state still rules them.
        platform::registry().define("massimi", [] { return finestrafinta("massimi"); });
        platform::registry().define("situ", [] { return finestrafinta("situ"); });
        m->aggiornadisponibilita();
        QVERIFY(m->voce("tabanamenu")->isEnabled());
        QVERIFY(m->voce("situ")->isEnabled());
        QVERIFY(!m->voce("maxritmenu")->isEnabled());
        QVERIFY(!m->voce("classifica")->isEnabled());
    }

    void tuttigliambisenzatabelle() {
        platform::BoxSeam scatole;
        m->voce("tuttiambi_menu")->trigger();
        m->voce("tutti")->trigger();
        QVERIFY(platform::registry().openNames().isEmpty());
        QCOMPARE(scatole.texts(),
                 QStringList(2, "Per fare uso di questa tabella occorre prima attivare la sorte "
                                "di ambo."));
    }

    void disattivaambiterni() {
        m->mostra("attivaa", false);
        m->abilita("ternimenu", true);
        m->disattivaambiterni();
        QVERIFY(m->voce("attivaa")->isVisible());
        QVERIFY(m->voce("attivat")->isVisible());
        for (const char* n : {"ternimenu", "maxritmenu", "classifica", "tvergini"})
            QVERIFY2(!m->voce(n)->isEnabled(), n);
    }

    void menumodifica() {
        QMenu* modifica = m->menu("modificamenu");
        platform::clearClipboard();
        emit modifica->aboutToShow();
        QVERIFY(!m->voce("copiamenu")->isEnabled());
        QVERIFY(!m->voce("incollamenu")->isEnabled());

        m->registracomando("incollamenu", [] {}); // the entry window's paste, built later
        platform::setClipboardText("01.02.2025 12 34");
        emit modifica->aboutToShow();
        QVERIFY(m->voce("incollamenu")->isEnabled());

        QWidget* w = platform::registry().show("ricerca");
        m->area()->setActiveSubWindow(platform::registry().subWindow("ricerca"));
        w->findChild<QLineEdit*>()->setFocus();
        emit modifica->aboutToShow();
        QVERIFY(m->voce("copiamenu")->isEnabled());
    }

    void clicdestrosullarea() {
        platform::PopupSeam menu;
        QTest::mouseClick(m->area()->viewport(), Qt::LeftButton);
        QTest::mousePress(m->area()->viewport(), Qt::RightButton);
        QCOMPARE(menu.menus(), QStringList{"funzionimenu"});
    }

    void barradistato() {
        QCOMPARE(m->statusBar()->objectName(), QStringLiteral("StatusBar1"));
        const char* suggerimenti[] = {"Data",
                                      "Ora",
                                      "Impostazioni dei limiti di archivio",
                                      "Indica se la sorte di ambo è attiva",
                                      "Indica se la sorte di terno è attiva",
                                      "Output per la stampa"};
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(m->pannello(i)->toolTip(), QString::fromUtf8(suggerimenti[i - 1]));
        QCOMPARE(m->pannello(4)->text(), QStringLiteral("AMBI"));
        QCOMPARE(m->pannello(5)->text(), QStringLiteral("TERNI"));
        s->ambiattivi = true;
        m->aggiornastato();
        QVERIFY(m->pannello(4)->isEnabled());
        QVERIFY(!m->pannello(5)->isEnabled());
    }

    void animazionedellicona() {
        // Image 2 at the first tick, round to image 1 at the 21st.
        const auto& fotogrammi = fotogrammianimazione();
        QCOMPARE(fotogrammi.size(), 21);
        m->animaicona();
        QCOMPARE(m->windowIcon().cacheKey(), fotogrammi.at(1).cacheKey());
        for (int i = 0; i < 20; ++i)
            m->animaicona();
        QCOMPARE(m->windowIcon().cacheKey(), fotogrammi.at(0).cacheKey());
    }

    // Every key has its own pictogram from the resources; a disabled key is grey and faint.
    void pulsanticonleloroimmagini() {
        for (auto tabella : {pulsantistandard(), pulsantifunzioni()})
            for (const Pulsante& p : tabella) {
                if (!p.chiave) continue;
                const QString chiave = QString::fromLatin1(p.chiave);
                QVERIFY2(QFile::exists(QStringLiteral(":/icone/%1.svg").arg(chiave)), p.chiave);
                QVERIFY2(!m->voce(chiave)->icon().pixmap(24).isNull(), p.chiave);
            }
        const QIcon icona = m->voce("classifica")->icon();
        QVERIFY(!m->voce("classifica")->isEnabled());
        const QImage normale = icona.pixmap(24, QIcon::Normal).toImage();
        const QImage spenta = icona.pixmap(24, QIcon::Disabled).toImage();
        const QPoint centro(12, 12);
        QVERIFY(qAlpha(spenta.pixel(centro)) < qAlpha(normale.pixel(centro)));
        const QColor grigio = QColor::fromRgba(spenta.pixel(centro));
        QCOMPARE(grigio.saturation(), 0);
        QVERIFY(!m->voce("escmenu")->icon().isNull());
    }

    void sovrapponi() {
        platform::registry().show("situ");
        platform::registry().show("ricerca");
        m->voce("mnuWCascade")->trigger();
        QVERIFY(platform::registry().frame("situ")->pos() !=
                platform::registry().frame("ricerca")->pos());
        emit m->menu("finestramenu")->aboutToShow();
        QStringList voci;
        for (QAction* a : m->menu("finestramenu")->actions())
            voci << a->text();
        // Each listed by its own title, whether a stand-in or the window itself.
        for (const char* nome : {"situ", "ricerca"})
            QVERIFY2(voci.contains(platform::registry().frame(nome)->windowTitle()), nome);
    }
};

QTEST_MAIN(TestBolvmain)
#include "test_bolvmain.moc"
