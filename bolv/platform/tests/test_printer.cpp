// The painter behind the real printer, drawn into a PDF file: a report longer
// than a page goes on at the top of the next pages, as a printer object does.
#include "printer.h"

#include <QFile>
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
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return surfaceOn(std::move(printer));
}
} // namespace

class TestPrinter : public QObject {
    Q_OBJECT
  private slots:
    void longReportContinuesOnNewPages();
    void explicitPageBreakAndDrawing();
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

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
