// The listing printed on a real QPrinter to PDF files, and the way to a printer: the print dialog
// (which also offers a PDF file) where printers are installed, a PDF file chosen in a file dialog
// where none is, and a message when the print cannot start.

#include "Ambiente.h"
#include "CalcoliCruciverbaStampa.h"
#include "FlatCtrls.h"
#include "RispostaModale.h"
#include "StampanteQt.h"
#include "Unit1.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace cruciverba;

namespace {

// Passes everything to the Qt surface and keeps, for every text, where it starts, how far its
// ink reaches in the font the surface draws it in, and the size the layout asked for.
class Misuratore : public PrintSurface {
  public:
    struct Riga {
        std::string testo;
        int x;
        double fine;
        double punti;
        int puntiChiesti;
    };
    std::vector<Riga> righe;

    Misuratore(QtPrintSurface& s, QPrinter& p) : s_(s), p_(p) {}

    bool beginDocument(const std::string& t) override { return s_.beginDocument(t); }
    void endDocument() override { s_.endDocument(); }
    void newPage() override { s_.newPage(); }
    int copies() const override { return s_.copies(); }
    bool driverMakesCopies() const override { return s_.driverMakesCopies(); }
    int pageWidth() const override { return s_.pageWidth(); }
    void setFontSize(int points) override {
        punti_ = points;
        s_.setFontSize(points);
    }
    void setFontFace(const std::string& f) override { s_.setFontFace(f); }
    void setFontStyle(FontStyle st) override { s_.setFontStyle(st); }
    void setPen(int w) override { s_.setPen(w); }
    int textWidth(const std::string& t) override { return s_.textWidth(t); }
    int textHeight(const std::string& t) override { return s_.textHeight(t); }
    void line(int x1, int y1, int x2, int y2) override { s_.line(x1, y1, x2, y2); }
    void textOut(int x, int y, const std::string& t) override {
        const QFont disegnato = s_.fontFor(x, t);
        const QString inchiostro = QString::fromStdString(t).trimmed();
        const QFontMetricsF misure(disegnato, &p_);
        // The ink of an italic line leans past its advance.
        const double fine =
            x + qMax(misure.horizontalAdvance(inchiostro), misure.boundingRect(inchiostro).right());
        righe.push_back({t, qMax(0, x), fine + qMax(0, -x), disegnato.pointSizeF(), punti_});
        s_.textOut(x, y, t);
    }

  private:
    QtPrintSurface& s_;
    QPrinter& p_;
    int punti_ = 0;
};

// The widest scheme: ten columns of two-digit numbers, under the longest title.
Griglia SchemaPiuLargo() {
    Griglia g;
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 10; ++c)
            g(r, c) = (10 * (r - 1) + c - 1) % 90 + 1;
    return g;
}

} // namespace

class TestStampaQt : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;

  private slots:
    void initTestCase() {
        PreparaProgramma(*qApp);
        QVERIFY(cartella.isValid());
    }

    void listingFitsThePage_data() {
        QTest::addColumn<QPageSize::PageSizeId>("page");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("schemeAsLaidOut"); // the grid needs no shrinking
        QTest::newRow("A4") << QPageSize::A4 << false << true;
        QTest::newRow("Letter") << QPageSize::Letter << false << true;
        QTest::newRow("A4 landscape") << QPageSize::A4 << true << true;
        QTest::newRow("A5: the grid shrinks too") << QPageSize::A5 << false << false;
    }
    // The first listing of a run and the next one (whose header is in Arial), each to a PDF:
    // no line's ink runs past the printable width; lines that fit keep their size.
    void listingFitsThePage() {
        QFETCH(QPageSize::PageSizeId, page);
        QFETCH(bool, landscape);
        QFETCH(bool, schemeAsLaidOut);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(page));
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        QtPrintSurface surface(printer);
        Misuratore misuratore(surface, printer);
        const Griglia g = SchemaPiuLargo();
        const std::string titolo = "10 x 10 = 3.360.000 Lire";
        for (const char* nome : {"primo.pdf", "secondo.pdf"}) {
            printer.setOutputFileName(cartella.filePath(QTest::currentDataTag() + QString(nome)));
            QVERIFY(StampaCruciverba(misuratore, g, 10, 10, titolo));
            QFile pdf(printer.outputFileName());
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            const QByteArray byte = pdf.readAll();
            QVERIFY(byte.startsWith("%PDF"));
            QVERIFY(byte.contains("LiberationSans"));
            QVERIFY(byte.contains("LiberationMono"));
            QVERIFY(!byte.contains("DejaVu"));
        }
        const int larghezza = surface.pageWidth();
        QCOMPARE(misuratore.righe.size(), size_t(2 * 16));
        for (const Misuratore::Riga& r : misuratore.righe) {
            QVERIFY2(r.x >= 0 && r.fine <= larghezza,
                     qPrintable(QString("%1 ends at %2 of %3")
                                    .arg(QString::fromStdString(r.testo))
                                    .arg(r.fine)
                                    .arg(larghezza)));
            const bool riga = r.testo == RigaSchema(g, 1, 10);
            if (riga) QCOMPARE(r.punti == r.puntiChiesti, schemeAsLaidOut);
        }
        // The notices and the footer shrink only as far as they must.
        for (const Misuratore::Riga& r : misuratore.righe)
            if (r.punti < r.puntiChiesti) QVERIFY(r.fine > 0.9 * larghezza);
    }

    void choosingAPrinter_data() {
        QTest::addColumn<bool>("printers");
        QTest::addColumn<QString>("pdfChosen"); // empty: the file dialog is cancelled
        QTest::addColumn<bool>("dialogConfirmed");
        QTest::addColumn<bool>("ready");
        QTest::newRow("no printer: to the PDF chosen") << false << "prospetto.pdf" << false << true;
        QTest::newRow("no printer: file dialog cancelled") << false << "" << false << false;
        QTest::newRow("printers: dialog confirmed") << true << "" << true << true;
        QTest::newRow("printers: dialog cancelled") << true << "" << false << false;
    }
    void choosingAPrinter() {
        QFETCH(bool, printers);
        QFETCH(QString, pdfChosen);
        QFETCH(bool, dialogConfirmed);
        QFETCH(bool, ready);
        QWidget finestra;
        QPrinter printer;
        QStringList chiesto;
        bool offrePdf = false;
        QWidget* padreDialogo = nullptr;
        ScelteStampante scelte;
        scelte.stampantiInstallate = [&] { return printers; };
        scelte.filePdf = [&](QWidget* padre) {
            chiesto << "file";
            return padre == &finestra && !pdfChosen.isEmpty() ? cartella.filePath(pdfChosen)
                                                              : QString();
        };
        scelte.dialogoStampa = [&](QPrintDialog& dialogo) {
            chiesto << "dialog";
            offrePdf = dialogo.testOption(QAbstractPrintDialog::PrintToFile);
            padreDialogo = dialogo.parentWidget();
            return dialogConfirmed;
        };
        QCOMPARE(ScegliStampante(printer, &finestra, scelte), ready);
        QCOMPARE(chiesto, QStringList(printers ? "dialog" : "file"));
        if (printers) {
            QVERIFY(offrePdf); // a PDF file is offered beside the printers
            QCOMPARE(padreDialogo, &finestra);
        }
        if (!printers && ready) {
            QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
            QCOMPARE(printer.outputFileName(), cartella.filePath(pdfChosen));
        }
    }

    void printFromMainWindowWithoutPrinter_data() {
        QTest::addColumn<QString>("pdfChosen"); // empty: the file dialog is cancelled
        QTest::addColumn<bool>("written");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("to the PDF chosen") << "prospetto.pdf" << true << QStringList();
        QTest::newRow("file dialog cancelled") << "" << false << QStringList();
        QTest::newRow("a folder that does not exist")
            << "manca/prospetto.pdf" << false
            << QStringList(QString::fromUtf8(MessaggioStampaNonAvviata));
    }
    void printFromMainWindowWithoutPrinter() {
        QFETCH(QString, pdfChosen);
        QFETCH(bool, written);
        QFETCH(QStringList, messages);
        const QString file = pdfChosen.isEmpty() ? QString() : cartella.filePath(pdfChosen);
        ScelteStampante scelte;
        scelte.stampantiInstallate = [] { return false; };
        scelte.filePdf = [&](QWidget*) { return file; };
        TForm1 form(CreateQtForm1Platform(scelte));
        form.show();
        for (int n = 1; n <= 10; ++n)
            form.findChild<TFlatSpeedButton*>(QStringLiteral("FlatSpeedButton%1").arg(n))->click();
        form.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
        RispostaModale risposte;
        form.findChild<QPushButton*>("BitBtn1")->click();
        QCOMPARE(risposte.testi, messages);
        for (QWidget* padre : risposte.padri)
            QCOMPARE(padre, &form);
        QFile pdf(file);
        QCOMPARE(pdf.open(QIODevice::ReadOnly) && pdf.read(4) == "%PDF", written);
    }
};

QTEST_MAIN(TestStampaQt)
#include "test_stampaqt.moc"
