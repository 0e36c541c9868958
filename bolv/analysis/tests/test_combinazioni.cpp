// "Tabelle Statistiche": opened from its menu entry and toolbar key, each table's cells in
// the Italian locale, and its help.
#include "controlli.h"

#include "combinazioni.h"
#include "datifile.h"

#include "grid.h"
#include "help.h"
#include "windowregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace bolv;

using prova::controllo;

class TestCombinazioni : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura_data();
    void apertura();
    void celle_data();
    void celle();
    void guida();
};

void TestCombinazioni::apertura_data() {
    QTest::addColumn<QString>("voce");
    QTest::newRow("menu entry") << "combmenu";
    QTest::newRow("toolbar key") << "statistiche";
}

// Either way in, the window shows the combinations table with its headings.
void TestCombinazioni::apertura() {
    QFETCH(QString, voce);
    prova::Avviato a;
    QVERIFY(a.programma);
    QWidget* f = prova::apertada(a, voce, "combinazioni");
    QCOMPARE(f->windowTitle(), QStringLiteral("Tabelle Statistiche"));
    auto* g = controllo<platform::Grid>(f, QStringLiteral("fGrid1"));
    QCOMPARE(g->rows(), 91);
    QCOMPARE(g->cols(), 6);
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Nri / Sorte"));
    QCOMPARE(g->textMatrix(0, 5), QStringLiteral(" 5"));
    QCOMPARE(g->textMatrix(90, 0), QStringLiteral(" 90"));
    QCOMPARE(controllo<QLabel>(f, QStringLiteral("Label1"))->text(),
             QStringLiteral("Combinazioni"));
    QCOMPARE(g->textMatrix(90, 5), QStringLiteral("43.949.268"));
}

void TestCombinazioni::celle_data() {
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("testo");
    const QString c = QStringLiteral("Command1"), p = QStringLiteral("Command2"),
                  t = QStringLiteral("Command3"), e = QStringLiteral("Command5");
    const QString cc = QStringLiteral("Combinazioni"), pp = QString::fromUtf8("Probabilità"),
                  tt = QString::fromUtf8("Ciclicità teorica"),
                  ee = QString::fromUtf8("Indice di Equità");
    QTest::newRow("one number, ambata") << c << cc << 1 << 1 << "1";
    QTest::newRow("one number, ambo") << c << cc << 1 << 2 << "0";
    QTest::newRow("k above n") << c << cc << 3 << 5 << "0";
    QTest::newRow("all 90, cinquina") << c << cc << 90 << 5 << "43.949.268";
    QTest::newRow("90 ambi") << c << cc << 90 << 2 << "4.005";
    QTest::newRow("p one number") << p << pp << 1 << 1 << "0,0555555556";
    QTest::newRow("p k above n") << p << pp << 1 << 2 << "-";
    QTest::newRow("p ambo on two") << p << pp << 2 << 2 << "0,0024968789";
    QTest::newRow("p all 90") << p << pp << 90 << 5 << "1,0000000000";
    QTest::newRow("p 20 numbers, ambata") << p << pp << 20 << 1 << "0,7246139799";
    QTest::newRow("p 74 numbers, terno: no digit nudged") // 0,96242012494952...
        << p << pp << 74 << 3 << "0,9624201249";
    QTest::newRow("c one number") << t << tt << 1 << 1 << "18,00";
    QTest::newRow("c ambo on two") << t << tt << 2 << 2 << "400,50";
    QTest::newRow("c terno on three, grouped") << t << tt << 3 << 3 << "11.748,00";
    QTest::newRow("c k above n") << t << tt << 4 << 5 << "-";
    QTest::newRow("c all 90") << t << tt << 90 << 5 << "1,00";
    QTest::newRow("e one number") << e << ee << 1 << 1 << "0,62389";
    QTest::newRow("e ambo on two") << e << ee << 2 << 2 << "0,62422";
    QTest::newRow("e k above n") << e << ee << 1 << 2 << "-";
    QTest::newRow("e past ten numbers") << e << ee << 11 << 1 << "";
    QTest::newRow("e last row") << e << ee << 90 << 5 << "";
}

// Each button writes its whole table: the cell asked and, as a check on the whole grid, no
// cell of another table left behind (the equity table empties rows 11..90).
void TestCombinazioni::celle() {
    QFETCH(QString, pulsante);
    QFETCH(QString, titolo);
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(QString, testo);
    prova::Programmadiprova p;
    QVERIFY(leggivincite(programma())); // the shipped payouts, as start-up reads them
    combinazioni f(programma());
    controllo<QPushButton>(&f, pulsante)->click();
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label1"))->text(), titolo);
    auto* g = controllo<platform::Grid>(&f, QStringLiteral("fGrid1"));
    QCOMPARE(g->textMatrix(n, k), testo);
    int vuote = 0;
    for (int r = 1; r <= 90; ++r)
        for (int c = 1; c <= 5; ++c)
            vuote += g->textMatrix(r, c).isEmpty();
    QCOMPARE(vuote, pulsante == QLatin1String("Command5") ? 80 * 5 : 0);
}

void TestCombinazioni::guida() {
    prova::Programmadiprova p;
    platform::HelpSeam guida;
    combinazioni f(programma());
    controllo<QPushButton>(&f, QStringLiteral("Command4"))->click();
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests()[0].context, 32);
}

QTEST_MAIN(TestCombinazioni)
#include "test_combinazioni.moc"
