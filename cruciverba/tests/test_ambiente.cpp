// The program's surroundings, set once at start and run here under the C locale: Qt's own
// dialogs and the locale speak Italian, the Windows faces of the layouts resolve to faces of the
// same metrics, and the windows carry the program's picture.

#include "Ambiente.h"
#include "Unit1.h"

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace cruciverba;

class TestAmbiente : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { PreparaProgramma(*qApp); }

    void italianTexts_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        QMessageBox domanda(QMessageBox::Question, "cruciverba", "?",
                            QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("question: yes") << domanda.button(QMessageBox::Yes)->text() << "&Sì";
        QTest::newRow("question: no") << domanda.button(QMessageBox::No)->text() << "&No";
        QFileDialog dialogo;
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        QTest::newRow("file dialog: folder")
            << dialogo.findChild<QLabel*>("lookInLabel")->text() << "Cerca in:";
        const QDate prima(1939, 1, 7);
        QTest::newRow("weekday and date")
            << QLocale().toString(prima, "ddd dd.MM.yyyy") << "sab 07.01.1939";
        QTest::newRow("long date") << QLocale().toString(QDate(2026, 12, 10), QLocale::LongFormat)
                                   << "giovedì 10 dicembre 2026";
        QTest::newRow("thousands") << QLocale().toString(528000) << "528.000";
    }
    void italianTexts() {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void facesOfTheLayouts_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("resolved");
        for (const SostituzioneCarattere& s : SostituzioniCaratteri())
            QTest::newRow(s.nome) << QString(s.nome) << s.sostituti.constFirst();
    }
    // The first substitute of each face is installed and is what Qt draws with.
    void facesOfTheLayouts() {
        QFETCH(QString, face);
        QFETCH(QString, resolved);
        QCOMPARE(QFontInfo(QFont(face)).family(), resolved);
    }

    // Liberation keeps Arial's and Courier New's advance widths (1000 units to the em): a line
    // laid out for them keeps its length.
    void metricsOfTheFaces_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width"); // at 1000 pixels to the em
        QTest::newRow("Arial") << "Arial"
                               << "E" << 667;
        QTest::newRow("Arial digit") << "Arial"
                                     << "0" << 556;
        QTest::newRow("Courier New") << "Courier New"
                                     << "E" << 600;
    }
    void metricsOfTheFaces() {
        QFETCH(QString, face);
        QFETCH(QString, text);
        QFETCH(int, width);
        QFont carattere(face);
        carattere.setPixelSize(1000);
        carattere.setHintingPreference(QFont::PreferNoHinting);
        QCOMPARE(qRound(QFontMetricsF(carattere).horizontalAdvance(text)), width);
    }

    void windowIcon() {
        TForm1 form;
        QVERIFY(!form.windowIcon().isNull());
        if (!QImageReader::supportedImageFormats().contains("svg"))
            QSKIP("this Qt has no SVG support: the drawn picture stands in");
        const QIcon svg(":/cruciverba/cruciverba.svg");
        QVERIFY(!svg.isNull());
        // The pictogram's blue ground, at its centre-left edge.
        const QImage figura = form.windowIcon().pixmap(64).toImage();
        QCOMPARE(figura.pixelColor(3, 32), QColor(0x1d, 0x4f, 0x8c));
    }
};

QTEST_MAIN(TestAmbiente)
#include "test_ambiente.moc"
