// "Progressioni": the messages in their order, a plan in the grid, the recovery slider
// following the draws to play, and "Stampa" only once there is a plan, to the printer or a
// text file.
#include "archiviodiprova.h"
#include "controlli.h"

#include "progress.h"

#include "datifile.h"

#include "grid.h"
#include "help.h"
#include "messagebox.h"
#include "windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

using prova::controllo;
using namespace bolv;

namespace {

QSlider* cursore(QWidget* f, int i) {
    return controllo<QSlider>(f, QStringLiteral("Slider1(%1)").arg(i));
}

platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid1"));
}

// Texts of Text1(0..2) and values of Slider1(0..5), then "Elabora".
void elabora(QWidget* f, const QStringList& testi, const std::vector<int>& cursori) {
    for (int i = 0; i < 3; ++i)
        controllo<QLineEdit>(f, QStringLiteral("Text1(%1)").arg(i))->setText(testi[i]);
    for (size_t i = 0; i < cursori.size(); ++i)
        cursore(f, int(i))->setValue(cursori[i]);
    controllo<QPushButton>(f, QStringLiteral("Command1"))->click();
}

QStringList riga(QWidget* f, int r) {
    QStringList celle;
    for (int c = 0; c < 6; ++c)
        celle << griglia(f)->textMatrix(r, c);
    return celle;
}

// The test program with the shipped payout table, which start-up reads.
struct Programma : prova::Programmadiprova {
    Programma() { leggivincite(programma()); }
};

// Two numbers for "Ambo" on one wheel, 5 draws of which 2 recover.
const QStringList CAPITALE = {QStringLiteral("1000000"), QStringLiteral("1000000"),
                              QStringLiteral("0")};
const std::vector<int> AMBO = {2, 1, 1, 2, 5, 2};

} // namespace

class TestProgress : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void rifiutati_data();
    void rifiutati();
    void piano();
    void recupero();
    void stampa_data();
    void stampa();
    void guida();
};

void TestProgress::apertura() {
    Programma p;
    progress f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Progressioni"));
    QCOMPARE(riga(&f, 0),
             (QStringList{"Estr.", "Posta", "Investito", "Vincita", "Utile", "Utile %"}));
    QCOMPARE(griglia(&f)->colWidth(0), 700);
    QCOMPARE(griglia(&f)->colWidth(5), 1500);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(cursore(&f, i)->value(), 1);
    QCOMPARE(cursore(&f, 5)->value(), 0);
    QCOMPARE(cursore(&f, 5)->maximum(), 1);
    QCOMPARE(cursore(&f, 4)->maximum(), 20);
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label2(4)"))->text(), QStringLiteral("1"));
    QVERIFY(!controllo<QPushButton>(&f, QStringLiteral("Command3"))->isEnabled());
}

void TestProgress::rifiutati_data() {
    QTest::addColumn<QStringList>("testi");
    QTest::addColumn<std::vector<int>>("cursori");
    QTest::addColumn<QString>("messaggio");
    const QStringList uno = {"1000000", "1", "0"};
    QTest::newRow("empty capital") << QStringList{"", "1", "0"} << std::vector<int>{}
                                   << "Il capitale e il guadagno minimo devono essere impostati.";
    QTest::newRow("dots as thousands read as 1, gain empty")
        << QStringList{"1.000.000", "", "0"} << std::vector<int>{}
        << "Il capitale e il guadagno minimo devono essere impostati.";
    QTest::newRow("capital above the ceiling")
        << QStringList{"1000000001", "1", "0"} << std::vector<int>{}
        << "Il capitale deve essere minore di 1.000.000.000.";
    QTest::newRow("capital beyond any integer")
        << QStringList{"99999999999999999999999", "1", "0"} << std::vector<int>{}
        << "Il capitale deve essere minore di 1.000.000.000.";
    QTest::newRow("sorte 3 on 2 numbers, before the empty capital")
        << QStringList{"", "", ""} << std::vector<int>{2, 1, 1, 3}
        << "La sorte impostata e' superiore al numero di numeri giocati. Cambiare i valori.";
    QTest::newRow("two tickets on all wheels")
        << uno << std::vector<int>{1, 2, 10}
        << "Il tipo di gioco impostato non e' remunerativo per qualsiasi importo giocato.";
    QTest::newRow("capital short")
        << QStringList{"1000", "1000000", "0"} << std::vector<int>{}
        << "Il capitale non e' sufficiente a garantire il guadagno voluto.";
    QTest::newRow("capital short on all wheels")
        << QStringList{"1000", "1000000", "0"} << std::vector<int>{1, 1, 10}
        << "Il capitale non e' sufficiente a garantire il guadagno voluto sul numero di "
           "estrazioni impostato.";
}

// Each refusal says why and leaves the grid, and "Stampa", as they were.
void TestProgress::rifiutati() {
    QFETCH(QStringList, testi);
    QFETCH(std::vector<int>, cursori);
    QFETCH(QString, messaggio);
    platform::BoxSeam scatole;
    Programma p;
    progress f(programma());
    elabora(&f, testi, cursori);
    QCOMPARE(scatole.texts(), QStringList{messaggio});
    QCOMPARE(griglia(&f)->rows(), 2);
    QCOMPARE(riga(&f, 1), QStringList(6, QString()));
    QVERIFY(!controllo<QPushButton>(&f, QStringLiteral("Command3"))->isEnabled());
}

void TestProgress::piano() {
    platform::BoxSeam scatole;
    Programma p;
    progress f(programma());
    elabora(&f, {" 1 000 000", "1000000", "0"}, AMBO); // blanks are ignored
    QVERIFY(scatole.shown().isEmpty());
    QCOMPARE(griglia(&f)->rows(), 6);
    QCOMPARE(riga(&f, 1),
             (QStringList{"1", "5.000", "5.000", "1.212.500", "1.207.500", "24150,0%"}));
    QCOMPARE(riga(&f, 3),
             (QStringList{"3", "5.000", "15.000", "1.212.500", "1.197.500", "7983,3%"}));
    QCOMPARE(riga(&f, 5), (QStringList{"5", "1.000", "17.000", "242.500", "225.500", "1326,5%"}));
    QVERIFY(controllo<QPushButton>(&f, QStringLiteral("Command3"))->isEnabled());
    // A shorter plan replaces it whole; a refused one leaves it.
    elabora(&f, CAPITALE, {2, 1, 1, 2, 2, 0});
    QCOMPARE(griglia(&f)->rows(), 3);
    elabora(&f, {"", "", ""}, {});
    QCOMPARE(griglia(&f)->rows(), 3);
    QCOMPARE(griglia(&f)->textMatrix(2, 0), QStringLiteral("2"));
}

void TestProgress::recupero() {
    Programma p;
    progress f(programma());
    cursore(&f, 4)->setValue(5);
    QCOMPARE(cursore(&f, 5)->maximum(), 5);
    cursore(&f, 5)->setValue(4);
    cursore(&f, 4)->setValue(3);
    QCOMPARE(cursore(&f, 5)->value(), 3);
    QCOMPARE(cursore(&f, 5)->maximum(), 3);
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label2(5)"))->text(), QStringLiteral("3"));
}

void TestProgress::stampa_data() {
    QTest::addColumn<bool>("sufile");
    QTest::newRow("printer") << false;
    QTest::newRow("file") << true;
}

void TestProgress::stampa() {
    QFETCH(bool, sufile);
    prova::Finte finte;
    Programma p;
    programma().stampasufile = sufile;
    const QString nome = p.percorso(QStringLiteral("Progressione.txt"));
    finte.file.queueChoice(nome);
    progress f(programma());
    elabora(&f, CAPITALE, AMBO);
    controllo<QPushButton>(&f, QStringLiteral("Command3"))->click();
    QStringList righe;
    if (sufile) {
        righe = QString::fromLatin1(p.cartella.leggi(QStringLiteral("Progressione.txt")))
                    .split(QStringLiteral("\r\n"));
        QCOMPARE(finte.file.requests().size(), 1);
    } else {
        QCOMPARE(finte.stampe.jobs().size(), 1u);
        righe = finte.stampe.jobs().front().lines();
    }
    QVERIFY(righe.contains(QStringLiteral("Elaborazione Progressioni")));
    QVERIFY(righe.contains(QStringLiteral("Progressione")));
    QVERIFY(righe.join('\n').contains(QStringLiteral("1.212.500")));
}

void TestProgress::guida() {
    platform::HelpSeam guida;
    Programma p;
    progress f(programma());
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests()[0].context, 29);
}

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
