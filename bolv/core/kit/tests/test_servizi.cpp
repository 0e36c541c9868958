// The shared window services: the grid report (exact text), saving it to a
// text file (append, cancel, No, unwritable file), printing it, the wait
// window, help by context, copying and closing the data windows.
#include "clipboard.h"
#include "filedialog.h"
#include "grid.h"
#include "guida.h"
#include "help.h"
#include "messagebox.h"
#include "messager.h"
#include "mousepointer.h"
#include "printer.h"
#include "provafinestre.h"
#include "servizi.h"
#include "stato.h"
#include "supporto.h"
#include "windowregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <filesystem>
#include <optional>

using namespace bolv;

namespace {
// Heading row and two data rows, print columns 0 (the margin), 6 and 14.
platform::GridContent piccola() {
    platform::GridContent g(3, 3);
    const QStringList testi = {"Num", "Ritardo", "Pres", "12", " 95", " 7", "9", " 3", "120"};
    for (int i = 0; i < testi.size(); ++i)
        g.setText(i / 3, i % 3, testi[i]);
    return g;
}
const std::vector<int> colonnepiccola = {0, 6, 14};

Righe titoli(const QString& titolo, const QString& prima) {
    Righe r;
    r[0] = titolo;
    r[1] = prima;
    return r;
}

const QString regola16(16, QLatin1Char('-')); // " 7" (2) + 14

QStringList reportpiccola() {
    return {"Bolv",
            regola16,
            "Tabella",
            regola16,
            "Dati aggiornati all' estrazione del 30.12.2023",
            regola16,
            "Ruota di Bari",
            "Estremi",
            regola16,
            "Num  Ritardo Pres",
            regola16,
            "12    95      7",
            "9     3      120",
            "",
            regola16,
            "",
            ""};
}

QByteArray righefile(const QStringList& righe) {
    QByteArray b;
    for (const QString& r : righe)
        b += r.toUtf8() + "\r\n";
    return b;
}

QByteArray leggi(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivi(const QString& path, const QByteArray& dati) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}
} // namespace

class TestServizi : public prova::Provafinestre {
    Q_OBJECT
  private slots:
    void initTestCase();
    void reportOfASmallGrid();
    void reportEdgeCases_data();
    void reportEdgeCases();
    void dateLineShowsTheLastDrawHeld();
    void saveWritesTheReportToANewFile();
    void saveProposesTheFirstInformationLine();
    void saveAppendsAfterYes();
    void appendCopiesTheOldFileThroughTheSafeWrite_data();
    void appendCopiesTheOldFileThroughTheSafeWrite();
    void saveWritesNothingOnCancelOrNo();
    void saveReportsAFileThatCannotBeWritten();
    void printGoesToThePrinterInCourier();
    void textReportFollowsItsOwnRules_data();
    void textReportFollowsItsOwnRules();
    void textReportPrintsItsPrintedLines();
    void printWithoutPrinterLosesNothing();
    void printWithoutPrinterGoesToThePdfChosen();
    void waitWindowIsOneAndClosesCleanly();
    void helpHasATopicForEveryContext();
    void copyTakesTheActiveGridOrTextBox();
    void chiudianalisiClosesOnlyTheDataWindowsOpen();

  private:
    void salva(const Righe& righe = {});
    QTemporaryDir cartella_;
};

void TestServizi::initTestCase() {
    Provafinestre::initTestCase();
    Stato& s = programma();
    s.numestrazioni = 2;
    s.ultimaestrazione = 1; // the analysis window ends before the last draw
    s.dateestrazioni[1] = {2023, 12, 28};
    s.dateestrazioni[2] = {2023, 12, 30};
    s.dimensionecarattere = 7;
}

void TestServizi::salva(const Righe& righe) {
    Righe r = righe;
    if (r[0].isEmpty()) {
        r = titoli("Tabella", "Ruota di Bari");
        r[4] = "Estremi";
    }
    salvatesto(rapportogriglia(programma(), piccola(), r, colonnepiccola));
}

void TestServizi::reportOfASmallGrid() {
    Righe r = titoli("Tabella", "Ruota di Bari");
    r[4] = "Estremi"; // lines 2 and 3 empty: skipped
    QCOMPARE(righereport(piccola(), r, colonnepiccola, "30.12.2023"), reportpiccola());
}

void TestServizi::reportEdgeCases_data() {
    QTest::addColumn<QStringList>("celle"); // heading row then one data row
    QTest::addColumn<QList<int>>("colonne");
    QTest::addColumn<QStringList>("griglia"); // the lines after the information lines

    // The ranking window's positions with a last data cell of 3 characters.
    const QString r81(81, QLatin1Char('-'));
    QTest::newRow("ranking positions: 81 dashes, column 1 at character 10")
        << QStringList{"Numeri", "R", "", "", "", "", "Pre", "01.02", " 5", "", "", "", "", "123"}
        << QList<int>{0, 10, 40, 50, 63, 71, 78}
        << QStringList{r81, QString("Numeri   R") + QString(67, ' ') + "Pre",
                       r81, QString("01.02     5") + QString(66, ' ') + "123",
                       "",  r81,
                       "",  ""};
    const QString r4(4, QLatin1Char('-'));
    QTest::newRow("a wide cell pushes the next onto a continuation line")
        << QStringList{"Ruota", "N", "Venezia", "x"} << QList<int>{0, 3}
        << QStringList{r4, "Ruota", "  N", r4, "Venezia", "  x", "", r4, "", ""};
}

void TestServizi::reportEdgeCases() {
    QFETCH(QStringList, celle);
    QFETCH(QList<int>, colonne);
    QFETCH(QStringList, griglia);
    const int n = colonne.size();
    platform::GridContent g(2, n);
    for (int i = 0; i < celle.size(); ++i)
        g.setText(i / n, i % n, celle[i]);
    const QStringList righe =
        righereport(g, titoli("T", ""), {colonne.begin(), colonne.end()}, "01.01.2000");
    // Bolv, rule, title, rule, date, rule, no information line, then the grid part.
    QCOMPARE(righe.mid(6), griglia);
}

void TestServizi::dateLineShowsTheLastDrawHeld() {
    QCOMPARE(dataultimaestrazione(programma()), QStringLiteral("30.12.2023"));
}

void TestServizi::saveWritesTheReportToANewFile() {
    platform::BoxSeam box;
    platform::FileDialogSeam dialogo;
    const QString nome = cartella_.filePath("nuovo.txt");
    dialogo.queueChoice(nome);
    salva();
    QCOMPARE(leggi(nome), righefile(reportpiccola()));
    QVERIFY(box.shown().isEmpty()); // no question for a new file
    const platform::FileRequest& richiesta = dialogo.requests().at(0);
    QCOMPARE(richiesta.mode, platform::FileDialog::Mode::Save);
    QCOMPARE(richiesta.title, QStringLiteral("Salva tabella su file di testo"));
    QCOMPARE(richiesta.filter, QStringLiteral("File di testo (*.txt)|*.txt"));
    QCOMPARE(richiesta.defaultExtension, QStringLiteral("*.txt"));
}

void TestServizi::saveProposesTheFirstInformationLine() {
    platform::FileDialogSeam dialogo;
    salva();
    salva(titoli("Tabella", ""));
    QCOMPARE(dialogo.requests().at(0).fileName, QStringLiteral("Ruota di Bari.txt"));
    QCOMPARE(dialogo.requests().at(1).fileName, QStringLiteral(".txt"));
}

void TestServizi::saveAppendsAfterYes() {
    platform::BoxSeam box;
    platform::FileDialogSeam dialogo;
    const QString nome = cartella_.filePath("esistente.txt");
    scrivi(nome, "prima riga\r\n");
    dialogo.queueChoice(nome);
    box.queueAnswer(platform::Answer::Yes);
    salva();
    QCOMPARE(box.texts(), QStringList{"Il file esiste già. Appendere la tabella al file ?"});
    QCOMPARE(box.shown().at(0).buttons, platform::Buttons::YesNo);
    QCOMPARE(leggi(nome), "prima riga\r\n" + righefile(reportpiccola()));
}

// The old content, then the new lines, in a new file renamed over the old one: nothing
// is left beside it, and a FIFO is refused at once instead of being waited on.
void TestServizi::appendCopiesTheOldFileThroughTheSafeWrite_data() {
    QTest::addColumn<QString>("prima"); // "": no file; "fifo": a FIFO; else the old content
    QTest::addColumn<bool>("scritto");
    QTest::newRow("new file") << "" << true;
    QTest::newRow("existing file") << "prima riga\r\n" << true;
    QTest::newRow("FIFO") << "fifo" << false;
}

void TestServizi::appendCopiesTheOldFileThroughTheSafeWrite() {
    QFETCH(QString, prima);
    QFETCH(bool, scritto);
    QTemporaryDir cartella;
    const QString nome = cartella.filePath("report.txt");
    std::optional<prova::Fifo> fifo;
    if (prima == "fifo")
        fifo.emplace(QFile::encodeName(nome).toStdString());
    else if (!prima.isEmpty())
        scrivi(nome, prima.toUtf8());
    const QStringList linee{"Bolv", "", "12 95"};
    QCOMPARE(accodatesto(nome, linee), scritto);
    QCOMPARE(QDir(cartella.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"report.txt"});
    if (fifo) {
        QVERIFY(!fifo->aspettato());
        QVERIFY(std::filesystem::is_fifo(QFile::encodeName(nome).toStdString()));
    } else {
        QCOMPARE(leggi(nome), prima.toUtf8() + righefile(linee));
    }
}

void TestServizi::saveWritesNothingOnCancelOrNo() {
    platform::BoxSeam box;
    platform::FileDialogSeam dialogo;
    const QString nome = cartella_.filePath("intatto.txt");
    scrivi(nome, "resta così");
    dialogo.queueCancel();
    salva();
    QVERIFY(box.shown().isEmpty());
    dialogo.queueChoice(nome);
    box.queueAnswer(platform::Answer::No);
    salva();
    QCOMPARE(box.shown().size(), 1); // the question only
    QCOMPARE(leggi(nome), QByteArray("resta così"));
    QCOMPARE(QDir(cartella_.path()).entryList({"*.tmp", "*.txt~"}, QDir::Files), QStringList());
}

void TestServizi::saveReportsAFileThatCannotBeWritten() {
    platform::BoxSeam box;
    platform::FileDialogSeam dialogo;
    const QString nome = cartella_.filePath("manca/report.txt"); // no such folder
    dialogo.queueChoice(nome);
    salva();
    QCOMPARE(box.texts(), QStringList{messaggioscrittura(nome)});
    QVERIFY(!QFile::exists(nome));

    dialogo.queueChoice(cartella_.path()); // a folder is no file name
    salva();
    QCOMPARE(box.texts().last(), QStringLiteral("Nome di file non valido."));
}

void TestServizi::printGoesToThePrinterInCourier() {
    platform::PrinterSeam stampante;
    Righe r = titoli("Tabella", "Ruota di Bari");
    r[4] = "Estremi";
    stampatesto(programma(), rapportogriglia(programma(), piccola(), r, colonnepiccola));
    QCOMPARE(stampante.jobs().size(), size_t(1));
    const platform::RecordedJob& lavoro = stampante.jobs().front();
    QCOMPARE(lavoro.family, QStringLiteral("Courier"));
    QCOMPARE(lavoro.points, 7.0);
    QCOMPARE(lavoro.text.finishedLines(), reportpiccola());
    QVERIFY(lavoro.ended);
    QVERIFY(lavoro.pageBreaks.isEmpty()); // the printer breaks pages itself
}

namespace {
Rapportotesto rapportodiprova(bool sostituisce) {
    Rapportotesto r;
    r.linee = {"uno", "due"};
    r.stampate = {"stampata"};
    r.titolo = "Salva prova";
    r.proposto = "prova.txt";
    r.seesiste = "Appendere al file ?";
    r.sostituisce = sostituisce;
    return r;
}
} // namespace

// Each window's report keeps its own question and its own way with an existing file.
void TestServizi::textReportFollowsItsOwnRules_data() {
    QTest::addColumn<bool>("sostituisce");
    QTest::addColumn<QByteArray>("prima"); // empty: no file yet
    QTest::addColumn<bool>("si");
    QTest::addColumn<QByteArray>("dopo");
    QTest::newRow("nuovo, accoda") << false << QByteArray() << true << QByteArray("uno\r\ndue\r\n");
    QTest::newRow("nuovo, sostituisce")
        << true << QByteArray() << true << QByteArray("uno\r\ndue\r\n");
    QTest::newRow("esiste, accoda")
        << false << QByteArray("vecchio\r\n") << true << QByteArray("vecchio\r\nuno\r\ndue\r\n");
    QTest::newRow("esiste, sostituisce")
        << true << QByteArray("vecchio\r\n") << true << QByteArray("uno\r\ndue\r\n");
    QTest::newRow("esiste, No") << true << QByteArray("vecchio\r\n") << false
                                << QByteArray("vecchio\r\n");
}

void TestServizi::textReportFollowsItsOwnRules() {
    QFETCH(bool, sostituisce);
    QFETCH(QByteArray, prima);
    QFETCH(bool, si);
    QFETCH(QByteArray, dopo);
    platform::BoxSeam box;
    platform::FileDialogSeam dialogo;
    platform::PrinterSeam stampante;
    QTemporaryDir cartella;
    const QString nome = cartella.filePath("prova.txt");
    if (!prima.isEmpty()) scrivi(nome, prima);
    dialogo.queueChoice(nome);
    box.queueAnswer(si ? platform::Answer::Yes : platform::Answer::No);
    Stato& s = programma();
    s.stampasufile = true;
    stampaosalvatesto(s, rapportodiprova(sostituisce));
    s.stampasufile = false;
    QCOMPARE(dialogo.requests().front().title, QStringLiteral("Salva prova"));
    QCOMPARE(dialogo.requests().front().fileName, QStringLiteral("prova.txt"));
    QCOMPARE(box.texts(), prima.isEmpty() ? QStringList()
                                          : QStringList{"Il file esiste già. Appendere al file ?"});
    QCOMPARE(leggi(nome), dopo);
    QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{"prova.txt"});
    QVERIFY(stampante.jobs().empty());
}

// A report printed apart from its file gives the printer its own lines, in the printer's
// current font when it asks for no size of its own.
void TestServizi::textReportPrintsItsPrintedLines() {
    platform::PrinterSeam stampante;
    platform::FileDialogSeam dialogo;
    Rapportotesto r = rapportodiprova(false);
    r.dimensionescelta = false;
    stampaosalvatesto(programma(), r);
    r.stampate.clear();
    r.dimensionescelta = true;
    stampaosalvatesto(programma(), r);
    QVERIFY(dialogo.requests().empty());
    QCOMPARE(stampante.jobs().size(), size_t(2));
    const platform::RecordedJob& propria = stampante.jobs().front();
    QCOMPARE(propria.text.finishedLines(), QStringList{"stampata"});
    QVERIFY(std::none_of(propria.operations.begin(), propria.operations.end(),
                         [](const platform::PrintOperation& o) {
                             return o.kind == platform::PrintOperation::Font;
                         }));
    const platform::RecordedJob& scelta = stampante.jobs().back();
    QCOMPARE(scelta.text.finishedLines(), (QStringList{"uno", "due"}));
    QCOMPARE(scelta.family, QStringLiteral("Courier"));
    QCOMPARE(scelta.points, double(programma().dimensionecarattere));
}

void TestServizi::printWithoutPrinterLosesNothing() {
    platform::BoxSeam box;
    platform::PrinterSeam stampante;
    stampante.setNoPrinter(true);
    stampatesto(programma(),
                rapportogriglia(programma(), piccola(), titoli("Tabella", ""), colonnepiccola));
    QCOMPARE(box.texts(), QStringList{platform::noPrinterMessage});
    QVERIFY(stampante.jobs().empty());
}

// The widest report of the program (13 columns 12 characters apart) at the largest size.
void TestServizi::printWithoutPrinterGoesToThePdfChosen() {
    platform::GridContent g(40, 13);
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 13; ++j)
            g.setText(i, j,
                      i == 0 ? QStringLiteral("Colonna %1").arg(j) : QStringLiteral("1234567"));
    std::vector<int> colonne;
    for (int j = 0; j < 13; ++j)
        colonne.push_back(1 + 12 * j);
    programma().dimensionecarattere = 10;
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("tabella.pdf"));
    platform::BoxSeam box;
    platform::PrinterSeam stampante;
    stampante.setNoPrinter(true);
    stampante.queuePdfFile(pdf);
    stampatesto(programma(),
                rapportogriglia(programma(), g, titoli("Tabella", "Ruota di Bari"), colonne));
    QVERIFY(box.shown().isEmpty());
    QCOMPARE(stampante.pdfQuestions(), 1);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(leggi(pdf).startsWith("%PDF"));
}

void TestServizi::waitWindowIsOneAndClosesCleanly() {
    QMainWindow principale;
    platform::registry().setMainWindow(&principale, nullptr);
    chiudimessaggio(); // without a wait window: nothing to close
    QVERIFY(!finestramessaggio());
    QCOMPARE(platform::mousePointer(&principale), platform::Pointer::Default);

    mostramessaggio("Lettura archivio...");
    messager* prima = finestramessaggio();
    mostramessaggio("Calcolo ritardi...");
    QCOMPARE(finestramessaggio(), prima);
    QCOMPARE(prima->windowTitle(), QStringLiteral("Bolv "));
    QCOMPARE(prima->findChild<QLabel*>("Label1")->text(), QStringLiteral("Calcolo ritardi..."));
    QProgressBar* barra = prima->findChild<QProgressBar*>("ProgressBar1");
    QCOMPARE(barra->maximum(), 100);
    progressomessaggio(42.6);
    QCOMPARE(barra->value(), 42);
    QVERIFY(prima->isVisible());
    QCOMPARE(platform::mousePointer(&principale), platform::Pointer::Hourglass);

    chiudimessaggio();
    QVERIFY(!finestramessaggio());
    QCOMPARE(platform::mousePointer(&principale), platform::Pointer::Default);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(principale.findChildren<messager*>().size(), 0);
    platform::registry().reset();
}

void TestServizi::helpHasATopicForEveryContext() {
    usaguida();
    const QList<int> contesti = {7,  8,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                                 21, 22, 23, 24, 25, 26, 27, 29, 32, 33, 34, 70};
    for (int c : contesti)
        QVERIFY2(platform::helpTopicExists(c), qPrintable(QString::number(c)));
    QCOMPARE(platform::helpContexts(), contesti); // and none without a window

    platform::HelpSeam guida;
    mostraguida(70);
    mostraguida(5); // no topic: the contents, and no message
    QCOMPARE(guida.requests().at(0).page, QStringLiteral("qrc:/guida/contesto-70.html"));
    QCOMPARE(guida.requests().at(1).page, platform::helpContentsPage());
}

void TestServizi::copyTakesTheActiveGridOrTextBox() {
    QMainWindow principale;
    auto* area = new QMdiArea;
    principale.setCentralWidget(area);
    principale.show();
    platform::registry().setMainWindow(&principale, area);

    auto* figlia = new QWidget;
    auto* griglia = new platform::Grid(figlia);
    auto* testo = new QLineEdit(QStringLiteral("12.34.56"), figlia);
    auto* pulsante = new QPushButton(QStringLiteral("Elabora"), figlia);
    auto* layout = new QVBoxLayout(figlia);
    layout->addWidget(griglia);
    layout->addWidget(testo);
    layout->addWidget(pulsante);
    griglia->setRows(3);
    griglia->setCols(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            griglia->setTextMatrix(r, c, QStringLiteral("%1%2").arg(r).arg(c));
    QMdiSubWindow* sub = area->addSubWindow(figlia);
    sub->show();
    area->setActiveSubWindow(sub);

    griglia->setSelection(1, 1, 2, 2);
    griglia->setFocus();
    copia();
    QCOMPARE(platform::clipboardText(), QStringLiteral("11\t12\n21\t22"));
    testo->setFocus();
    copia();
    QCOMPARE(platform::clipboardText(), QStringLiteral("12.34.56"));
    pulsante->setFocus();
    QVERIFY(!controllocopiabile());
    copia();
    QVERIFY(!platform::clipboardHasText()); // cleared, nothing copied
    platform::registry().reset();
}

void TestServizi::chiudianalisiClosesOnlyTheDataWindowsOpen() {
    QMainWindow principale;
    auto* area = new QMdiArea;
    principale.setCentralWidget(area);
    platform::registry().setMainWindow(&principale, area);
    for (const char* n : {"archivio2", "situ", "combinazioni", "ambi"})
        platform::registry().define(QString::fromLatin1(n), [] { return new QWidget; });
    platform::registry().show("situ");
    platform::registry().window("combinazioni");
    platform::registry().window("ambi");
    chiudianalisi();
    QCOMPARE(platform::registry().openNames(), QStringList{"combinazioni"});
    QVERIFY(!platform::registry().isOpen("archivio2")); // not opened by closing it
    platform::registry().reset();
}

QTEST_MAIN(TestServizi)
#include "test_servizi.moc"
