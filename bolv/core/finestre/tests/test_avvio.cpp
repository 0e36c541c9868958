// Start-up and shutdown of Bolv: the refused starts, the configuration applied, the ready
// main window on the shipped archive, the two exit questions.
#include "about.h"
#include "avvio.h"
#include "bolvmain.h"
#include "cartelladiprova.h"
#include "elabora.h"
#include "init.h"
#include "interfacciafinestre.h"
#include "occupato.h"
#include "provafinestre.h"
#include "supporto.h"

#include "messagebox.h"
#include "singleinstance.h"
#include "windowregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

using namespace bolv;

namespace {

const QString MANCACONFIGURAZIONE =
    QStringLiteral("Impossibile trovare un file di configurazione. Ripristinare il file mancante o "
                   "reinstallare il programma.");
const QString MANCADATI = QStringLiteral(
    "Impossibile trovare un file di dati. Ripristinare il file mancante o reinstallare il "
    "programma.");

void mettislot(prova::Cartelladiprova& c, int slot, int16_t valore) {
    QByteArray cfg = c.leggi("bolv.cfg");
    cfg[2 * slot] = char(valore & 0xff);
    cfg[2 * slot + 1] = char((valore >> 8) & 0xff);
    QVERIFY(c.scrivi("bolv.cfg", cfg));
}

bool finestravisibile() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) return true;
    return false;
}

} // namespace

class TestAvvio : public prova::Provafinestre {
    Q_OBJECT

    QTemporaryDir blocchi; // the single-instance lock of these tests
    std::unique_ptr<Stato> s;

    std::unique_ptr<Bolvavviato> avviasu(const prova::Cartelladiprova& c) {
        s = std::make_unique<Stato>();
        return avvia(*s, {c.radice(), blocchi.path()});
    }

  private slots:
    void filemancanti_data() {
        QTest::addColumn<QStringList>("rimossi");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("dimensione"); // -1: removed
        QTest::addColumn<QString>("messaggio");
        const struct {
            const char* riga;
            const char* file;
            int dimensione;
            bool configurazione;
        } casi[] = {
            {"bolv.cfg mancante", "bolv.cfg", -1, true},
            {"bolv.cfg corto", "bolv.cfg", 100, true},
            {"bolv.cfg lungo", "bolv.cfg", 104, true},
            {"archivio.dat mancante", "archivio.dat", -1, false},
            {"archivio.dat corto", "archivio.dat", 527999, false},
            {"tab.dat mancante", "tab.dat", -1, false},
            {"tab.dat lungo", "tab.dat", 63757, false},
            {"vincite.dat mancante", "vincite.dat", -1, false},
            {"vincite.dat vuoto", "vincite.dat", 0, false},
        };
        for (const auto& c : casi)
            QTest::newRow(c.riga) << QStringList() << QString::fromLatin1(c.file) << c.dimensione
                                  << (c.configurazione ? MANCACONFIGURAZIONE : MANCADATI);
        QTest::newRow("tab.dat e archivio.dat mancanti: un messaggio")
            << QStringList{"archivio.dat"} << QStringLiteral("tab.dat") << -1 << MANCADATI;
    }

    void filemancanti() {
        QFETCH(QStringList, rimossi);
        QFETCH(QString, file);
        QFETCH(int, dimensione);
        QFETCH(QString, messaggio);
        prova::Cartelladiprova c;
        for (const QString& r : rimossi)
            QFile::remove(c.percorso(r));
        if (dimensione < 0)
            QFile::remove(c.percorso(file));
        else
            QVERIFY(QFile::resize(c.percorso(file), dimensione));
        const auto prima = c.contenuto();
        platform::BoxSeam scatole;

        QVERIFY(!avviasu(c));
        QCOMPARE(scatole.texts(), QStringList{messaggio});
        QCOMPARE(scatole.shown().first().title, QStringLiteral("Bolv"));
        QCOMPARE(c.contenuto(), prima);
        QVERIFY(!finestravisibile());
    }

    void secondaistanzarifiutata() {
        prova::Cartelladiprova c;
        platform::SingleInstance prima(QStringLiteral("bolv"), blocchi.path());
        QVERIFY(prima.acquire());
        platform::BoxSeam scatole;

        QVERIFY(!avviasu(c));
        QCOMPARE(scatole.shown().size(), 1);
        const platform::ShownBox& b = scatole.shown().first();
        QCOMPARE(b.text, QStringLiteral("Non è possibile avviare più di una sessione di Bolv per "
                                        "volta.\rPremere 'OK' per chiudere l'applicazione."));
        QCOMPARE(b.title, QStringLiteral("Bolv è già in esecuzione"));
        QCOMPARE(b.icon, platform::Icon::Critical);
        QCOMPARE(b.buttons, platform::Buttons::Ok);
        QVERIFY(!finestravisibile());
    }

    void finestrapronta() {
        prova::Cartelladiprova c;
        platform::BoxSeam scatole;
        auto avviato = avviasu(c);
        QVERIFY(avviato);
        bolvmain& m = avviato->principale();
        QVERIFY(m.isVisible());
        QVERIFY(scatole.shown().isEmpty());
        QVERIFY(!platform::registry().isOpen(QStringLiteral("init")));
        QVERIFY(!s->avvioincorso);
        QVERIFY(s->numestrazioni > 7000);
        QCOMPARE(s->primaestrazione, 1);
        QCOMPARE(s->ultimaestrazione, s->numestrazioni);
        QCOMPARE(m.pannello(3)->text(), QString::fromStdString(testostato(*s)));
        QVERIFY(m.pannello(3)->text().startsWith(QStringLiteral(" 1 (07.01.39 ) --> ")));
        QVERIFY(m.pannello(3)->text().endsWith(QStringLiteral(" estrazioni > TUTTE")));
        QCOMPARE(m.pannello(6)->text(), QStringLiteral("Output: stampante"));
        QVERIFY(!m.pannello(4)->isEnabled());
        QVERIFY(!m.pannello(5)->isEnabled());
        QCOMPARE(m.pannello(1)->text(),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        for (const char* nome : {"tuttemenu", "opz1871", "stampantemenu", "f8menu", "sfondomenu",
                                 "barramenu1", "barramenu2"})
            QVERIFY2(m.spuntata(nome), nome);
        QVERIFY(!m.sfondo().isNull());
        QVERIFY(m.Timer1()->isActive());
        QCOMPARE(m.Timer1()->interval(), 70);
        QVERIFY(m.Toolbar1()->isVisible() && m.toolbar2()->isVisible());
        QVERIFY(s->tabellavincite[0] > 0);
    }

    // Not a test of speed: the figure is printed for the record.
    void tempodiavvio() {
        prova::Cartelladiprova c;
        platform::BoxSeam scatole;
        QStringList tempi;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer cronometro;
            cronometro.start();
            auto avviato = avviasu(c);
            tempi << QString::number(cronometro.nsecsElapsed() / 1e6, 'f', 1);
            QVERIFY(avviato);
            avviato.reset();
            platform::registry().reset();
        }
        qInfo().noquote() << "start-up to the ready main window (ms):" << tempi.join(' ');
    }

    void configurazione() {
        struct Caso {
            const char* riga;
            int slot;
            int16_t valore;
            std::function<bool(const Stato&, const bolvmain&)> atteso;
        };
        const auto spuntate = [](const bolvmain& m, std::initializer_list<const char*> si,
                                 std::initializer_list<const char*> no) {
            for (const char* n : si)
                if (!m.spuntata(n)) return false;
            for (const char* n : no)
                if (m.spuntata(n)) return false;
            return true;
        };
        const Caso casi[] = {
            {"slot 3 = 1: dal 1939", 3, 1,
             [&](const Stato& s, const bolvmain& m) {
                 return s.primaestrazione == s.slot1939 &&
                        spuntate(m, {"opz1939"}, {"opz1871", "opz1945"});
             }},
            {"slot 3 = 2: dal 1945", 3, 2,
             [&](const Stato& s, const bolvmain& m) {
                 return s.primaestrazione == s.slot1945 && s.primaestrazione > 1 &&
                        spuntate(m, {"opz1945"}, {"opz1871", "opz1939"});
             }},
            {"slot 3 = 7: inizio dell'archivio", 3, 7,
             [&](const Stato& s, const bolvmain& m) {
                 return s.primaestrazione == 1 && spuntate(m, {"opz1871"}, {"opz1939", "opz1945"});
             }},
            {"slot 4 = 0: icona ferma", 4, 0,
             [](const Stato&, const bolvmain& m) { return !m.Timer1()->isActive(); }},
            {"slot 4 = 2: icona in rotazione", 4, 2,
             [](const Stato&, const bolvmain& m) { return m.Timer1()->isActive(); }},
            {"slot 5 = 1: output su file", 5, 1,
             [&](const Stato& s, const bolvmain& m) {
                 return s.stampasufile && m.pannello(6)->text() == "Output: file" &&
                        spuntate(m, {"stfilemenu"}, {"stampantemenu"});
             }},
            {"slot 8 = 2: barra standard nascosta", 8, 2,
             [&](const Stato&, const bolvmain& m) {
                 return m.Toolbar1()->isHidden() && !m.toolbar2()->isHidden() &&
                        spuntate(m, {"barramenu2"}, {"barramenu1"});
             }},
            {"slot 9 = 0: barra funzioni nascosta", 9, 0,
             [&](const Stato&, const bolvmain& m) {
                 return m.toolbar2()->isHidden() && spuntate(m, {}, {"barramenu2"});
             }},
            {"slot 21 = 0: carattere 5", 21, 0,
             [&](const Stato& s, const bolvmain& m) {
                 return s.dimensionecarattere == 5 && spuntate(m, {"f5menu"}, {"f8menu"});
             }},
            {"slot 21 = 9: carattere 8", 21, 9,
             [&](const Stato& s, const bolvmain& m) {
                 return s.dimensionecarattere == 8 && spuntate(m, {"f8menu"}, {});
             }},
            {"slot 1 = 0: nessuno sfondo", 1, 0,
             [&](const Stato&, const bolvmain& m) {
                 return m.sfondo().isNull() && spuntate(m, {}, {"sfondomenu"});
             }},
        };
        for (const Caso& caso : casi) {
            prova::Cartelladiprova c;
            mettislot(c, caso.slot, caso.valore);
            platform::BoxSeam scatole;
            auto avviato = avviasu(c);
            QVERIFY2(avviato, caso.riga);
            QVERIFY2(caso.atteso(*s, avviato->principale()), caso.riga);
            QVERIFY2(scatole.shown().isEmpty(), caso.riga);
            avviato.reset();
            platform::registry().reset();
        }
    }

    void benvenuto() {
        prova::Cartelladiprova c;
        mettislot(c, 2, 1);
        platform::BoxSeam scatole;
        QVERIFY(avviasu(c));
        QCOMPARE(scatole.shown().size(), 1);
        QVERIFY(scatole.texts().first().startsWith("Benvenuto a Bolv, programma freeware"));
        QCOMPARE(scatole.shown().first().icon, platform::Icon::None);
    }

    void sfondo() {
        // A picture that cannot be decoded gives way to the built-in one; a good one is shown.
        prova::Cartelladiprova c;
        QVERIFY(c.scrivi("sfondo.jpg", "non una immagine"));
        platform::BoxSeam scatole;
        auto avviato = avviasu(c);
        QVERIFY(avviato);
        QCOMPARE(avviato->principale().sfondo().size(), QSize(640, 480));
        avviato.reset();
        platform::registry().reset();

        QImage immagine(32, 16, QImage::Format_RGB32);
        immagine.fill(Qt::red);
        QVERIFY(immagine.save(c.percorso("sfondo.jpg"), "JPG"));
        avviato = avviasu(c);
        QCOMPARE(avviato->principale().sfondo().size(), QSize(32, 16));
        avviato.reset();
        platform::registry().reset();

        // A FIFO by the picture's name is refused at once, never waited on.
        QVERIFY(QFile::remove(c.percorso("sfondo.jpg")));
        const prova::Fifo fifo(QFile::encodeName(c.percorso("sfondo.jpg")).toStdString());
        avviato = avviasu(c);
        QVERIFY(avviato);
        QCOMPARE(avviato->principale().sfondo().size(), QSize(640, 480));
        QVERIFY(!fifo.aspettato());
    }

    void avanzidiscritture() {
        // What interrupted writes left beside the data files goes; names of another
        // pattern stay.
        prova::Cartelladiprova c;
        const QStringList avanzi{".bolv.cfg.bolv-a1B2c3", ".simul.dat.bolv-Zz0099"};
        const QStringList estranei{"bolv.cfg.a1B2c3", ".bolv.cfg.bolv-a1B2c", ".note.bolv-a1B2c3"};
        for (const QString& nome : avanzi + estranei)
            QVERIFY(c.scrivi(nome, "x"));
        platform::BoxSeam scatole;
        auto avviato = avviasu(c);
        QVERIFY(avviato);
        for (const QString& nome : avanzi)
            QVERIFY2(!QFileInfo::exists(c.percorso(nome)), qPrintable(nome));
        for (const QString& nome : estranei)
            QVERIFY2(QFileInfo::exists(c.percorso(nome)), qPrintable(nome));
    }

    void versione() {
        bolv::init splash(programma());
        about informazioni(programma());
        QCOMPARE(splash.findChild<QLabel*>("Label2")->text(), QStringLiteral("Versione 3.2.0"));
        QCOMPARE(informazioni.findChild<QLabel*>("Label1(1)")->text(),
                 QStringLiteral("Versione 3.2.0"));
        QCOMPARE(splash.windowTitle(),
                 QStringLiteral("Bolv per Windows 95  - Avvio del programma in corso..."));
    }

    void domandediuscita() {
        prova::Cartelladiprova c;
        platform::BoxSeam scatole;
        auto avviato = avviasu(c);
        bolvmain& m = avviato->principale();
        platform::registry().show(QStringLiteral("about"));

        QVERIFY(!m.close()); // No
        QVERIFY(m.isVisible());
        QVERIFY(platform::registry().isOpen(QStringLiteral("about")));
        QCOMPARE(scatole.texts(), QStringList{"Sicuro di voler uscire da Bolv ?"});
        QCOMPARE(scatole.shown().first().buttons, platform::Buttons::YesNo);
        QCOMPARE(scatole.shown().first().icon, platform::Icon::None);

        scatole.clearShown();
        scatole.queueAnswer(platform::Answer::Yes);
        QVERIFY(m.close());
        QVERIFY(!m.isVisible());
        QVERIFY(!finestravisibile());

        // "Esci": its own question, and Yes ends without the closing one.
        m.show();
        scatole.clearShown();
        m.voce("escmenu")->trigger();
        QVERIFY(m.isVisible());
        scatole.queueAnswer(platform::Answer::Yes);
        m.voce("escmenu")->trigger();
        QVERIFY(!m.isVisible());
        QCOMPARE(scatole.texts(),
                 (QStringList{"Sicuro di voler uscire?", "Sicuro di voler uscire?"}));
    }

    void nientedurantericalcolo() {
        // What runs while the recomputation lets events through: no command, no closing.
        prova::Cartelladiprova c;
        platform::BoxSeam scatole;
        scatole.setDefaultAnswer(platform::Answer::Yes);
        auto avviato = avviasu(c);
        bolvmain& m = avviato->principale();
        Interfacciafinestre interfaccia(m);
        bool chiusa = true, inricalcolo = false;
        QTimer::singleShot(0, &m, [&] {
            inricalcolo = attivitaincorso() == Attivita::ricalcolo;
            chiusa = m.close();
            m.voce("configmenu")->trigger();
        });
        interfaccia.eventi();
        QVERIFY(inricalcolo);
        QVERIFY(!chiusa);
        QVERIFY(m.isVisible());
        QVERIFY(!platform::registry().isOpen(QStringLiteral("cfgform")));
        QVERIFY(scatole.shown().isEmpty());
        QVERIFY(attivitaincorso() == Attivita::nessuna);
    }
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
