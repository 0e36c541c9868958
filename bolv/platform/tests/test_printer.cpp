// The painter behind the real printer, drawn into a PDF file: a report longer
// than a page goes on at the top of the next pages, as a printer object does; a
// line wider than the page is printed smaller. Where no printer is installed the
// print goes to the PDF file the user names.
#include "printer.h"

#include "messagebox.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

namespace {
int pagesOf(const QString& pdf) {
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

std::unique_ptr<PrintSurface> pdfSurface(const QString& path) {
    return surfaceOn(pdfPrinter(path));
}
} // namespace

class TestPrinter : public QObject {
    Q_OBJECT
  private slots:
    void longReportContinuesOnNewPages();
    void explicitPageBreakAndDrawing();
    void wideLinesShrinkUntilTheyFit_data();
    void wideLinesShrinkUntilTheyFit();
    void withoutPrinterThePdfChosen_data();
    void withoutPrinterThePdfChosen();
    void thePdfTakesTheFilesPlaceAtTheEndOnly_data();
    void thePdfTakesTheFilesPlaceAtTheEndOnly();
};

void TestPrinter::longReportContinuesOnNewPages() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    auto p = pdfSurface(pdf);
    p->setFont(QStringLiteral("Courier"), 10);
    for (int i = 0; i < 300; ++i) {
        p->write(QString::number(i));
        p->tab(20);
        p->write(QStringLiteral("Bari"));
        p->newLine();
    }
    p->endDoc();
    const int pages = pagesOf(pdf);
    QVERIFY2(pages >= 4 && pages <= 8, qPrintable(QString::number(pages))); // ~60 lines a page
}

void TestPrinter::explicitPageBreakAndDrawing() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("slip.pdf");
    auto p = pdfSurface(pdf);
    p->printLine(QStringLiteral("prima pagina"));
    p->newPage();
    p->circle(1440, 1440, 60, true);
    p->line(0, 0, 1440, 0);
    p->setPosition(720, 2880);
    p->write(QStringLiteral("seconda"));
    p->endDoc();
    QCOMPARE(pagesOf(pdf), 2);
}

void TestPrinter::wideLinesShrinkUntilTheyFit_data() {
    QTest::addColumn<int>("characters"); // of the widest line
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("fits at 10 points") << 60 << 10.0 << false;
    QTest::newRow("too wide at 10 points") << 150 << 10.0 << true;
    QTest::newRow("too wide even at 5 points") << 260 << 5.0 << true;
}

void TestPrinter::wideLinesShrinkUntilTheyFit() {
    QFETCH(int, characters);
    QFETCH(double, points);
    QFETCH(bool, shrinks);
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("wide.pdf"));
    QPrinter* page = printer.get();
    auto p = surfaceOn(std::move(printer));
    p->setFont(QStringLiteral("Courier"), points);
    const QString widest(characters, QLatin1Char('8'));
    const QStringList lines{QStringLiteral("Bolv"), widest, QStringLiteral("----")};
    const double shown = p->shrinkToFit(lines);
    QCOMPARE(shown < points, shrinks);
    QFont f(QStringLiteral("Courier"));
    f.setPointSizeF(shown);
    QVERIFY(QFontMetricsF(f, page).horizontalAdvance(widest) <= page->width());
    if (shrinks) { // and not smaller than it needs
        f.setPointSizeF(shown + 0.2);
        QVERIFY(QFontMetricsF(f, page).horizontalAdvance(widest) > page->width());
    }
    p->printLines(lines);
    p->endDoc();
    QCOMPARE(pagesOf(dir.filePath("wide.pdf")), 1);
}

// A machine without printers: the print goes to the file chosen; an existing
// file is replaced after a Yes only; whatever prints nothing says so.
void TestPrinter::withoutPrinterThePdfChosen_data() {
    QTest::addColumn<QString>("chosen"); // relative to a fresh folder; empty: cancelled
    QTest::addColumn<bool>("exists");
    QTest::addColumn<Answer>("replace");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QString>("said");
    QTest::newRow("new file") << "stampa.pdf" << false << Answer::No << true << QString();
    QTest::newRow("existing file, Yes") << "stampa.pdf" << true << Answer::Yes << true << QString();
    QTest::newRow("existing file, No")
        << "stampa.pdf" << true << Answer::No << false << noPrinterMessage;
    QTest::newRow("cancelled") << "" << false << Answer::No << false << noPrinterMessage;
    QTest::newRow("folder missing")
        << "manca/stampa.pdf" << false << Answer::No << false << "failed";
}

void TestPrinter::withoutPrinterThePdfChosen() {
    QFETCH(QString, chosen);
    QFETCH(bool, exists);
    QFETCH(Answer, replace);
    QFETCH(bool, printed);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString path = chosen.isEmpty() ? QString() : dir.filePath(chosen);
    if (exists) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("prima");
    }
    BoxSeam boxes;
    boxes.queueAnswer(replace);
    PrinterSeam seam;
    seam.setNoPrinter(true);
    if (path.isEmpty())
        seam.queuePdfCancel();
    else
        seam.queuePdfFile(path);
    auto p = openPrinter(PrinterChoice::Dialog);
    QCOMPARE(bool(p), printed);
    QCOMPARE(seam.pdfQuestions(), 1);
    QCOMPARE(seam.dialogsShown(), 0); // no print dialog lists no printer
    QVERIFY(seam.jobs().empty());
    if (p) {
        p->printLine(QStringLiteral("Bolv"));
        p->endDoc();
        QCOMPARE(pagesOf(path), 1);
    } else if (exists) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("prima"));
    }
    QStringList expected;
    if (exists) expected << boxes.shown().value(0).text;
    if (said == QLatin1String("failed")) said = printFailedMessage(path);
    if (!said.isEmpty()) expected << said;
    QCOMPARE(boxes.texts(), expected);
    if (exists) QVERIFY(boxes.texts().constFirst().contains(QStringLiteral("esiste già")));
}

// The PDF is drawn beside the file and renamed over it at the end of the document: until
// then, and for good when the print is abandoned, the old file stays as it was; nothing is
// left beside it either way.
void TestPrinter::thePdfTakesTheFilesPlaceAtTheEndOnly_data() {
    QTest::addColumn<bool>("ended");
    QTest::newRow("document ended") << true;
    QTest::newRow("print abandoned") << false;
}

void TestPrinter::thePdfTakesTheFilesPlaceAtTheEndOnly() {
    QFETCH(bool, ended);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("prima");
    old.close();
    {
        auto p = pdfSurface(pdf);
        QVERIFY(p);
        p->printLine(QStringLiteral("Bolv"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("prima"));
        old.close();
        if (ended) p->endDoc();
    }
    if (ended) {
        QCOMPARE(pagesOf(pdf), 1);
    } else {
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("prima"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"report.pdf"});
}

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
