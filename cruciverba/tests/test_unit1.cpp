// The main window: the board, the enabling rules, the hints, and the print and export commands
// through a recording platform (message boxes, dialogs and printer).

#include "CalcoliCruciverbaEsporta.h"
#include "FlatCtrls.h"
#include "StampanteQt.h"
#include "StampanteRegistrata.h"
#include "Unit1.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace cruciverba;

namespace {

struct Registro {
    QStringList errori;
    QList<DialogoCruciverba> dialoghi;
    int richiesteStampa = 0;
    QStringList cartelleProposte;
    bool annullaStampa = false;
    QString fileScelto; // empty: the save dialog is cancelled
    QStringList volumi;
    StampanteRegistrata stampante;
};

class PiattaformaRegistrata : public Form1Platform {
  public:
    explicit PiattaformaRegistrata(Registro& r) : r_(r) {}
    void showError(QWidget*, const QString& text) override { r_.errori << text; }
    PrintSurface* choosePrinter(QWidget*) override {
        ++r_.richiesteStampa;
        return r_.annullaStampa ? nullptr : &r_.stampante;
    }
    QString chooseExportFile(QWidget*, const QString& folder) override {
        r_.cartelleProposte << folder;
        return r_.fileScelto;
    }
    QStringList mountedVolumes() const override { return r_.volumi; }
    void openDialog(QWidget*, DialogoCruciverba d) override { r_.dialoghi << d; }

  private:
    Registro& r_;
};

} // namespace

class TestUnit1 : public QObject {
    Q_OBJECT

    Registro registro;
    std::unique_ptr<TForm1> form;

    TFlatSpeedButton* Numero(int n) {
        return form->findChild<TFlatSpeedButton*>(QStringLiteral("FlatSpeedButton%1").arg(n));
    }
    QComboBox* ComboBox1() { return form->findChild<QComboBox*>("ComboBox1"); }
    QPushButton* Tasto(const char* nome) { return form->findChild<QPushButton*>(nome); }
    void Scegli(std::initializer_list<int> numeri) {
        for (int n : numeri)
            Numero(n)->click();
    }
    void ScegliDa1A(int ultimo) {
        for (int n = 1; n <= ultimo; ++n)
            Numero(n)->click();
    }

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void init() {
        registro = Registro{};
        form = std::make_unique<TForm1>(std::make_unique<PiattaformaRegistrata>(registro));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void boardPositions() {
        const int sinistra[10] = {0, 43, 86, 130, 173, 216, 259, 303, 346, 389};
        const int alto[9] = {0, 45, 89, 134, 179, 224, 268, 313, 358};
        for (int n = 1; n <= 90; ++n) {
            TFlatSpeedButton* b = Numero(n);
            QVERIFY2(b, qPrintable(QString::number(n)));
            QCOMPARE(b->geometry(), QRect(sinistra[(n - 1) % 10], alto[(n - 1) / 10], 41, 41));
            QCOMPARE(b->caption(), QString::number(n));
            QVERIFY(b->flat());
        }
        QCOMPARE(form->centralWidget()->mapTo(form.get(), QPoint(0, 0)), QPoint(0, 0));
        QCOMPARE(form->size(), QSize(614, 424));
        QVERIFY(form->statusBar()->geometry().top() >= 399);
    }

    void sizeList() {
        QCOMPARE(ComboBox1()->count(), 26);
        QCOMPARE(ComboBox1()->itemText(0), QString("Scegli il cruciverba !"));
        QCOMPARE(ComboBox1()->itemText(25), QString("10 x 10 = 3.360.000 Lire"));
        QVERIFY(!ComboBox1()->isEnabled());
        QVERIFY(!Tasto("BitBtn1")->isEnabled());
        QVERIFY(!Tasto("BitBtn2")->isEnabled());
        QVERIFY(Tasto("BitBtn5")->isEnabled());
    }

    void enablingRules_data() {
        QTest::addColumn<int>("picked");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("unpicked");
        QTest::addColumn<bool>("listEnabled");
        QTest::addColumn<int>("shownItem");
        QTest::addColumn<bool>("commandsEnabled");
        QTest::newRow("nine numbers: no list") << 9 << -1 << 0 << false << -1 << false;
        QTest::newRow("tenth number: list on item 0") << 10 << -1 << 0 << true << 0 << false;
        QTest::newRow("a size enables the commands") << 10 << 19 << 0 << true << 19 << true;
        QTest::newRow("item 0 again disables them") << 12 << 0 << 0 << true << 0 << false;
        QTest::newRow("unpicking below ten keeps item and commands")
            << 10 << 3 << 2 << false << 3 << true;
    }

    void enablingRules() {
        QFETCH(int, picked);
        QFETCH(int, item);
        QFETCH(int, unpicked);
        QFETCH(bool, listEnabled);
        QFETCH(int, shownItem);
        QFETCH(bool, commandsEnabled);
        ScegliDa1A(picked);
        if (item >= 0) {
            ComboBox1()->setCurrentIndex(5);
            ComboBox1()->setCurrentIndex(item);
        }
        for (int n = 1; n <= unpicked; ++n)
            Numero(n)->click();
        QCOMPARE(ComboBox1()->isEnabled(), listEnabled);
        QCOMPARE(ComboBox1()->currentIndex(), shownItem);
        QCOMPARE(Tasto("BitBtn1")->isEnabled(), commandsEnabled);
        QCOMPARE(Tasto("BitBtn2")->isEnabled(), commandsEnabled);
    }

    void pickedLook() {
        TFlatSpeedButton* b = Numero(42);
        const QColor normale = b->fontColor();
        b->click();
        QCOMPARE(b->fontColor(), QColor(0, 0, 255));
        QCOMPARE(b->font().pointSize(), 17);
        QVERIFY(b->font().bold() && b->font().underline());
        QCOMPARE(form->NumeriSelezionati(), 1);
        b->click();
        QCOMPARE(b->fontColor(), normale);
        QCOMPARE(b->font().pointSize(), 8);
        QVERIFY(!b->font().bold() && !b->font().underline());
        QCOMPARE(form->NumeriSelezionati(), 0);
    }

    void clickOnTheBoard() {
        TFlatSpeedButton* b = Numero(17);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(b->fontColor(), QColor(0, 0, 255));
        QCOMPARE(form->NumeriSelezionati(), 1);
    }

    void hintOnEnter() {
        ScegliDa1A(7);
        form->FlatSpeedButton1MouseEnter(Numero(50));
        QCOMPARE(Numero(50)->toolTip(), QString("7 numeri"));
        QCOMPARE(form->statusBar()->currentMessage(),
                 QString("Selezionati 7 numeri per il cruciverba MA NE SERVONO ALMENO ALTRI 3 !"));
        Scegli({8, 9, 10});
        form->FlatSpeedButton1MouseEnter(Numero(50));
        QCOMPARE(form->statusBar()->currentMessage(),
                 QString("Selezionati 10 numeri per il cruciverba"));
        // Back on the bare window: the window's own hint.
        QStatusTipEvent vuoto{QString()};
        QCoreApplication::sendEvent(Numero(50), &vuoto);
        QCOMPARE(form->statusBar()->currentMessage(),
                 QString("Gioca il tuo cruciverba presso le Ricevitorie Orvanta !"));
        QStatusTipEvent lista(ComboBox1()->statusTip());
        QCoreApplication::sendEvent(ComboBox1(), &lista);
        QCOMPARE(form->statusBar()->currentMessage(),
                 QString("Scegli dalla lista il cruciverba che vuoi giocare !"));
    }

    // Item 19 gives 7 rows by 10 columns, printed under its own title.
    void printItem19() {
        ScegliDa1A(20);
        ComboBox1()->setCurrentIndex(19);
        Tasto("BitBtn1")->click();
        QCOMPARE(form->RigheCruciverba(), 7);
        QCOMPARE(form->ColonneCruciverba(), 10);
        QCOMPARE(registro.richiesteStampa, 1);
        QVERIFY(registro.errori.isEmpty());
        const auto testi = registro.stampante.Di(Operazione::Testo);
        QCOMPARE(QString::fromStdString(testi[2].testo),
                 QString("CRUCIVERBA 7 x 10 = 1.232.000 Lire"));
        for (int r = 1; r <= 7; ++r)
            QCOMPARE(testi[2 + r].testo, RigaSchema(form->GrigliaCorrente(), r, 10));
        QVERIFY(SchemaValido(form->GrigliaCorrente(), 7, 10));
    }

    void printCancelledPrintsNothing() {
        ScegliDa1A(10);
        ComboBox1()->setCurrentIndex(1);
        registro.annullaStampa = true;
        Tasto("BitBtn1")->click();
        QCOMPARE(registro.richiesteStampa, 1);
        QVERIFY(registro.stampante.operazioni.empty());
        QVERIFY(registro.errori.isEmpty());
    }

    // A printer that cannot start the document: the user is told, nothing is printed.
    void printThatCannotStart() {
        ScegliDa1A(10);
        ComboBox1()->setCurrentIndex(1);
        registro.stampante.avvioRiuscito = false;
        Tasto("BitBtn1")->click();
        QCOMPARE(registro.errori, QStringList(QString::fromUtf8(MessaggioStampaNonAvviata)));
        QVERIFY(registro.errori[0].startsWith("Attenzione. "));
        QVERIFY(registro.stampante.operazioni.empty());
    }

    void unpickedNumberLeftOut() {
        ScegliDa1A(12);
        ComboBox1()->setCurrentIndex(1);
        Tasto("BitBtn1")->click();
        auto contiene = [&](int32_t x) {
            for (int r = 1; r <= 6; ++r)
                for (int c = 1; c <= 6; ++c)
                    if (form->GrigliaCorrente()(r, c) == x) return true;
            return false;
        };
        QVERIFY(contiene(7));
        Numero(7)->click();
        Tasto("BitBtn1")->click();
        QVERIFY(!contiene(7));
        QCOMPARE(form->NumeriInGiocoCorrenti()[6], 8);
        QCOMPARE(form->NumeriSelezionati(), 11);
    }

    // Once a size was chosen, unpicking leaves too few numbers, or none at all: the generator's
    // failure message, and no dialog opens.
    void generationFailure_data() {
        QTest::addColumn<int>("unpick");
        QTest::newRow("five numbers left") << 5;
        QTest::newRow("no number left") << 10;
    }
    void generationFailure() {
        QFETCH(int, unpick);
        ScegliDa1A(10);
        ComboBox1()->setCurrentIndex(1);
        for (int n = 1; n <= unpick; ++n)
            Numero(n)->click();
        Tasto("BitBtn1")->click();
        Tasto("BitBtn2")->click();
        QCOMPARE(registro.errori, QStringList(2, QString::fromUtf8(MessaggioGenerazioneFallita)));
        QCOMPARE(registro.richiesteStampa, 0);
        QVERIFY(registro.cartelleProposte.isEmpty());
        QVERIFY(!QApplication::overrideCursor()); // the hourglass is gone
    }

    void missingNumbersStillPrinted() {
        ScegliDa1A(40);
        ComboBox1()->setCurrentIndex(1);
        Tasto("BitBtn1")->click();
        QCOMPARE(registro.errori, QStringList(QString::fromUtf8(MessaggioNumeriMancanti)));
        QCOMPARE(registro.richiesteStampa, 1);
    }

    void exportThenShops() {
        QTemporaryDir cartella;
        registro.fileScelto = cartella.filePath("SCHEMA.SCH");
        registro.volumi = {"/", "/media/utente/CHIAVETTA"};
        ScegliDa1A(15);
        ComboBox1()->setCurrentIndex(9);
        Tasto("BitBtn2")->click();
        QCOMPARE(registro.cartelleProposte, QStringList("/media/utente/CHIAVETTA"));
        QFile file(registro.fileScelto);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray letti = file.readAll();
        const auto attesi = ImmagineColonne(form->GrigliaCorrente(), 8, 8);
        QCOMPARE(letti, QByteArray(reinterpret_cast<const char*>(attesi.data()),
                                   static_cast<qsizetype>(attesi.size())));
        QCOMPARE(registro.dialoghi, QList<DialogoCruciverba>{DialogoCruciverba::Ricevitorie});
        QVERIFY(registro.errori.isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    void exportCancelledOrFailing() {
        ScegliDa1A(10);
        ComboBox1()->setCurrentIndex(1);
        Tasto("BitBtn2")->click(); // cancelled: nothing at all
        QVERIFY(registro.errori.isEmpty());
        QVERIFY(registro.dialoghi.isEmpty());

        QTemporaryDir cartella;
        registro.fileScelto = cartella.filePath("manca/SCHEMA.SCH");
        Tasto("BitBtn2")->click();
        QCOMPARE(registro.errori.size(), 1);
        QVERIFY(registro.errori[0].startsWith("Attenzione. "));
        QVERIFY(registro.errori[0].contains("SCHEMA.SCH"));
        QVERIFY(registro.dialoghi.isEmpty()); // no shops dialog after a failed export
        QVERIFY(!QFile::exists(registro.fileScelto));
    }

    void proposedFolder_data() {
        QTest::addColumn<QStringList>("volumes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing mounted") << QStringList{"/"} << "/home/utente";
        QTest::newRow("a medium under /media")
            << QStringList{"/", "/mnt/dati", "/media/u/USB"} << "/media/u/USB";
        QTest::newRow("the first of two")
            << QStringList{"/run/media/u/SD", "/media/u/USB"} << "/run/media/u/SD";
        QTest::newRow("not /mediateca") << QStringList{"/mediateca"} << "/home/utente";
    }
    void proposedFolder() {
        QFETCH(QStringList, volumes);
        QFETCH(QString, expected);
        QCOMPARE(CartellaProposta(volumes, "/home/utente"), expected);
    }

    void dialogButtons() {
        Tasto("BitBtn3")->click();
        Tasto("BitBtn4")->click();
        QCOMPARE(registro.dialoghi,
                 (QList<DialogoCruciverba>{DialogoCruciverba::Aiuto, DialogoCruciverba::ChiSiamo}));
    }

    void exitCloses() {
        Tasto("BitBtn5")->click();
        QVERIFY(!form->isVisible());
    }

    // The listing on a real QPrinter, written as a PDF: it must come out as a document.
    void qtPrinterWritesADocument() {
        QTemporaryDir cartella;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(cartella.filePath("prospetto.pdf"));
        QtPrintSurface surface(printer);
        QVERIFY(surface.pageWidth() > 1000);
        Griglia g;
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c)
                g(r, c) = 6 * (r - 1) + c;
        StampaCruciverba(surface, g, 6, 6, "6 x 6 = 9.600 Lire");
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
    }
};

QTEST_MAIN(TestUnit1)
#include "test_unit1.moc"
