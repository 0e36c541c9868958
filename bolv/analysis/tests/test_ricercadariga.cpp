// "Ricerca Statistica" from a grid row: the popup over a formation or a ranked group, and
// what the statistics-search window gets from the row clicked.
#include "archiviodiprova.h"
#include "controlli.h"

#include "massimi.h"
#include "ricerca.h"
#include "tabform.h"

#include "grid.h"
#include "nomifinestre.h"
#include "popupmenu.h"
#include "ricercastatistica.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QTest>

using namespace bolv;

namespace {

using prova::controllo;

// The started program with the pair and triple tables built.
struct Programma : prova::Avviato {
    Programma() {
        voce("attivaa")->trigger();
        voce("attivat")->trigger();
    }
    QWidget* apri(const char* voce, const char* nome) {
        this->voce(voce)->trigger();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return platform::registry().existing(QString::fromLatin1(nome));
    }
};

platform::Grid* griglia(QWidget* f, const char* nome) {
    return controllo<platform::Grid>(f, QString::fromLatin1(nome));
}

// A press of the mouse on a cell, as the user makes it: the cell becomes current first.
void premi(platform::Grid* g, int riga, int colonna, Qt::MouseButton pulsante) {
    const QModelIndex i = g->model()->index(riga, colonna);
    g->scrollTo(i);
    QTest::mousePress(g->viewport(), pulsante, {}, g->visualRect(i).center());
    QTest::mouseRelease(g->viewport(), pulsante, {}, g->visualRect(i).center());
}

int sorteditta(QWidget* r) {
    for (int i = 0; i < 5; ++i)
        if (controllo<QRadioButton>(r, nomecontrollo(QStringLiteral("Option1"), i))->isChecked())
            return i;
    return -1;
}

QList<int> ruotespuntate(QWidget* r) {
    QList<int> ruote;
    for (int i = 0; i < 10; ++i)
        if (controllo<QCheckBox>(r, nomecontrollo(QStringLiteral("Check1"), i))->isChecked())
            ruote << i;
    return ruote;
}

// The statistics-search window as the user left it: other numbers, "Quaterna", Cagliari and
// Venezia.
void riempiricerca(Programma& p) {
    QWidget* r = p.apri("ricritmenu", nomi::ricerca);
    controllo<QLineEdit>(r, QStringLiteral("Text1"))->setText(QStringLiteral("1.2.3.4"));
    prova::scegli(r, "Option1", 3);
    for (int i = 0; i < 10; ++i)
        controllo<QCheckBox>(r, nomecontrollo(QStringLiteral("Check1"), i))
            ->setChecked(i == 1 || i == 9);
}

const QList<int> TUTTE{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// Chooses "Ricerca Statistica" over the cell and compares what the statistics-search window
// got; the copy must be a search that "Elabora" accepts.
void copiata(Programma& p, platform::Grid* g, int riga, int colonna, const QString& numeri,
             int sorte, const QList<int>& ruote) {
    platform::PopupSeam popup;
    popup.queueChoice(QStringLiteral("ricstatmenu"));
    premi(g, riga, colonna, Qt::LeftButton);
    QCOMPARE(popup.menus(), QStringList{QStringLiteral("menuric")});
    QWidget* r = platform::registry().existing(QString::fromLatin1(nomi::ricerca));
    QCOMPARE(p.m().area()->currentSubWindow(),
             platform::registry().subWindow(QString::fromLatin1(nomi::ricerca)));
    QCOMPARE(controllo<QLineEdit>(r, QStringLiteral("Text1"))->text(), numeri);
    QCOMPARE(sorteditta(r), sorte);
    QCOMPARE(ruotespuntate(r), ruote);
    std::array<bool, 10> spuntate{};
    for (int i : ruote)
        spuntate[i] = true;
    QVERIFY(readinput(numeri.toStdString(), sorte + 1, spuntate));
}

} // namespace

class TestRicercadariga : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void daformazione_data();
    void daformazione();
    void daclassifica_data();
    void daclassifica();
    void senzamenu_data();
    void senzamenu();
    void altrafinestraattiva();
};

void TestRicercadariga::daformazione_data() {
    QTest::addColumn<QString>("voce");
    QTest::addColumn<int>("sorte");  // Option2 of the formations window
    QTest::addColumn<int>("ruota");  // Option1 of the formations window
    QTest::addColumn<int>("ordine"); // Option4
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("numeri"); // empty: the text of the cell clicked
    QTest::addColumn<QList<int>>("ruote");
    QTest::newRow("Ambi Gemelli, ambo on Bari, first row")
        << "gemmenu" << 1 << 0 << 0 << 1 << "11.22" << QList<int>{0};
    QTest::newRow("Terzine Pari, terno on Napoli, by delay")
        << "parmenu" << 2 << 5 << 1 << 3 << QString() << QList<int>{5};
    QTest::newRow("Lunghette Cadenze, ambata on Tutte, last row")
        << "cadmenu" << 0 << 10 << 2 << -1 << QString() << TUTTE;
    QTest::newRow("Quartine Radicali, ambo on Venezia, by R/P")
        << "qradmenu" << 1 << 9 << 3 << 2 << QString() << QList<int>{9};
}

void TestRicercadariga::daformazione() {
    QFETCH(QString, voce);
    QFETCH(int, sorte);
    QFETCH(int, ruota);
    QFETCH(int, ordine);
    QFETCH(int, riga);
    QFETCH(QString, numeri);
    QFETCH(QList<int>, ruote);
    Programma p;
    riempiricerca(p);
    QWidget* f = p.apri(qPrintable(voce), nomi::tabform);
    prova::scegli(f, "Option2", sorte);
    prova::scegli(f, "Option1", ruota);
    prova::scegli(f, "Option4", ordine);
    QCoreApplication::processEvents();
    platform::Grid* g = griglia(f, "Grid1");
    if (riga < 0) riga = g->rows() - 1;
    const QString cella = g->textMatrix(riga, 0);
    if (numeri.isEmpty()) numeri = cella;
    QCOMPARE(cella, numeri);

    copiata(p, g, riga, 0, numeri, sorte, ruote);
}

void TestRicercadariga::daclassifica_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("sorte");        // Combo2 of the ranking window: 0 "Ambo", 1 "Terno"
    QTest::addColumn<QList<int>>("ruote"); // Check1 of the ranking window, 10 "Tutte"
    QTest::addColumn<int>("riga");
    QTest::addColumn<bool>("cambiasorte");   // the sorte box changed after the run
    QTest::addColumn<QList<int>>("copiate"); // empty: the wheel of the row's code
    QTest::newRow("ambo on Napoli: Napoli only")
        << 2 << 0 << QList<int>{5} << 1 << false << QList<int>{5};
    QTest::newRow("terno on Tutte: all ten wheels")
        << 3 << 1 << QList<int>{10} << 2 << false << TUTTE;
    QTest::newRow("ambo on Bari and Venezia: the row's wheel")
        << 2 << 0 << QList<int>{0, 9} << 3 << false << QList<int>{};
    QTest::newRow("terno on Roma, the box then on Ambo: the run's terno")
        << 4 << 1 << QList<int>{7} << 1 << true << QList<int>{7};
}

void TestRicercadariga::daclassifica() {
    QFETCH(int, k);
    QFETCH(int, sorte);
    QFETCH(QList<int>, ruote);
    QFETCH(int, riga);
    QFETCH(bool, cambiasorte);
    QFETCH(QList<int>, copiate);
    Programma p;
    riempiricerca(p);
    QWidget* f = p.apri("maxritmenu", nomi::massimi);
    controllo<QComboBox>(f, QStringLiteral("Combo1"))->setCurrentIndex(k - 2);
    controllo<QComboBox>(f, QStringLiteral("Combo2"))->setCurrentIndex(sorte);
    controllo<QComboBox>(f, QStringLiteral("Combo3"))->setCurrentIndex(4); // five rows
    prova::clic(f, QStringLiteral("Command7(1)"));
    for (int i : ruote)
        controllo<QCheckBox>(f, nomecontrollo(QStringLiteral("Check1"), i))->setChecked(true);
    prova::clic(f, QStringLiteral("Command1"));
    if (cambiasorte) controllo<QComboBox>(f, QStringLiteral("Combo2"))->setCurrentIndex(1 - sorte);
    platform::Grid* g = griglia(f, "griglia");
    const QString codice = g->textMatrix(riga, 0);
    if (copiate.isEmpty())
        for (int w : ruote)
            if (QString::fromStdString(programma().nomiruote[w]).left(2) == codice) copiate << w;
    QCOMPARE(copiate.size() == 10, codice == QStringLiteral("Tu"));
    copiata(p, g, riga, 1, g->textMatrix(riga, 1), sorte + 1, copiate);
}

void TestRicercadariga::senzamenu_data() {
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("colonna");
    QTest::addColumn<bool>("sinistro");
    QTest::newRow("right button on a formation") << 1 << 0 << false;
    QTest::newRow("delay column") << 1 << 1 << true;
    QTest::newRow("R/P column") << 1 << 3 << true;
    QTest::newRow("heading") << 0 << 0 << true;
}

void TestRicercadariga::senzamenu() {
    QFETCH(int, riga);
    QFETCH(int, colonna);
    QFETCH(bool, sinistro);
    Programma p;
    platform::PopupSeam popup;
    QWidget* f = p.apri("gemmenu", nomi::tabform);
    premi(griglia(f, "Grid1"), riga, colonna, sinistro ? Qt::LeftButton : Qt::RightButton);
    QVERIFY(popup.menus().isEmpty());
    QVERIFY(!p.aperta(nomi::ricerca));
}

// The popup's window lost the focus before the entry was chosen: nothing is copied.
void TestRicercadariga::altrafinestraattiva() {
    Programma p;
    QWidget* f = p.apri("gemmenu", nomi::tabform);
    griglia(f, "Grid1")->setCurrentCell(1, 0);
    p.apri("capomenu", nomi::capogioco);
    QCOMPARE(p.m().area()->currentSubWindow(),
             platform::registry().subWindow(QString::fromLatin1(nomi::capogioco)));
    p.voce("ricstatmenu")->trigger();
    QVERIFY(!p.aperta(nomi::ricerca));
}

QTEST_MAIN(TestRicercadariga)
#include "test_ricercadariga.moc"
