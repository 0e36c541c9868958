// The situation window: its grid over the test archive, the anomaly marking, the number
// popup and the report on the printer or in a file.
#include "archiviodiprova.h"
#include "intestazioni.h"

#include "situ.h"

#include "grid.h"
#include "popupmenu.h"
#include "situazione.h"

#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace bolv;

namespace {

QRadioButton* opzione(QWidget* f, const char* base, int i) {
    return f->findChild<QRadioButton*>(nomecontrollo(QString::fromLatin1(base), i));
}

platform::Grid* griglia(QWidget* f) {
    return f->findChild<platform::Grid*>(QStringLiteral("MSFlexGrid1"));
}

situ* apri(prova::Avviato& a) {
    a.voce("tabanamenu")->trigger();
    return dynamic_cast<situ*>(platform::registry().existing(QString::fromLatin1(nomi::situ)));
}

// The background of every number cell as the marking wants it.
void confrontamarcatura(platform::Grid* g, int modo, int grado) {
    const auto segni = critici(riempisitu(programma()), modo, grado);
    for (size_t d = 0; d < segni.size(); ++d)
        for (int w = 1; w <= 10; ++w) {
            const Anomalia a = segni[d][w - 1];
            const QColor atteso = a == Anomalia::eccesso   ? QColor(0, 255, 255)
                                  : a == Anomalia::carenza ? QColor(0, 255, 0)
                                                           : QColor(255, 255, 255);
            for (int p = 1; p <= 5; ++p)
                QCOMPARE(g->cellBackColor(int(d) + 2, 6 * (w - 1) + p), atteso);
        }
}

QStringList righefile(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList righe = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    righe.removeLast(); // after the last CR LF
    return righe;
}

QStringList reportatteso() {
    const Stato& s = programma();
    QStringList righe;
    for (const auto& l :
         reportsitu(cellesitu(riempisitu(s), s.nomiruote), dataultimaestrazione(s).toStdString()))
        righe << QString::fromStdString(l);
    return righe;
}

} // namespace

class TestSitu : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void marcatura();
    void intestazioni_data();
    void intestazioni();
    void menunumero_data();
    void menunumero();
    void salva_data();
    void salva();
    void stampa();
    void stampantemancante();
};

void TestSitu::apertura() {
    prova::Avviato a;
    situ* f = apri(a);
    QVERIFY(f && f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Situazione estrazionale"));
    const Situazione sit = riempisitu(programma());
    platform::Grid* g = griglia(f);
    QCOMPARE(g->rows(), sit.ritardomassimo + 3);
    QCOMPARE(g->cols(), 62);
    QCOMPARE(g->fixedRows(), 2);
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Rit"));
    QCOMPARE(g->textMatrix(0, 5), QStringLiteral("Bari"));
    QCOMPARE(g->textMatrix(0, 60 - 1), QStringLiteral("Venezia"));
    QCOMPARE(g->textMatrix(0, 61), QStringLiteral("Num"));
    QCOMPARE(g->textMatrix(1, 3), QStringLiteral("3"));
    QCOMPARE(g->textMatrix(1, 61), QStringLiteral(" 50"));
    QCOMPARE(g->textMatrix(2, 0), QStringLiteral(" 0"));
    QCOMPARE(g->textMatrix(2, 61), QStringLiteral(" 50"));
    // The layout's widths at the least, wider where the desktop's face needs it.
    QVERIFY(g->colWidth(1) >= 230);
    QCOMPARE(g->colWidth(6), 8);
    QCOMPARE(g->colWidth(0), g->colWidth(1) + 160);
    QVERIFY(g->colWidth(61) >= 500);
    int rossi = 0;
    for (size_t d = 0; d < sit.numeri.size(); ++d)
        for (int c = 0; c < 50; ++c) {
            const int colonna = 6 * (c / 5) + c % 5 + 1;
            const int n = sit.numeri[d][c];
            QCOMPARE(g->textMatrix(int(d) + 2, colonna), n ? QString::number(n) : QString());
            QCOMPARE(g->cellForeColor(int(d) + 2, colonna) == QColor(255, 0, 0),
                     bool(sit.rossi[d][c]));
            rossi += sit.rossi[d][c];
        }
    QVERIFY(rossi > 0);
    for (int r = 1; r < g->rows(); ++r)
        QCOMPARE(g->cellBackColor(r, 61), QColor(0, 255, 0));
    QVERIFY(f->findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
    auto* Combo1 = f->findChild<QComboBox*>(QStringLiteral("Combo1"));
    QCOMPARE(Combo1->count(), 5);
    QCOMPARE(Combo1->currentText(), QStringLiteral("Molto Basso"));
}

void TestSitu::marcatura() {
    prova::Avviato a;
    situ* f = apri(a);
    platform::Grid* g = griglia(f);
    auto* Combo1 = f->findChild<QComboBox*>(QStringLiteral("Combo1"));
    opzione(f, "Option2", 1)->setChecked(true);
    confrontamarcatura(g, 1, 0);
    Combo1->setCurrentIndex(3);
    confrontamarcatura(g, 1, 3);
    opzione(f, "Option2", 2)->setChecked(true);
    confrontamarcatura(g, 2, 3);
    // A new font size rebuilds the grid and keeps the marking.
    opzione(f, "Option1", 1)->setChecked(true);
    QVERIFY(g->colWidth(1) >= 300);
    confrontamarcatura(g, 2, 3);
    opzione(f, "Option2", 0)->setChecked(true);
    confrontamarcatura(g, 0, 3);
    Combo1->setCurrentIndex(0);
    confrontamarcatura(g, 0, 0);
}

void TestSitu::intestazioni_data() {
    QTest::addColumn<int>("dimensione"); // Option1(i)
    QTest::newRow("Piccolo") << 0;
    QTest::newRow("Normale") << 1;
}

// Both heading rows stand over their columns, each name and "Num" whole, at either size.
void TestSitu::intestazioni() {
    QFETCH(int, dimensione);
    prova::Avviato a;
    situ* f = apri(a);
    QVERIFY(QTest::qWaitForWindowExposed(f));
    opzione(f, "Option1", dimensione)->setChecked(true);
    QCoreApplication::processEvents();
    const platform::Grid* g = griglia(f);
    QCOMPARE(g->textMatrix(0, 61), QStringLiteral("Num"));
    const QStringList fuoriposto = prova::intestazionifuoriposto(*g);
    QVERIFY2(fuoriposto.isEmpty(), qPrintable(fuoriposto.join(u'\n')));
}

void TestSitu::menunumero_data() {
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("colonna");
    QTest::addColumn<bool>("sinistro");
    QTest::addColumn<bool>("menu");
    QTest::newRow("a number of Bari") << 2 << 1 << true << true;
    QTest::newRow("a number of Venezia") << 2 << 59 << true << true;
    QTest::newRow("right button") << 2 << 1 << false << false;
    QTest::newRow("position row") << 1 << 1 << true << false;
    QTest::newRow("count column") << 2 << 61 << true << false;
    QTest::newRow("separator") << 2 << 6 << true << false;
    QTest::newRow("delay column") << 2 << 0 << true << false;
}

void TestSitu::menunumero() {
    QFETCH(int, riga);
    QFETCH(int, colonna);
    QFETCH(bool, sinistro);
    QFETCH(bool, menu);
    prova::Avviato a;
    platform::PopupSeam popup;
    situ* f = apri(a);
    platform::Grid* g = griglia(f);
    emit g->cellPressed(riga, colonna, sinistro ? Qt::LeftButton : Qt::RightButton);
    QCOMPARE(popup.menus().size(), qsizetype(menu ? 1 : 0));
    if (!menu) return;
    const Stato& s = programma();
    const int i = colonna / 6, n = g->textMatrix(riga, colonna).toInt();
    QMenu* m = a.m().menu(QStringLiteral("menunumero"));
    const auto testo = [&](const char* nome) {
        return m->findChild<QAction*>(QString::fromLatin1(nome))->text();
    };
    QCOMPARE(testo("titolomenu"),
             QString::number(n) + " su " + QString::fromStdString(s.nomiruote[i]));
    QCOMPARE(testo("ritmenu"), "Rit.  " + QString::number(s.ritardinumeri[indicenumero(n, i + 1)]));
    QCOMPARE(testo("stomenu"), "Sto.  " + QString::number(s.storicinumeri[indicenumero(n, i + 1)]));
    QCOMPARE(testo("premenu"),
             "Pre.  " + QString::number(s.presenzenumeri[indicenumero(n, i + 1)]));
}

void TestSitu::salva_data() {
    QTest::addColumn<QString>("caso");
    QTest::newRow("cancelled") << "annulla";
    QTest::newRow("new file") << "nuovo";
    QTest::newRow("existing, appended") << "si";
    QTest::newRow("existing, kept") << "no";
    QTest::newRow("cannot be written") << "cartella";
}

void TestSitu::salva() {
    QFETCH(QString, caso);
    prova::Finte finte;
    prova::Avviato a;
    programma().stampasufile = true;
    situ* f = apri(a);
    const QString percorso = a.p.percorso(caso == "cartella" ? "manca/situ.txt" : "situ.txt");
    const QStringList prima{"riga di prima"};
    if (caso == "si" || caso == "no") QVERIFY(accodatesto(percorso, prima));
    if (caso == "annulla")
        finte.file.queueCancel();
    else
        finte.file.queueChoice(percorso);
    finte.scatole.queueAnswer(caso == "si" ? platform::Answer::Yes : platform::Answer::No);
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    const platform::FileRequest& r = finte.file.requests().front();
    QCOMPARE(r.title, QStringLiteral("Salva tabella su file di testo"));
    QCOMPARE(r.fileName, QStringLiteral("Situazione estrazionale.txt"));
    QStringList atteso;
    if (caso == "nuovo") atteso = reportatteso();
    if (caso == "si") atteso = prima + reportatteso();
    if (caso == "no") atteso = prima;
    QCOMPARE(righefile(percorso), atteso);
    QCOMPARE(finte.scatole.texts().contains(messaggioscrittura(percorso)), caso == "cartella");
    QVERIFY(finte.stampe.jobs().empty());
}

void TestSitu::stampa() {
    prova::Finte finte;
    prova::Avviato a;
    programma().dimensionecarattere = 7;
    situ* f = apri(a);
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    const platform::RecordedJob& job = finte.stampe.jobs().front();
    QCOMPARE(job.family, QStringLiteral("Courier"));
    QCOMPARE(job.points, 7.0);
    QVERIFY(job.ended);
    QCOMPARE(job.lines(), reportatteso());
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(finte.guida.requests().front().context, 11);
}

void TestSitu::stampantemancante() {
    prova::Finte finte;
    finte.stampe.setNoPrinter(true);
    finte.stampe.queuePdfCancel();
    prova::Avviato a;
    situ* f = apri(a);
    f->stampasitu();
    QVERIFY(finte.stampe.jobs().empty());
    QVERIFY(finte.scatole.texts().contains(platform::noPrinterMessage));
}

QTEST_MAIN(TestSitu)
#include "test_situ.moc"
