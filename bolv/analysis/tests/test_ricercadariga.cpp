// "Ricerca Statistica" from a grid row: the popup over a formation, and what the
// statistics-search window gets from the row clicked.
#include "archiviodiprova.h"
#include "controlli.h"

#include "ricerca.h"
#include "tabform.h"

#include "ambiterni.h"
#include "grid.h"
#include "nomifinestre.h"
#include "popupmenu.h"
#include "ricercastatistica.h"

#include <QCheckBox>
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
        Stato& s = bolv::programma();
        s.ambiattivi = s.ternattivi = true;
        calcolaambi(s);
        calcolaterni(s);
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

} // namespace

class TestRicercadariga : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void daformazione_data();
    void daformazione();
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
    platform::PopupSeam popup;
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

    popup.queueChoice(QStringLiteral("ricstatmenu"));
    premi(g, riga, 0, Qt::LeftButton);

    QCOMPARE(popup.menus(), QStringList{QStringLiteral("menuric")});
    QWidget* r = platform::registry().existing(QString::fromLatin1(nomi::ricerca));
    QCOMPARE(p.m().area()->currentSubWindow(),
             platform::registry().subWindow(QString::fromLatin1(nomi::ricerca)));
    QCOMPARE(controllo<QLineEdit>(r, QStringLiteral("Text1"))->text(), numeri);
    QCOMPARE(sorteditta(r), sorte);
    QCOMPARE(ruotespuntate(r), ruote);
    // What was copied is a search "Elabora" accepts.
    std::array<bool, 10> spuntate{};
    for (int i : ruote)
        spuntate[i] = true;
    QVERIFY(readinput(numeri.toStdString(), sorte + 1, spuntate));
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
