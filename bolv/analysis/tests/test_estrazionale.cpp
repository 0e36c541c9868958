// "Ricerca estrazionale": opened from its menu entry and toolbar key, template cells typed
// through the input box, the distances, a search listed and a hit's three draws shown.
#include "controlli.h"

#include "estrazionale.h"

#include "grid.h"
#include "messagebox.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace bolv;

using prova::controllo;
using prova::listato;

namespace {

platform::Grid* modello(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid1"));
}

void premi(QWidget* f, const QString& nome) {
    controllo<QPushButton>(f, nome)->click();
}

void cliccacella(QWidget* f, int riga, int colonna) {
    platform::Grid* g = modello(f);
    const QRect r = g->visualRect(g->model()->index(riga, colonna));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

void scegli(QWidget* f, int riga) {
    auto* l = controllo<QListView>(f, QStringLiteral("List1"));
    l->setCurrentIndex(l->model()->index(riga, 0));
}

QString data(const Stato& s, int d, const char* schema) {
    return platform::formatDate(s.dateestrazioni[d], QString::fromLatin1(schema));
}

// The line of the hit at draw d, or -1.
int rigadi(QWidget* f, const Stato& s, int d) {
    const QStringList linee = listato(f);
    for (int i = 0; i < linee.size(); ++i)
        if (linee[i].endsWith(QStringLiteral(" --> ") + data(s, d, "dd.mm.yyyy"))) return i;
    return -1;
}

} // namespace

class TestEstrazionale : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura_data();
    void apertura();
    void cella_data();
    void cella();
    void distanze();
    void ricerca();
    void modellovuoto_data();
    void modellovuoto();
};

void TestEstrazionale::apertura_data() {
    QTest::addColumn<QString>("voce");
    QTest::newRow("menu entry") << "riceestrazmenu";
    QTest::newRow("toolbar key") << "estrazionale";
}

void TestEstrazionale::apertura() {
    QFETCH(QString, voce);
    prova::Finte finte;
    prova::Avviato a;
    QVERIFY(a.programma);
    QWidget* f = prova::apertada(a, voce, "estrazionale");
    QCOMPARE(f->windowTitle(), QStringLiteral("Ricerca estrazionale"));
    platform::Grid* g = modello(f);
    QCOMPARE(g->rows(), 11);
    QCOMPARE(g->cols(), 16);
    QCOMPARE(g->textMatrix(0, 1), QStringLiteral("Estrazione  n - 1"));
    QCOMPARE(g->textMatrix(0, 8), QStringLiteral("Estrazione n"));
    QCOMPARE(g->textMatrix(0, 15), QStringLiteral("Estrazione  n + 1"));
    QCOMPARE(g->textMatrix(1, 0), QStringLiteral("Bari"));
    QCOMPARE(g->textMatrix(10, 0), QStringLiteral("Venezia"));
    QCOMPARE(g->cellBackColor(3, 6), QColor(0, 255, 0));
    QCOMPARE(g->cellBackColor(3, 5), QColor());
    QVERIFY(!controllo<QCheckBox>(f, QStringLiteral("Check1"))->isChecked());
    QCOMPARE(controllo<QLabel>(f, QStringLiteral("Label1"))->text(), QString());
    premi(f, QStringLiteral("Command4"));
    QCOMPARE(finte.guida.requests().size(), 1);
    QCOMPARE(finte.guida.requests()[0].context, 20);
}

void TestEstrazionale::cella_data() {
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("testo"); // of the cell, which held "12"
    QTest::addColumn<bool>("messaggio");
    QTest::newRow("a number") << "7"
                              << "7" << false;
    QTest::newRow("90") << "90"
                        << "90" << false;
    QTest::newRow("cancelled or empty") << ""
                                        << "" << false;
    QTest::newRow("zero, shown, counts empty") << "0"
                                               << "0" << false;
    QTest::newRow("91") << "91"
                        << "12" << true;
    QTest::newRow("300, not 44") << "300"
                                 << "12" << true;
    QTest::newRow("256, not 0") << "256"
                                << "12" << true;
    QTest::newRow("negative") << "-1"
                              << "12" << true;
}

void TestEstrazionale::cella() {
    QFETCH(QString, risposta);
    QFETCH(QString, testo);
    QFETCH(bool, messaggio);
    prova::Programmadiprova p;
    platform::BoxSeam scatole;
    estrazionale f(programma());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    scatole.queueInput(QStringLiteral("12"));
    cliccacella(&f, 4, 13);
    QCOMPARE(modello(&f)->textMatrix(4, 13), QStringLiteral("12"));
    scatole.clearShown();
    scatole.queueInput(risposta);
    cliccacella(&f, 4, 13);
    QCOMPARE(modello(&f)->textMatrix(4, 13), testo);
    QCOMPARE(scatole.shown().size(), messaggio ? 2 : 1);
    QCOMPARE(scatole.shown()[0].kind, platform::ShownBox::Input);
    QCOMPARE(scatole.shown()[0].text, QStringLiteral("Numero? "));
    if (messaggio)
        QCOMPARE(scatole.shown()[1].text,
                 QStringLiteral("Si devono inserire numeri compresi tra 1 e 90"));
    // The headings ask nothing.
    scatole.clearShown();
    cliccacella(&f, 0, 3);
    cliccacella(&f, 2, 0);
    QVERIFY(scatole.shown().isEmpty());
}

void TestEstrazionale::distanze() {
    prova::Programmadiprova p;
    estrazionale f(programma());
    for (int i = 0; i < 12; ++i)
        premi(&f, QStringLiteral("Command2(1)"));
    QCOMPARE(modello(&f)->textMatrix(0, 3), QStringLiteral("Estrazione  n - 10"));
    premi(&f, QStringLiteral("Command2(0)"));
    QCOMPARE(modello(&f)->textMatrix(0, 3), QStringLiteral("Estrazione  n - 9"));
    premi(&f, QStringLiteral("Command3(0)"));
    QCOMPARE(modello(&f)->textMatrix(0, 12), QStringLiteral("Estrazione  n + 1"));
    premi(&f, QStringLiteral("Command3(1)"));
    QCOMPARE(modello(&f)->textMatrix(0, 12), QStringLiteral("Estrazione  n + 2"));
    QCOMPARE(modello(&f)->textMatrix(0, 7), QStringLiteral("Estrazione n"));
}

// A search, its list and status; a hit's three draws; k changed afterwards changes
// nothing of what the hits show; "Clear" empties the template only.
void TestEstrazionale::ricerca() {
    prova::Programmadiprova p;
    const Stato& s = programma();
    estrazionale f(programma());
    // The number drawn first on Roma in draw 100, asked of the middle draw.
    const int n = 100, roma = 8;
    const int numero = s.estr(n, roma, 1);
    modello(&f)->setTextMatrix(roma, 6, QString::number(numero));
    modello(&f)->setTextMatrix(roma, 4, QString::number(s.estr(n - 1, roma, 4)));
    premi(&f, QStringLiteral("Command1"));
    QCOMPARE(p.registro.attese, std::vector<std::string>{"Elaborazione in corso..."});
    const QStringList linee = listato(&f);
    QVERIFY(!linee.isEmpty());
    const int indice = rigadi(&f, s, n);
    QVERIFY(indice >= 0);
    QCOMPARE(linee[indice].left(7),
             platform::formatNumber(indice + 1, QStringLiteral("00")) + QStringLiteral(" --> "));
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label1"))->text(),
             platform::plainText(linee.size()) + QStringLiteral(" corrispondenze trovate."));

    // The position ticked: the cell at position 1 needs the number at position 1.
    controllo<QCheckBox>(&f, QStringLiteral("Check1"))->setChecked(true);
    modello(&f)->setTextMatrix(roma, 6, {});
    modello(&f)->setTextMatrix(roma, 7, QString::number(numero));
    premi(&f, QStringLiteral("Command1"));
    QCOMPARE(rigadi(&f, s, n), -1);
    modello(&f)->setTextMatrix(roma, 7, {});
    modello(&f)->setTextMatrix(roma, 6, QString::number(numero));
    premi(&f, QStringLiteral("Command1"));
    const int trovata = rigadi(&f, s, n);
    QVERIFY(trovata >= 0);

    premi(&f, QStringLiteral("Command2(1)")); // k = 2 after the search
    scegli(&f, trovata);
    const char* cornici[] = {"Frame4", "Frame1", "Frame2"};
    const int estrazioni[] = {n - 1, n, n + 1};
    for (int b = 0; b < 3; ++b) {
        QCOMPARE(controllo<QGroupBox>(&f, QString::fromLatin1(cornici[b]))->title(),
                 data(s, estrazioni[b], "ddd dd.mm.yyyy"));
        QCOMPARE(controllo<QLabel>(&f, nomecontrollo(QStringLiteral("Label4"), 10 * b + 1))->text(),
                 QStringLiteral("Ca"));
        for (int w : {1, roma, 10})
            for (int q : {1, 5})
                QCOMPARE(controllo<QLabel>(&f, nomecontrollo(QStringLiteral("Label5"),
                                                             50 * b + 5 * (w - 1) + q - 1))
                             ->text(),
                         QString::number(s.estr(estrazioni[b], w, q)));
    }

    // A new search (with k back at 1) empties the panels until a line is chosen.
    premi(&f, QStringLiteral("Command2(0)"));
    premi(&f, QStringLiteral("Command1"));
    QVERIFY(rigadi(&f, s, n) >= 0);
    QCOMPARE(controllo<QGroupBox>(&f, QStringLiteral("Frame1"))->title(), QString());
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label5(0)"))->text(), QString());

    premi(&f, QStringLiteral("Clearbutt"));
    QCOMPARE(modello(&f)->textMatrix(roma, 6), QString());
    QCOMPARE(modello(&f)->textMatrix(roma, 4), QString());
    QCOMPARE(modello(&f)->textMatrix(roma, 0), QStringLiteral("Roma"));
    QVERIFY(rigadi(&f, s, n) >= 0);
}

void TestEstrazionale::modellovuoto_data() {
    QTest::addColumn<int>("prima");
    QTest::addColumn<int>("ultima");
    QTest::addColumn<int>("trovate");
    QTest::newRow("every draw with room for k and j") << 1 << 300 << 298;
    QTest::newRow("window shorter than k + j") << 10 << 11 << 0;
    QTest::newRow("one draw") << 10 << 10 << 0;
}

// An empty template lists every draw from the first + k to the last - j; from the 100th
// hit on the ordinal has three digits.
void TestEstrazionale::modellovuoto() {
    QFETCH(int, prima);
    QFETCH(int, ultima);
    QFETCH(int, trovate);
    prova::Programmadiprova p;
    Stato& s = programma();
    s.primaestrazione = prima;
    s.ultimaestrazione = ultima;
    estrazionale f(programma());
    premi(&f, QStringLiteral("Command1"));
    const QStringList linee = listato(&f);
    QCOMPARE(linee.size(), trovate);
    auto* Label1 = controllo<QLabel>(&f, QStringLiteral("Label1"));
    if (trovate == 0) {
        QCOMPARE(Label1->text(), QStringLiteral("Nessuna corrispondenza trovata."));
        return;
    }
    QCOMPARE(Label1->text(), QStringLiteral(" 298 corrispondenze trovate."));
    QCOMPARE(linee[0], QStringLiteral("01 --> ") + data(s, prima + 1, "dd.mm.yyyy"));
    QCOMPARE(linee[99], QStringLiteral("100 --> ") + data(s, prima + 100, "dd.mm.yyyy"));
}

QTEST_MAIN(TestEstrazionale)
#include "test_estrazionale.moc"
