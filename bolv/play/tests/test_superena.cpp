// "Super EnaBolv" on an archive of 4600 draws: the pages of the table (draws before slot
// 4000 with their dates only), the delays view, and a window that keeps showing the archive
// it was opened on.
#include "archiviodiprova.h"
#include "controlli.h"
#include "intestazioni.h"

#include "superena.h"

#include "grid.h"
#include "help.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using prova::controllo;
using namespace bolv;

namespace {

constexpr int DRAWS = 4600;

// Draws every three or four days from 1900 on, their numbers those of the test archive
// over again; the last one opens Firenze with Bari's number.
std::vector<uint8_t> archiviolungo() {
    const std::vector<uint8_t> base = prova::immaginediprova();
    int tenute = 0;
    while (base[indicearchivio(tenute + 1, 0, 1)] != 0)
        ++tenute;
    std::vector<uint8_t> img(DIMARCHIVIO, 0);
    for (int d = 1; d <= DRAWS; ++d) {
        const Data data = Data::normalizzata(1900, 1, 1 + (d * 7) / 2);
        prova::metti(img, d, 0, 1, data.giorno);
        prova::metti(img, d, 0, 2, data.mese);
        prova::metti(img, d, 0, 3, data.anno % 100);
        prova::metti(img, d, 0, 4, data.anno / 100);
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                prova::metti(img, d, w, p, base[indicearchivio((d - 1) % tenute + 1, w, p)]);
    }
    const int bari[] = {17, 1, 2, 3, 4}, firenze[] = {17, 40, 5, 6, 7};
    for (int p = 1; p <= 5; ++p) {
        prova::metti(img, DRAWS, 1, p, bari[p - 1]);
        prova::metti(img, DRAWS, 3, p, firenze[p - 1]);
    }
    return img;
}

platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("msf"));
}

void clic(QWidget* f, const QString& nome) {
    controllo<QPushButton>(f, nome)->click();
}

QString data(int d) {
    return platform::formatDate(programma().dateestrazioni[d], QStringLiteral("dd.mm.yy"));
}

struct Programma : prova::Programmadiprova {
    Programma() : prova::Programmadiprova(archiviolungo()) {}
};

} // namespace

class TestSuperena : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void pagine();
    void ritardi();
    void fotografia();
    void guida();
};

void TestSuperena::apertura() {
    Programma p;
    QCOMPARE(programma().ultimaestrazione, DRAWS);
    superena f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Super EnaBolv"));
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label1"))->text(), QStringLiteral("Archivio"));
    auto* g = griglia(&f);
    QCOMPARE(g->rows(), 501);
    QCOMPARE(g->cols(), 11);
    QStringList testata;
    for (int c = 1; c <= 10; ++c)
        testata << g->textMatrix(0, c);
    QCOMPARE(testata,
             (QStringList{"Ba", "Fi", "Mi", "Na", "Pa", "Ro", "Ve", "Somma", "Pari", "Disp"}));
    QCOMPARE(g->colWidth(0), 1000);
    QVERIFY(g->colWidth(8) >= 700); // wider where "Somma" needs it
    // The last draw at the bottom: Firenze's 17 is taken, its 40 stands.
    QCOMPARE(g->textMatrix(500, 0), data(DRAWS));
    QCOMPARE(g->textMatrix(500, 1), QStringLiteral("17"));
    QCOMPARE(g->textMatrix(500, 2), QStringLiteral("40"));
    QCOMPARE(g->textMatrix(1, 0), data(DRAWS - 499));
}

// "<" back to the page of draws 3101..3600: before 4000 a draw shows its date only; "<" goes
// further back until a page would start before the first draw, ">" forward to the last.
void TestSuperena::pagine() {
    Programma p;
    superena f(programma());
    auto* g = griglia(&f);
    clic(&f, QStringLiteral("Command3(0)"));
    QCOMPARE(g->textMatrix(500, 0), data(4100));
    QCOMPARE(g->textMatrix(399, 0), data(3999));
    QCOMPARE(g->textMatrix(399, 1), QString());
    QCOMPARE(g->textMatrix(400, 1), QString::number(programma().estr(4000, 1, 1)));
    clic(&f, QStringLiteral("Command3(0)"));
    QCOMPARE(g->textMatrix(1, 0), data(3101));
    QCOMPARE(g->textMatrix(1, 1), QString());
    QCOMPARE(g->textMatrix(500, 10), QString());
    for (int i = 0; i < 10; ++i)
        clic(&f, QStringLiteral("Command3(0)"));
    QCOMPARE(g->textMatrix(500, 0), data(600)); // the last page that starts at a draw
    // The page end has gone back to draw 100, before any page: ">" comes back to 600 first.
    clic(&f, QStringLiteral("Command3(1)"));
    QCOMPARE(g->textMatrix(500, 0), data(600));
    clic(&f, QStringLiteral("Command3(1)"));
    QCOMPARE(g->textMatrix(500, 0), data(1100));
    for (int i = 0; i < 20; ++i)
        clic(&f, QStringLiteral("Command3(1)"));
    QCOMPARE(g->textMatrix(500, 0), data(DRAWS)); // never past the last draw
}

void TestSuperena::ritardi() {
    Programma p;
    superena f(programma());
    clic(&f, QStringLiteral("Command4"));
    const Tabellasestine t = calcolasestine(programma());
    auto* g = griglia(&f);
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label1"))->text(),
             QStringLiteral("Ritardi e frequenze dei 90 numeri"));
    QVERIFY(controllo<QPushButton>(&f, QStringLiteral("Command3(0)"))->isHidden());
    QCOMPARE(g->rows(), 92);
    QCOMPARE(g->cols(), 25);
    QCOMPARE(g->fixedRows(), 2);
    QCOMPARE(g->textMatrix(0, 4), QStringLiteral("Firenze"));
    QCOMPARE(g->textMatrix(0, 22), QStringLiteral("Nella sestina"));
    QCOMPARE(g->textMatrix(1, 24), QStringLiteral("Fre"));
    // The numbers whole, each heading over its three columns.
    QVERIFY(g->colWidth(0) >= 300);
    QVERIFY(g->columnWidth(0) > prova::larghezzatesto(*g, QStringLiteral("90")));
    const QStringList fuoriposto = prova::intestazionifuoriposto(*g);
    QVERIFY2(fuoriposto.isEmpty(), qPrintable(fuoriposto.join(u'\n')));
    // 17 came out in the last draw, in Bari's column.
    QCOMPARE(g->textMatrix(18, 0), QStringLiteral("17"));
    QCOMPARE(g->textMatrix(18, 1), QStringLiteral("0"));
    QCOMPARE(g->textMatrix(18, 22), QStringLiteral("0"));
    const Statisticasestina& st = t.statistiche[39][7];
    QCOMPARE(g->textMatrix(41, 23), QString::number(st.storico));
    QCOMPARE(g->textMatrix(41, 24), QString::number(st.frequenza));
    // Back to the archive: nothing of this view stays.
    clic(&f, QStringLiteral("Command2"));
    QCOMPARE(g->rows(), 501);
    QCOMPARE(g->textMatrix(500, 1), QStringLiteral("17"));
    QVERIFY(controllo<QPushButton>(&f, QStringLiteral("Command3(0)"))->isVisibleTo(&f));
}

// A recomputation over a shorter analysis window leaves the open window as it was.
void TestSuperena::fotografia() {
    Programma p;
    superena f(programma());
    const QString ultima = data(DRAWS);
    programma().ultimaestrazione = 4300;
    programma().dateestrazioni[DRAWS] = Data{};
    clic(&f, QStringLiteral("Command2"));
    QCOMPARE(griglia(&f)->textMatrix(500, 0), ultima);
    clic(&f, QStringLiteral("Command3(1)"));
    QCOMPARE(griglia(&f)->textMatrix(500, 0), ultima);
}

void TestSuperena::guida() {
    platform::HelpSeam guida;
    Programma p;
    superena f(programma());
    clic(&f, QStringLiteral("Command1"));
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests()[0].context, 17);
}

QTEST_MAIN(TestSuperena)
#include "test_superena.moc"
