// "Tutti gli ambi": the pairs of the head number or all of them, the statistic shown, the
// orders, a head number refused, and the saved report.
#include "archiviodiprova.h"
#include "controlli.h"

#include "ambi.h"

#include "ambiterni.h"
#include "grid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace bolv;
using prova::controllo;
using prova::scegli;

namespace {

platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid1"));
}

void attivaambi() {
    programma().ambiattivi = true;
    calcolaambi(programma());
}

// Types a head number into the list and presses Enter.
void scrivi(QWidget* f, const QString& testo) {
    auto* c = controllo<QComboBox>(f, QStringLiteral("Combo1"));
    c->lineEdit()->selectAll();
    QTest::keyClicks(c->lineEdit(), testo);
    QTest::keyClick(c->lineEdit(), Qt::Key_Return);
}

} // namespace

class TestAmbi : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void statisticaeordine_data();
    void statisticaeordine();
    void capogioco_data();
    void capogioco();
    void salva();
};

void TestAmbi::apertura() {
    prova::Programmadiprova p;
    attivaambi();
    ambi f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Tutti gli ambi"));
    platform::Grid* g = griglia(&f);
    QCOMPARE(g->rows(), 90);
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Ambo"));
    QCOMPARE(g->textMatrix(0, 11), QStringLiteral("Tutte"));
    QCOMPARE(g->textMatrix(1, 0), QStringLiteral("01.02"));
    QCOMPARE(g->textMatrix(89, 0), QStringLiteral("01.90"));
    const Stato& s = programma();
    for (int w = 1; w <= 11; ++w)
        QCOMPARE(g->textMatrix(89, w), QString::number(s.ritardiambi[indiceambo(w, 1, 90)]));
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label1"))->text(),
             QStringLiteral("Ritardi Attuali"));
}

void TestAmbi::statisticaeordine_data() {
    QTest::addColumn<int>("statistica");
    QTest::addColumn<int>("ruota");
    QTest::addColumn<QString>("etichetta");
    QTest::newRow("Presenze by Bari") << 2 << 1 << "Presenze";
    QTest::newRow("Rit Storici by Tutte") << 1 << 11 << "Ritardi Storici ";
    QTest::newRow("Rit Attuali by Venezia") << 0 << 10 << "Ritardi Attuali";
}

// The rows follow the chosen wheel's values, largest first, as numbers (100 before 99);
// another statistic keeps the order chosen; "Ambi" gives pair order back.
void TestAmbi::statisticaeordine() {
    QFETCH(int, statistica);
    QFETCH(int, ruota);
    QFETCH(QString, etichetta);
    prova::Programmadiprova p;
    attivaambi();
    ambi f(programma());
    scrivi(&f, QStringLiteral("Nessuno"));
    scegli(&f, "Option2", ruota - 1);
    scegli(&f, "Option1", statistica);
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label1"))->text(), etichetta);
    platform::Grid* g = griglia(&f);
    QCOMPARE(g->rows(), 4006);
    const Stato& s = programma();
    const std::vector<int16_t>* tabelle[] = {&s.ritardiambi, &s.storiciambi, &s.presenzeambi};
    for (int r = 1; r < 4006; ++r) {
        const QString ambo = g->textMatrix(r, 0);
        const int a = ambo.left(2).toInt(), b = ambo.mid(3).toInt();
        QCOMPARE(g->textMatrix(r, ruota),
                 QString::number((*tabelle[statistica])[indiceambo(ruota, a, b)]));
        if (r > 1) QVERIFY(g->textMatrix(r - 1, ruota).toInt() >= g->textMatrix(r, ruota).toInt());
    }
    scegli(&f, "Option2", 11);
    QCOMPARE(g->textMatrix(1, 0), QStringLiteral("01.02"));
    QCOMPARE(g->textMatrix(4005, 0), QStringLiteral("89.90"));
}

void TestAmbi::capogioco_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("righe");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("ultima");
    QTest::addColumn<bool>("rifiutato");
    QTest::newRow("Nessuno") << "Nessuno" << 4005 << "01.02"
                             << "89.90" << false;
    QTest::newRow("1") << "1" << 89 << "01.02"
                       << "01.90" << false;
    QTest::newRow("90") << "90" << 89 << "01.90"
                        << "89.90" << false;
    QTest::newRow("91 refused") << "91" << 89 << "01.02"
                                << "01.90" << true;
    QTest::newRow("200 refused") << "200" << 89 << "01.02"
                                 << "01.90" << true;
    QTest::newRow("0 refused") << "0" << 89 << "01.02"
                               << "01.90" << true;
    QTest::newRow("text refused") << "abc" << 89 << "01.02"
                                  << "01.90" << true;
}

void TestAmbi::capogioco() {
    QFETCH(QString, testo);
    QFETCH(int, righe);
    QFETCH(QString, prima);
    QFETCH(QString, ultima);
    QFETCH(bool, rifiutato);
    prova::Finte finte;
    prova::Programmadiprova p;
    attivaambi();
    ambi f(programma());
    scrivi(&f, testo);
    platform::Grid* g = griglia(&f);
    QCOMPARE(g->rows(), righe + 1);
    QCOMPARE(g->textMatrix(1, 0), prima);
    QCOMPARE(g->textMatrix(righe, 0), ultima);
    QCOMPARE(finte.scatole.shown().size(), rifiutato ? 1 : 0);
    if (rifiutato) // the list shows the head number in force again
        QCOMPARE(controllo<QComboBox>(&f, QStringLiteral("Combo1"))->currentText(),
                 QStringLiteral(" 1"));
}

void TestAmbi::salva() {
    prova::Finte finte;
    prova::Programmadiprova p;
    attivaambi();
    programma().stampasufile = false; // saved to a file whatever the output setting
    finte.file.queueChoice(p.percorso(QStringLiteral("ambi.txt")));
    ambi f(programma());
    scrivi(&f, QStringLiteral("90"));
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QCOMPARE(finte.stampe.jobs().size(), size_t(0));
    QCOMPARE(finte.file.requests().size(), 1);
    QCOMPARE(finte.file.requests()[0].fileName, QStringLiteral("Ambi.txt"));
    const QStringList righe = QString::fromUtf8(p.cartella.leggi(QStringLiteral("ambi.txt")))
                                  .split(QStringLiteral("\r\n"));
    QCOMPARE(righe[2], QStringLiteral("Tabella degli ambi"));
    QVERIFY(righe.contains(QStringLiteral("Capogioco:  90")));
    QVERIFY(righe.contains(QStringLiteral("Ambi")));
    QCOMPARE(righe.filter(QRegularExpression(QStringLiteral("^\\d\\d\\.90 "))).size(), 89);
}

QTEST_MAIN(TestAmbi)
#include "test_ambi.moc"
