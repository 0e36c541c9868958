// "Simulazione": the refused inputs, a run and its counters, the stop, and the longest delays
// kept in "simul.dat" across openings, reset, damaged or unwritable.
#include "archiviodiprova.h"
#include "controlli.h"

#include "simul.h"

#include "help.h"
#include "messagebox.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using prova::controllo;
using namespace bolv;

namespace {

QString risultato(QWidget* f, int i) {
    return controllo<QLabel>(f, QStringLiteral("Label3(%1)").arg(i))->text();
}

void clic(QWidget* f, const char* nome) {
    controllo<QPushButton>(f, QString::fromLatin1(nome))->click();
}

// Types the numbers, chooses the sorte (1..5) and the draws, and starts the run.
void simula(QWidget* f, const QString& numeri, int sorte, const QString& estrazioni) {
    controllo<QLineEdit>(f, QStringLiteral("Text2"))->setText(numeri);
    controllo<QRadioButton>(f, QStringLiteral("Option1(%1)").arg(sorte - 1))->setChecked(true);
    controllo<QLineEdit>(f, QStringLiteral("Text1"))->setText(estrazioni);
    clic(f, "Command1");
}

Massimi massimisudisco(const prova::Programmadiprova& p) {
    const auto m = decodificamassimi(prova::byte(p.cartella.leggi(QStringLiteral("simul.dat"))));
    if (!m) qFatal("simul.dat damaged");
    return *m;
}

} // namespace

class TestSimul : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void piuemeno_data();
    void piuemeno();
    void rifiutati_data();
    void rifiutati();
    void corsa();
    void interrotta();
    void resetta();
    void filedanneggiato();
    void filenonscrivibile();
    void guida();
};

void TestSimul::apertura() {
    prova::Programmadiprova p;
    QVERIFY(!QFile::exists(p.percorso(QStringLiteral("simul.dat"))));
    simul f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Simulazione"));
    QCOMPARE(controllo<QLineEdit>(&f, QStringLiteral("Text1"))->text(), QStringLiteral("10000"));
    QVERIFY(controllo<QRadioButton>(&f, QStringLiteral("Option1(0)"))->isChecked());
    QCOMPARE(controllo<QRadioButton>(&f, QStringLiteral("Option1(4)"))->text(),
             QStringLiteral("Cinquina"));
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label2(4)"))->text(),
             QStringLiteral("Ciclicità media teorica"));
    QVERIFY(!controllo<QPushButton>(&f, QStringLiteral("Command6"))->isEnabled());
    // The file exists, empty, from the first opening on.
    QVERIFY(p.cartella.leggi(QStringLiteral("simul.dat")).isEmpty());
    QVERIFY(QFile::exists(p.percorso(QStringLiteral("simul.dat"))));
}

void TestSimul::piuemeno_data() {
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("dopo");
    QTest::newRow("+ from the start") << "10000"
                                      << "Command4"
                                      << " 20000";
    QTest::newRow("- stops at 10000") << "10000"
                                      << "Command5"
                                      << "10000";
    QTest::newRow("- from 20000") << "20000"
                                  << "Command5"
                                  << " 10000";
    QTest::newRow("+ stops at 1000000") << " 1000000"
                                        << "Command4"
                                        << " 1000000";
    QTest::newRow("+ to 1000000") << " 990000"
                                  << "Command4"
                                  << " 1000000";
    QTest::newRow("+ from a huge negative") << "-99999999999999999999"
                                            << "Command4"
                                            << " 10000";
}

void TestSimul::piuemeno() {
    QFETCH(QString, prima);
    QFETCH(QString, pulsante);
    QFETCH(QString, dopo);
    prova::Programmadiprova p;
    simul f(programma());
    auto* Text1 = controllo<QLineEdit>(&f, QStringLiteral("Text1"));
    Text1->setText(prima);
    clic(&f, pulsante.toLatin1().constData());
    QCOMPARE(Text1->text(), dopo);
}

void TestSimul::rifiutati_data() {
    QTest::addColumn<QString>("numeri");
    QTest::addColumn<int>("sorte");
    QTest::addColumn<QString>("estrazioni");
    QTest::addColumn<QString>("messaggio");
    const QString numeri = QStringLiteral("Errore nell'inserimento dei numeri.");
    const QString nullo =
        QStringLiteral("Errore: è stato inserito un valore nullo o un punto finale.");
    const QString conteggio =
        QStringLiteral("Il numero di estrazioni deve essere compreso tra 1 e 1.000.000.");
    QTest::newRow("two numbers for a terno") << "1.2" << 3 << "10000" << numeri;
    QTest::newRow("final point") << "1.2." << 1 << "10000" << nullo;
    QTest::newRow("empty") << "" << 1 << "10000" << nullo;
    QTest::newRow("letter") << "1.x" << 1 << "10000" << numeri;
    QTest::newRow("above 90") << "12.300" << 1 << "10000" << numeri;
    QTest::newRow("eleven numbers") << "1.2.3.4.5.6.7.8.9.10.11" << 1 << "10000" << numeri;
    QTest::newRow("too many draws") << "1.2" << 1 << "1000001" << conteggio;
    QTest::newRow("no draws") << "1.2" << 1 << "abc" << conteggio;
}

// A refused run says why and changes nothing on the window.
void TestSimul::rifiutati() {
    QFETCH(QString, numeri);
    QFETCH(int, sorte);
    QFETCH(QString, estrazioni);
    QFETCH(QString, messaggio);
    platform::BoxSeam scatole;
    prova::Programmadiprova p;
    simul f(programma());
    simula(&f, numeri, sorte, estrazioni);
    QCOMPARE(scatole.texts(), QStringList{messaggio});
    for (int i = 0; i < 7; ++i)
        QCOMPARE(risultato(&f, i), QString());
    QCOMPARE(massimisudisco(p), Massimi{});
}

// A run of the numbers 1, 2 and 3 for "Terno": its counters, its theoretical cycle, and its
// longest delay kept on disk and shown again by the window opened anew.
void TestSimul::corsa() {
    platform::BoxSeam scatole;
    prova::Programmadiprova p;
    auto f = std::make_unique<simul>(programma());
    simula(f.get(), QStringLiteral("1.2.3"), 3, QStringLiteral("200050"));
    QVERIFY(scatole.shown().isEmpty());
    QCOMPARE(risultato(f.get(), 4), QStringLiteral("11.748,00"));
    QCOMPARE(risultato(f.get(), 3), QStringLiteral("200000"));
    const int presenze = risultato(f.get(), 2).toInt();
    QVERIFY(presenze > 0);
    QCOMPARE(risultato(f.get(), 5),
             platform::formatNumber(200000.0 / presenze, QStringLiteral("#,##0.00")));
    const int storico = risultato(f.get(), 1).toInt();
    const int32_t tenuto = massimisudisco(p)[indicemassimo(3, 3)];
    QVERIFY(tenuto >= storico && tenuto > 0);
    QCOMPARE(risultato(f.get(), 6), platform::plainText(tenuto));
    QCOMPARE(controllo<QProgressBar>(f.get(), QStringLiteral("prgb"))->value(), 0);

    // Opened again: the kept maximum stands, and a run too short to beat it keeps it.
    f = std::make_unique<simul>(programma());
    simula(f.get(), QStringLiteral("1.2.3"), 3, QStringLiteral("50"));
    QCOMPARE(risultato(f.get(), 6), platform::plainText(tenuto));
    QCOMPARE(risultato(f.get(), 3), QString()); // below 100 draws no counter shows
    QCOMPARE(massimisudisco(p)[indicemassimo(3, 3)], tenuto);
}

// "Interrompi" during a run of a million draws: the run ends early with its counters, and
// the longest delay it met is kept.
void TestSimul::interrotta() {
    prova::Programmadiprova p;
    simul f(programma());
    auto* Command6 = controllo<QPushButton>(&f, QStringLiteral("Command6"));
    QTimer::singleShot(0, Command6, [Command6] {
        QVERIFY(Command6->isEnabled());
        Command6->click();
    });
    simula(&f, QStringLiteral("7.8.9.10.11"), 1, QStringLiteral("1000000"));
    const int simulate = risultato(&f, 3).toInt();
    QVERIFY(simulate < 1000000);
    QCOMPARE(simulate % 100, 0);
    QVERIFY(!Command6->isEnabled());
    QCOMPARE(massimisudisco(p)[indicemassimo(5, 1)], risultato(&f, 6).toInt());
}

void TestSimul::resetta() {
    prova::Programmadiprova p;
    Massimi m{};
    m[indicemassimo(2, 2)] = 900;
    p.cartella.scrivi(QStringLiteral("simul.dat"), prova::dati(immaginemassimi(m)));
    simul f(programma());
    simula(&f, QStringLiteral("4.5"), 2, QStringLiteral("100"));
    QCOMPARE(risultato(&f, 6), QStringLiteral(" 900"));
    clic(&f, "Command2");
    QCOMPARE(massimisudisco(p), Massimi{});
    QCOMPARE(risultato(&f, 6), QStringLiteral(" 900")); // the label keeps what it showed
}

void TestSimul::filedanneggiato() {
    platform::BoxSeam scatole;
    prova::Programmadiprova p;
    Massimi m{};
    m[indicemassimo(2, 4)] = 15; // a quaterna of two numbers cannot be played
    p.cartella.scrivi(QStringLiteral("simul.dat"), prova::dati(immaginemassimi(m)));
    simul f(programma());
    QCOMPARE(scatole.texts(),
             QStringList{QStringLiteral("Il file simul.dat è danneggiato o non leggibile: i "
                                        "massimi rilevati ripartono da zero.")});
}

// A "simul.dat" that cannot be written: the opening and the run with a new longest delay
// say so.
void TestSimul::filenonscrivibile() {
    platform::BoxSeam scatole;
    prova::Programmadiprova p;
    QVERIFY(QDir(p.cartella.radice()).mkdir(QStringLiteral("simul.dat")));
    simul f(programma());
    scatole.clearShown();
    simula(&f, QStringLiteral("1"), 1, QStringLiteral("10000"));
    QCOMPARE(scatole.texts(),
             QStringList{messaggioscrittura(p.percorso(QStringLiteral("simul.dat")))});
}

void TestSimul::guida() {
    platform::HelpSeam guida;
    prova::Programmadiprova p;
    simul f(programma());
    clic(&f, "Command3");
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests()[0].context, 16);
}

QTEST_MAIN(TestSimul)
#include "test_simul.moc"
