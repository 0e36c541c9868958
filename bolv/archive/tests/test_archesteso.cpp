// The year view on the first 60 draws of the test archive (53 Saturdays of 1938, then 7 of
// 1939): the spans it shows and steps through, the heading, the bands and the highlights.
#include "archiviodiprova.h"
#include "controlli.h"
#include "intestazioni.h"

#include "archesteso.h"
#include "testo.h"

#include "grid.h"
#include "help.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace bolv;

namespace {

using prova::controllo;

platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, "esteso");
}
QString intestazione(QWidget* f) {
    return controllo<QLabel>(f, "Label1")->text();
}
void premi(QWidget* f, const char* nome) {
    controllo<QPushButton>(f, nome)->click();
}

// The test archive's first 60 draws, wheel Cagliari not drawn in the last one.
std::vector<uint8_t> sessanta() {
    auto img = prova::immaginediprova(60);
    for (int p = 1; p <= 5; ++p)
        prova::metti(img, 60, 2, p, 0);
    return img;
}

} // namespace

class TestArchesteso : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void anni_data();
    void anni();
    void griglia();
    void intestazioni();
    void evidenziato_data();
    void evidenziato();
    void archiviovuoto();
    void dalprogramma();
};

void TestArchesteso::anni_data() {
    QTest::addColumn<int>("ultima");    // the end of the analysis window
    QTest::addColumn<QString>("passi"); // "<" and ">" pressed in turn
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("primadata"); // slot of the first row
    QTest::newRow("the last year")
        << 60 << ""
        << "Estrazioni dal 07.01.39  al 18.02.39   ( 7 estrazioni)" << 54;
    QTest::newRow("back a year") << 60 << "<"
                                 << "Estrazioni dal 01.01.38  al 31.12.38   ( 53 estrazioni)" << 1;
    QTest::newRow("nothing before the first year")
        << 60 << "<<"
        << "Estrazioni dal 01.01.38  al 31.12.38   ( 53 estrazioni)" << 1;
    QTest::newRow("nothing after the last draw")
        << 60 << ">"
        << "Estrazioni dal 07.01.39  al 18.02.39   ( 7 estrazioni)" << 54;
    QTest::newRow("a window ending inside a year")
        << 40 << ""
        << "Estrazioni dal 01.01.38  al 01.10.38   ( 40 estrazioni)" << 1;
    QTest::newRow("the rest of that year on its own")
        << 40 << ">"
        << "Estrazioni dal 08.10.38  al 31.12.38   ( 13 estrazioni)" << 41;
    QTest::newRow("then the next year")
        << 40 << ">>"
        << "Estrazioni dal 07.01.39  al 18.02.39   ( 7 estrazioni)" << 54;
    QTest::newRow("a window of one draw")
        << 54 << ""
        << "Estrazioni dal 07.01.39  al 07.01.39   ( 1 estrazioni)" << 54;
}

void TestArchesteso::anni() {
    QFETCH(int, ultima);
    QFETCH(QString, passi);
    QFETCH(QString, titolo);
    QFETCH(int, primadata);
    prova::Programmadiprova p(sessanta());
    Stato& s = programma();
    s.ultimaestrazione = ultima;
    archesteso f(s);
    for (QChar c : passi)
        premi(&f, c == '<' ? "Command1" : "Command2");
    QCOMPARE(intestazione(&f), titolo);
    const int righe = titolo.section('(', 1).section(' ', 1, 1).toInt();
    QCOMPARE(::griglia(&f)->rows(), righe + 1);
    QCOMPARE(::griglia(&f)->textMatrix(1, 0),
             QString::fromStdString(formatodata(s.dateestrazioni[primadata], "dd.mm.yyyy")));
    QCOMPARE(p.registro.attese.back(), std::string("Preparazione tabella in corso..."));
}

// The layout: the date and 50 numbers a row, each wheel's name once over its five columns,
// the odd wheels in cyan bands, a wheel not drawn as zeros.
void TestArchesteso::griglia() {
    prova::Programmadiprova p(sessanta());
    Stato& s = programma();
    s.ultimaestrazione = 60;
    archesteso f(s);
    QCOMPARE(f.windowTitle(), QStringLiteral("Archivio - Visualizzazione estesa"));
    platform::Grid* g = ::griglia(&f);
    QCOMPARE(g->cols(), 51);
    QCOMPARE(g->fixedRows(), 1);
    QCOMPARE(g->fixedCols(), 1);
    // The layout's widths at the least, wider where the desktop's face needs it.
    QVERIFY(g->colWidth(0) >= 800);
    QVERIFY(g->colWidth(50) >= 240);
    QVERIFY(g->columnWidth(0) > g->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")));
    QVERIFY(g->columnWidth(50) > g->fontMetrics().horizontalAdvance(QStringLiteral("88")));
    QCOMPARE(g->textMatrix(0, 0), QString());
    QCOMPARE(g->textMatrix(0, 1), QStringLiteral("Bari"));
    QCOMPARE(g->textMatrix(0, 5), QStringLiteral("Bari"));
    QCOMPARE(g->textMatrix(0, 6), QStringLiteral("Cagliari"));
    QCOMPARE(g->textMatrix(0, 50), QStringLiteral("Venezia"));
    const auto unite = g->content().mergedRanges();
    QCOMPARE(unite.size(), size_t(10));
    QCOMPARE(unite.front().left, 1);
    QCOMPARE(unite.front().right, 5);
    QCOMPARE(unite.front().top, 0);
    QCOMPARE(unite.front().bottom, 0);
    for (int r = 1; r <= 7; ++r)
        for (int w = 1; w <= 10; ++w)
            for (int k = 1; k <= 5; ++k) {
                const int c = (w - 1) * 5 + k;
                QCOMPARE(g->textMatrix(r, c), QString::number(s.estr(53 + r, w, k)));
                QCOMPARE(g->cellBackColor(r, c), w % 2 ? QColor(0, 255, 255) : QColor());
            }
    QCOMPARE(g->textMatrix(7, 6), QStringLiteral("0"));
    QCOMPARE(controllo<QComboBox>(&f, "Combo1")->count(), 91);
    QCOMPARE(controllo<QComboBox>(&f, "Combo1")->itemText(0), QStringLiteral("Nessuno"));
    QCOMPARE(controllo<QComboBox>(&f, "Combo1")->itemText(90), QStringLiteral(" 90"));
    QCOMPARE(controllo<QPushButton>(&f, "Command1")->toolTip(),
             QStringLiteral("Indietro di un anno"));
    QCOMPARE(controllo<QPushButton>(&f, "Command2")->toolTip(),
             QStringLiteral("Avanti di un anno"));
}

// Each wheel's name stands over its own five columns, in the program's main window at the
// opening size and maximised, scrolled to either end.
void TestArchesteso::intestazioni() {
    prova::Avviato a;
    a.voce("archesteso")->trigger();
    QWidget* f = platform::registry().existing(QString::fromLatin1(nomi::archesteso));
    QVERIFY(QTest::qWaitForWindowExposed(f));
    platform::Grid* g = ::griglia(f);
    QCOMPARE(g->textMatrix(0, 50), QStringLiteral("Venezia"));
    auto* cornice = qobject_cast<QMdiSubWindow*>(f->parentWidget());
    QVERIFY(cornice);
    for (bool massima : {false, true}) {
        if (massima) cornice->showMaximized();
        QCoreApplication::processEvents();
        for (QScrollBar* barra = g->horizontalScrollBar(); int x : {0, barra->maximum()}) {
            barra->setValue(x);
            const QStringList fuoriposto = prova::intestazionifuoriposto(*g);
            QVERIFY2(fuoriposto.isEmpty(), qPrintable(fuoriposto.join(u'\n')));
        }
    }
}

void TestArchesteso::evidenziato_data() {
    QTest::addColumn<int>("scelta"); // item of Combo1; -1: the number first drawn on Bari
    QTest::newRow("Nessuno") << 0;
    QTest::newRow("a number drawn") << -1;
    QTest::newRow("90") << 90;
}

// Every cell holding the chosen number is green, whatever its band; no other is.
void TestArchesteso::evidenziato() {
    QFETCH(int, scelta);
    prova::Programmadiprova p(sessanta());
    Stato& s = programma();
    s.ultimaestrazione = 60;
    archesteso f(s);
    if (scelta < 0) scelta = s.estr(54, 1, 1);
    auto* combo = controllo<QComboBox>(&f, "Combo1");
    combo->setCurrentIndex(scelta == 0 ? 1 : 0); // a change, then the choice
    combo->setCurrentIndex(scelta);
    const platform::Grid* g = ::griglia(&f);
    int verdi = 0;
    for (int r = 1; r < g->rows(); ++r)
        for (int c = 1; c <= 50; ++c) {
            const bool verde = g->cellBackColor(r, c) == QColor(0, 255, 0);
            QCOMPARE(verde, scelta > 0 && g->textMatrix(r, c).toInt() == scelta);
            verdi += verde;
        }
    if (scelta == s.estr(54, 1, 1)) QVERIFY(verdi >= 1);
    premi(&f, "Command1"); // the highlight goes with the view
    QCOMPARE(g->cellBackColor(1, 1) == QColor(0, 255, 0), scelta > 0 && s.estr(1, 1, 1) == scelta);
}

void TestArchesteso::archiviovuoto() {
    prova::Programmadiprova p(prova::immaginediprova(0));
    archesteso f(programma());
    QCOMPARE(::griglia(&f)->rows(), 1);
    QCOMPARE(intestazione(&f), QStringLiteral("Estrazioni dal"));
    for (const char* nome : {"Command1", "Command2"})
        QVERIFY(!controllo<QPushButton>(&f, nome)->isEnabled());
    QVERIFY(!controllo<QComboBox>(&f, "Combo1")->isEnabled());
}

// The menu entry and the toolbar key open it; "?" is its help.
void TestArchesteso::dalprogramma() {
    platform::HelpSeam guida;
    prova::Avviato a;
    for (const char* voce : {"estrannomenu", "archesteso"}) {
        QVERIFY(a.voce(voce)->isEnabled());
        a.voce(voce)->trigger();
        QWidget* f = platform::registry().existing(QString::fromLatin1(nomi::archesteso));
        QVERIFY(f && f->isVisible());
        premi(f, "Command3");
        platform::registry().close(QString::fromLatin1(nomi::archesteso));
    }
    QCOMPARE(guida.requests().size(), 2);
    QCOMPARE(guida.requests()[0].context, 10);
}

QTEST_MAIN(TestArchesteso)
#include "test_archesteso.moc"
