// "Stampa Schedina": the slip as it opens, marking, the offset buttons and their limits, the
// print of a marked slip (always on the printer), a missing printer, and "Salva" writing
// slots 6 and 7 of "bolv.cfg" and nothing else.
#include "archiviodiprova.h"
#include "controlli.h"

#include "stampa.h"

#include "datifile.h"
#include "help.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using prova::controllo;
using namespace bolv;

namespace {

QLabel* scatola(QWidget* f, const QString& nome) {
    return controllo<QLabel>(f, nome);
}

void segna(QWidget* f, const QString& nome) {
    QTest::mouseClick(scatola(f, nome), Qt::LeftButton);
}

bool verde(QWidget* f, const QString& nome) {
    return scatola(f, nome)->palette().color(QPalette::Window) == QColor(0, 255, 0);
}

void premi(QWidget* f, int indice, int volte = 1) {
    for (int i = 0; i < volte; ++i)
        controllo<QPushButton>(f, QStringLiteral("Command2(%1)").arg(indice))->click();
}

void clic(QWidget* f, const char* nome) {
    controllo<QPushButton>(f, QString::fromLatin1(nome))->click();
}

} // namespace

class TestStampa : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void segnare();
    void offset_data();
    void offset();
    void stampasegnata();
    void senzastampante();
    void salva();
    void salvanonriuscito();
    void guida();
};

void TestStampa::apertura() {
    prova::Programmadiprova p;
    programma().configurazione[6] = 500;
    programma().configurazione[7] = -20;
    stampa f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Stampa Schedina"));
    QCOMPARE(scatola(&f, QStringLiteral("Label4(0)"))->text(), QStringLiteral("01"));
    QCOMPARE(scatola(&f, QStringLiteral("Label4(89)"))->text(), QStringLiteral("90"));
    QCOMPARE(scatola(&f, QStringLiteral("Label3(0)"))->text(), QStringLiteral("Bari"));
    QCOMPARE(scatola(&f, QStringLiteral("Label3(10)"))->text(), QStringLiteral("Tutte"));
    QCOMPARE(scatola(&f, QStringLiteral("Label12(19)"))->text(), QStringLiteral("10"));
    QCOMPARE(scatola(&f, QStringLiteral("Label11(5)"))->text(), QStringLiteral("C"));
    QCOMPARE(scatola(&f, QStringLiteral("Label1(0)"))->text(), QStringLiteral(" 500"));
    QCOMPARE(scatola(&f, QStringLiteral("Label1(1)"))->text(), QStringLiteral("-20"));
    for (const char* nome : {"Label4(0)", "Label5(10)", "Label6(9)", "Label7(0)", "Label8(119)"})
        QVERIFY(!verde(&f, QString::fromLatin1(nome)));
}

void TestStampa::segnare() {
    prova::Programmadiprova p;
    stampa f(programma());
    const QString numero = QStringLiteral("Label4(44)");
    segna(&f, numero);
    QVERIFY(verde(&f, numero));
    segna(&f, numero);
    QVERIFY(!verde(&f, numero));
}

void TestStampa::offset_data() {
    QTest::addColumn<int>("inizio");
    QTest::addColumn<int>("pulsante");
    QTest::addColumn<int>("volte");
    QTest::addColumn<QString>("dopo");
    QTest::newRow("+ horizontal three times") << 500 << 1 << 3 << " 530";
    QTest::newRow("- horizontal") << 500 << 0 << 1 << " 490";
    QTest::newRow("- vertical below 0") << 0 << 2 << 1 << "-10";
    QTest::newRow("+ vertical") << 0 << 3 << 2 << " 20";
    QTest::newRow("- stops at the left edge") << -170 << 0 << 3 << "-180";
    QTest::newRow("+ stops at the right edge") << 3020 << 1 << 2 << " 3026";
    QTest::newRow("a saved value beyond the page") << 32000 << 0 << 1 << " 3016";
}

void TestStampa::offset() {
    QFETCH(int, inizio);
    QFETCH(int, pulsante);
    QFETCH(int, volte);
    QFETCH(QString, dopo);
    prova::Programmadiprova p;
    programma().configurazione[6 + pulsante / 2] = static_cast<int16_t>(inizio);
    stampa f(programma());
    premi(&f, pulsante, volte);
    QCOMPARE(scatola(&f, QStringLiteral("Label1(%1)").arg(pulsante / 2))->text(), dopo);
}

// The marks of a marked slip, with the offsets as changed and unsaved, row by row, on the
// printer even with the output set to a file.
void TestStampa::stampasegnata() {
    prova::Finte finte;
    prova::Programmadiprova p;
    programma().stampasufile = true;
    programma().configurazione[6] = 500;
    stampa f(programma());
    for (const char* nome : {"Label4(89)", "Label5(10)", "Label8(119)", "Label8(0)", "Label4(0)",
                             "Label6(2)", "Label7(9)", "Label4(50)", "Label4(50)"})
        segna(&f, QString::fromLatin1(nome));
    premi(&f, 1, 3); // 530
    premi(&f, 2);    // -10
    clic(&f, "Command1");
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    const platform::RecordedJob& job = finte.stampe.jobs().front();
    QVERIFY(job.ended);
    QList<std::array<int, 2>> centri;
    for (const platform::PrintOperation& o : job.operations) {
        if (o.kind != platform::PrintOperation::Circle) continue;
        QCOMPARE(o.c, RAGGIOSEGNO);
        centri.append({o.a, o.b});
    }
    const QList<std::array<int, 2>> attesi = {
        {240 + 530, 240 - 10},   // 1
        {4080 + 530, 240 - 10},  // "50K" of row T
        {8820 + 530, 1440 - 10}, // "10" of row C
        {2400 + 530, 2160 - 10}, // 90
        {720 + 530, 2640 - 10},  // third "Sistemi" box
        {2400 + 530, 3120 - 10}, // last "Giocate multiple" box
        {3120 + 530, 3120 - 10}, // "Tutte"
    };
    QCOMPARE(centri, attesi);
    QVERIFY(finte.file.requests().isEmpty());
}

void TestStampa::senzastampante() {
    prova::Finte finte;
    finte.stampe.setNoPrinter(true);
    finte.stampe.queuePdfCancel();
    prova::Programmadiprova p;
    stampa f(programma());
    segna(&f, QStringLiteral("Label4(0)"));
    clic(&f, "Command1");
    QVERIFY(finte.stampe.jobs().empty());
    QCOMPARE(finte.scatole.texts(), QStringList{platform::noPrinterMessage});
}

// "Salva" changes slots 6 and 7 of the file, and only them; a new opening shows them, and
// an unsaved change is lost with the window.
void TestStampa::salva() {
    prova::Finte finte;
    prova::Programmadiprova p;
    QByteArray cfg(DIMCONFIG, '\0');
    for (int i = 0; i < DIMCONFIG; ++i)
        cfg[i] = char(0x30 + i);
    cfg[12] = char(0xf4); // 500
    cfg[13] = 1;
    cfg[14] = cfg[15] = 0;
    p.cartella.scrivi(QStringLiteral("bolv.cfg"), cfg);
    QVERIFY(leggiconfigurazione(programma()));
    programma().configurazione[2] = 999; // held, never written by this window
    {
        stampa f(programma());
        premi(&f, 1, 3);
        premi(&f, 2);
        clic(&f, "Command3");
    }
    QByteArray attesi = cfg;
    const int16_t h = programma().configurazione[6], v = programma().configurazione[7];
    QCOMPARE(h, int16_t(530));
    QCOMPARE(v, int16_t(-10));
    attesi[12] = char(h & 0xff);
    attesi[13] = char(h >> 8);
    attesi[14] = char(v & 0xff);
    attesi[15] = char(v >> 8);
    QCOMPARE(p.cartella.leggi(QStringLiteral("bolv.cfg")), attesi);
    QVERIFY(finte.scatole.texts().isEmpty());
    {
        stampa f(programma());
        QCOMPARE(scatola(&f, QStringLiteral("Label1(0)"))->text(), platform::plainText(h));
        premi(&f, 1);
    }
    stampa f(programma());
    QCOMPARE(scatola(&f, QStringLiteral("Label1(0)"))->text(), platform::plainText(h));
}

void TestStampa::salvanonriuscito() {
    prova::Finte finte;
    prova::Programmadiprova p;
    stampa f(programma());
    premi(&f, 1);
    programma().cartellaprogramma = p.percorso(QStringLiteral("manca")).toStdString();
    clic(&f, "Command3");
    QCOMPARE(finte.scatole.texts(),
             QStringList{QStringLiteral("Impossibile scrivere il file di configurazione "
                                        "bolv.cfg: gli offset non sono stati salvati.")});
    QCOMPARE(programma().configurazione[6], int16_t(0));
}

void TestStampa::guida() {
    prova::Finte finte;
    prova::Programmadiprova p;
    stampa f(programma());
    clic(&f, "Command4");
    QCOMPARE(finte.guida.requests().size(), 1);
    QCOMPARE(finte.guida.requests()[0].context, 21);
}

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
