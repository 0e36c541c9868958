// The long-run helper: a window's computation runs with its progress shown and its
// "Interrompi" honoured; meanwhile the commands that would change the data are refused, so
// nothing the computation reads is changed or freed; closing the running window or the
// main window stops the run first.
#include "archiviodiprova.h"

#include "finestra.h"
#include "lavorolungo.h"
#include "messager.h"
#include "nomifinestre.h"
#include "occupato.h"
#include "tabelle.h"

#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

using namespace bolv;
using prova::Avviato;

namespace {

// What the computation of the test window found.
struct Esito {
    long letture = 0;
    bool fermata = false;
};

// Reads every pair of Bari once per pass, for giri passes, reporting after each one: a
// stand-in for a ranking that reads the tables a recomputation would free. A computation
// that ignored the stop would run all its passes.
Esito scorriambi(const Vistaambi& ambi, int giri, Avanzamento& a) {
    Esito e;
    long somma = 0;
    for (int giro = 1; giro <= giri; ++giro) {
        for (int x = 1; x < 90; ++x)
            for (int y = x + 1; y <= 90; ++y)
                somma += ambi.ritardo(1, x, y);
        e.letture += 4005;
        if (a.avanza(giro * 100 / giri)) {
            e.fermata = true;
            break;
        }
    }
    if (somma < 0) e.letture = -1; // keeps the reads from being optimised away
    return e;
}

// Enough passes for a run that is never stopped to take several seconds.
constexpr int MOLTIGIRI = 400000;

class Finestraprova : public Finestra {
  public:
    explicit Finestraprova(Stato& s, bool conbarra = true) : Finestra(s, nomi::massimi) {
        prog = new QProgressBar(this);
        prog->setObjectName(QStringLiteral("prog"));
        Command6 = pulsante(QStringLiteral("Command6"), QStringLiteral("Interrompi"), {});
        lavoro = std::make_unique<Lavorolungo>(this, conbarra ? prog : nullptr, Command6,
                                               QStringLiteral("Scansione degli ambi..."));
    }
    std::optional<Esito> elabora(int giri = MOLTIGIRI) {
        const Vistaambi ambi = *tabellaambi(s);
        return lavoro->esegui([ambi, giri](Avanzamento& a) { return scorriambi(ambi, giri, a); });
    }
    template <class F> auto elaboraconerrore(F&& errore) { return lavoro->esegui(errore); }
    using Finestra::Esci;

    QProgressBar* prog = nullptr;
    QPushButton* Command6 = nullptr;
    std::unique_ptr<Lavorolungo> lavoro;
};

// The program on the test archive with the pair tables built and the test window defined
// in place of the ranking window.
struct Programma {
    Avviato a;
    Programma() {
        a.voce("attivaa")->trigger();
        platform::registry().define(QString::fromLatin1(nomi::massimi),
                                    [] { return new Finestraprova(programma()); });
    }
    Finestraprova* finestra() {
        return platform::registry().window<Finestraprova>(QString::fromLatin1(nomi::massimi));
    }
};

// Runs azione from inside the next run, as the user's clicks during it would.
void durante(std::function<void()> azione) {
    QTimer::singleShot(0, qApp, std::move(azione));
}

} // namespace

class TestLavorolungo : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void corsacompleta_data();
    void corsacompleta();
    void interrompi();
    void nientecambiadurantelacorsa();
    void unasolacorsaallavolta();
    void chiuderelafinestrainterrompe_data();
    void chiuderelafinestrainterrompe();
    void chiudereilprogrammainterrompe();
    void erroredelcalcolo();
};

void TestLavorolungo::corsacompleta_data() {
    QTest::addColumn<bool>("conbarra");
    QTest::newRow("the window's own progress bar") << true;
    QTest::newRow("the wait window") << false;
}

// A run left alone ends with its whole result; while it goes the program is busy and its
// "Interrompi" is the only thing it enables.
void TestLavorolungo::corsacompleta() {
    QFETCH(bool, conbarra);
    Programma p;
    Finestraprova f(programma(), conbarra);
    QVERIFY(!f.Command6->isEnabled());
    bool occupata = false, pulsanteattivo = false, attesa = false;
    std::atomic<bool> visto = false;
    durante([&] {
        occupata = attivitaincorso() == Attivita::elaborazione;
        pulsanteattivo = f.Command6->isEnabled();
        attesa = finestramessaggio() != nullptr;
        visto = true;
    });
    // The passes, then the end held back until the clicks above have been seen during the
    // run (a loaded machine could otherwise finish first).
    const Vistaambi ambi = *tabellaambi(programma());
    const auto esito = f.lavoro->esegui([&ambi, &visto](Avanzamento& a) {
        Esito e = scorriambi(ambi, 2000, a);
        for (int attese = 0; !visto && attese < 20000; ++attese)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return e;
    });
    QVERIFY(esito);
    QCOMPARE(esito->letture, 2000L * 4005);
    QVERIFY(!esito->fermata && !f.lavoro->interrotto());
    QVERIFY(occupata && pulsanteattivo);
    QCOMPARE(attesa, !conbarra);
    QCOMPARE(finestramessaggio(), nullptr);
    QVERIFY(!f.Command6->isEnabled());
    QCOMPARE(attivitaincorso(), Attivita::nessuna);
    if (conbarra) QCOMPARE(f.prog->value(), 100);
}

void TestLavorolungo::interrompi() {
    Programma p;
    Finestraprova f(programma());
    durante([&] { f.Command6->click(); });
    const auto esito = f.elabora();
    QVERIFY(esito);
    QVERIFY(esito->fermata && f.lavoro->interrotto());
    QVERIFY(esito->letture < MOLTIGIRI * 4005L);
    QVERIFY(!f.Command6->isEnabled());
}

// During a run every command that would recompute, drop or build the tables, change the
// analysis window or write the archive says why it cannot run and changes nothing; a
// command that touches no data still runs.
void TestLavorolungo::nientecambiadurantelacorsa() {
    Programma p;
    prova::Finte finte;
    finte.scatole.setDefaultAnswer(platform::Answer::Yes);
    Stato& s = programma();
    const auto ambi = s.ritardiambi;
    const int16_t* dati = s.ritardiambi.data();
    const int prima = s.primaestrazione, ultima = s.ultimaestrazione;
    const QString copia = p.a.p.percorso(QStringLiteral("copia.bolv"));
    QVERIFY(QFile::copy(p.a.p.percorso(QStringLiteral("archivio.dat")), copia));
    Finestraprova* f = p.finestra();
    const QStringList riservati = {"attterni_menu", "opz1939", "sabatomenu",
                                   "rbmenu",        "insmenu", "tuttemenu"};
    durante([&] {
        finte.file.queueChoice(copia);
        for (const QString& voce : riservati)
            p.a.voce(voce.toLatin1())->trigger();
        // The analysis-window dialog opens (it only reads), but does not apply.
        p.a.voce("inifinmenu")->trigger();
        QWidget* estremi = platform::registry().existing(QString::fromLatin1(nomi::estremi));
        estremi->findChild<QSlider*>(QStringLiteral("Slider1"))->setValue(5);
        estremi->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        p.a.voce("stfilemenu")->trigger();
        f->Command6->click();
    });
    const auto esito = f->elabora();
    QVERIFY(esito && esito->fermata);
    const QString occupato = QString::fromUtf8(ELABORAZIONEINCORSO);
    QCOMPARE(finte.scatole.texts().count(occupato), riservati.size() + 1);
    QVERIFY(s.ambiattivi && !s.ternattivi);
    QCOMPARE(s.ritardiambi.data(), dati);
    QCOMPARE(s.ritardiambi, ambi);
    QCOMPARE(s.primaestrazione, prima);
    QCOMPARE(s.ultimaestrazione, ultima);
    QCOMPARE(s.modoestrazioni, 0);
    QVERIFY(p.a.p.archiviointatto());
    QVERIFY(p.a.aperta(nomi::estremi));
    QVERIFY(s.stampasufile);
}

void TestLavorolungo::unasolacorsaallavolta() {
    Programma p;
    prova::Finte finte;
    Finestraprova f(programma()), altra(programma());
    std::optional<Esito> seconda{Esito{}};
    durante([&] {
        seconda = altra.elabora(10);
        f.Command6->click();
    });
    QVERIFY(f.elabora());
    QVERIFY(!seconda);
    QCOMPARE(finte.scatole.texts(), QStringList{QString::fromUtf8(ELABORAZIONEINCORSO)});
}

// Every way of closing the window that runs stops the run; the window stays until the run
// has ended and closes once the handler that started it has returned. Under the sanitizers
// a window freed under its run is a use after free of its long-run helper.
void TestLavorolungo::chiuderelafinestrainterrompe_data() {
    QTest::addColumn<QString>("come");
    for (const char* come : {"cornice", "finestra", "Esci", "registro", "chiudianalisi"})
        QTest::newRow(come) << QString::fromLatin1(come);
}

void TestLavorolungo::chiuderelafinestrainterrompe() {
    QFETCH(QString, come);
    Programma p;
    const QString nome = QString::fromLatin1(nomi::massimi);
    Finestraprova* f = p.finestra();
    platform::registry().show(nome);
    durante([&] {
        if (come == "cornice")
            platform::registry().frame(nome)->close();
        else if (come == "finestra")
            f->close();
        else if (come == "Esci")
            f->Esci();
        else if (come == "registro")
            platform::registry().close(nome);
        else
            chiudianalisi();
    });
    const auto esito = f->elabora();
    QVERIFY(esito && esito->fermata);
    QVERIFY(p.a.aperta(nomi::massimi));
    QTRY_VERIFY(!p.a.aperta(nomi::massimi));
}

// Closing the main window, or "Esci" of the File menu, stops the run first and asks its
// question once the run has ended.
void TestLavorolungo::chiudereilprogrammainterrompe() {
    for (const char* come : {"close", "escmenu"}) {
        Programma p;
        prova::Finte finte;
        Finestraprova* f = p.finestra();
        durante([&] {
            if (QByteArray(come) == "close")
                p.a.m().close();
            else
                p.a.voce("escmenu")->trigger();
        });
        const auto esito = f->elabora();
        QVERIFY2(esito && esito->fermata, come);
        QVERIFY(finte.scatole.shown().isEmpty());
        QTRY_COMPARE(finte.scatole.shown().size(), 1);
        QVERIFY(p.a.m().isVisible()); // the seam answers No
    }
}

// A computation that fails hands its exception to the window once the thread has ended,
// and the program is no longer busy.
void TestLavorolungo::erroredelcalcolo() {
    Programma p;
    Finestraprova f(programma());
    bool lanciata = false;
    try {
        f.elaboraconerrore([](Avanzamento&) -> int { throw std::runtime_error("guasto"); });
    } catch (const std::runtime_error&) {
        lanciata = true;
    }
    QVERIFY(lanciata);
    QCOMPARE(attivitaincorso(), Attivita::nessuna);
    QCOMPARE(Lavorolungo::corrente(), nullptr);
    QVERIFY(!f.Command6->isEnabled());
}

QTEST_MAIN(TestLavorolungo)
#include "test_lavorolungo.moc"
