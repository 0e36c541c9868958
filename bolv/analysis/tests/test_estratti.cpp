// "Tabella Ambate": the grid written for a wheel and an order, the wheel label, and the
// report printed or saved.
#include "archiviodiprova.h"
#include "controlli.h"

#include "estratti.h"

#include "grid.h"
#include "textformat.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace bolv;

namespace {

using prova::controllo;
using prova::scegli;

platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid1"));
}

} // namespace

class TestEstratti : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void ordine_data();
    void ordine();
    void ruota_data();
    void ruota();
    void stampa_data();
    void stampa();
};

void TestEstratti::apertura() {
    prova::Programmadiprova p;
    estratti f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Tabella Ambate"));
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label2"))->text(),
             QStringLiteral("Ruota di Bari"));
    platform::Grid* g = griglia(&f);
    QCOMPARE(g->rows(), 91);
    QCOMPARE(g->cols(), 13);
    const QStringList intestazioni{"Pos", "Num", "Rit", "RPos", "Sto", "Pre", "R/P",
                                   "R/S", "Rm2", "Rm3", "Rm4",  "Rm5", "Cicl"};
    for (int c = 0; c < 13; ++c)
        QCOMPARE(g->textMatrix(0, c), intestazioni[c]);
    // Number order: "Pos" equals "Num", with the Bari statistics of the number tables.
    const Stato& s = programma();
    for (int r = 1; r <= 90; ++r) {
        QCOMPARE(g->textMatrix(r, 0), platform::plainText(r));
        QCOMPARE(g->textMatrix(r, 1), QString::number(r));
        QCOMPARE(g->textMatrix(r, 2), QString::number(s.ritardinumeri[indicenumero(r, 1)]));
        QCOMPARE(g->textMatrix(r, 5), QString::number(s.presenzenumeri[indicenumero(r, 1)]));
    }
    QCOMPARE(g->cellForeColor(1, 1), QColor(255, 0, 0));
}

void TestEstratti::ordine_data() {
    QTest::addColumn<int>("bottone");
    QTest::addColumn<int>("colonna");
    QTest::newRow("Rit") << 1 << 2;
    QTest::newRow("Pre") << 3 << 5;
    QTest::newRow("R/P, decimal comma") << 4 << 6;
    QTest::newRow("Rm5") << 9 << 11;
    QTest::newRow("Cicl") << 10 << 12;
}

// Every order puts the values largest first by their value, whatever their text; "---"
// (no value) last.
void TestEstratti::ordine() {
    QFETCH(int, bottone);
    QFETCH(int, colonna);
    prova::Programmadiprova p;
    estratti f(programma());
    scegli(&f, "Option2", bottone);
    platform::Grid* g = griglia(&f);
    const QLocale it(QLocale::Italian, QLocale::Italy);
    const auto valore = [&](int r) {
        const QString t = g->textMatrix(r, colonna);
        return t == QLatin1String("---") ? -1.0 : it.toDouble(t);
    };
    for (int r = 1; r < 90; ++r) {
        QVERIFY2(valore(r) >= valore(r + 1), qPrintable(QString::number(r)));
        QCOMPARE(g->textMatrix(r, 0), platform::plainText(r));
    }
    QVERIFY(valore(1) > valore(90));
    scegli(&f, "Option2", 0); // back to number order
    QCOMPARE(g->textMatrix(10, 1), QStringLiteral("10"));
}

void TestEstratti::ruota_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("etichetta");
    QTest::newRow("Venezia") << 9 << "Ruota di Venezia";
    QTest::newRow("Tutte") << 10 << "Tutte le ruote";
}

void TestEstratti::ruota() {
    QFETCH(int, indice);
    QFETCH(QString, etichetta);
    prova::Programmadiprova p;
    estratti f(programma());
    scegli(&f, "Option2", 1);
    scegli(&f, "Option1", indice);
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label2"))->text(), etichetta);
    const Stato& s = programma();
    const int n = griglia(&f)->textMatrix(1, 1).toInt();
    int massimo = 0;
    for (int k = 1; k <= 90; ++k)
        massimo = std::max(massimo, s.ritardinumeri[indicenumero(k, indice + 1)]);
    QCOMPARE(s.ritardinumeri[indicenumero(n, indice + 1)], massimo);
}

void TestEstratti::stampa_data() {
    QTest::addColumn<bool>("sufile");
    QTest::newRow("printer") << false;
    QTest::newRow("file") << true;
}

void TestEstratti::stampa() {
    QFETCH(bool, sufile);
    prova::Finte finte;
    prova::Programmadiprova p;
    programma().stampasufile = sufile;
    const QString nome = p.percorso(QStringLiteral("estratti.txt"));
    finte.file.queueChoice(nome);
    estratti f(programma());
    scegli(&f, "Option1", 10);
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QStringList righe;
    if (sufile) {
        QCOMPARE(finte.file.requests().size(), 1);
        QCOMPARE(finte.file.requests()[0].fileName, QStringLiteral("Tutte le ruote.txt"));
        righe = QString::fromUtf8(p.cartella.leggi(QStringLiteral("estratti.txt")))
                    .split(QStringLiteral("\r\n"));
    } else {
        QCOMPARE(finte.stampe.jobs().size(), size_t(1));
        righe = finte.stampe.jobs()[0].lines();
    }
    QCOMPARE(righe[2], QStringLiteral("Tabella Estratti"));
    QVERIFY(righe.contains(QStringLiteral("Tutte le ruote")));
    QVERIFY(righe.contains(QStringLiteral("Pos  Num   Rit   RPos  Sto   Pre   R/P   R/S   Rm2   "
                                          "Rm3   Rm4   Rm5   Cicl")));
}

QTEST_MAIN(TestEstratti)
#include "test_estratti.moc"
