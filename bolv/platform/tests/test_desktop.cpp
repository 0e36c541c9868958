// The desktop set-up: Italian texts of Qt's own dialogs, Italian dates and numbers under any
// system locale, and the layouts' font names mapped to installed faces of the same widths.
#include "desktop.h"
#include "textformat.h"

#include "data.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

using namespace platform;

class TestDesktop : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void italianWhateverTheSystemLocale();
    void qtDialogsSpeakItalian();
    void fontsMapToInstalledFaces_data();
    void fontsMapToInstalledFaces();
};

void TestDesktop::initTestCase() {
    QLocale::setDefault(QLocale::c()); // a machine set to LANG=C
    QVERIFY(setUpDesktop());
}

void TestDesktop::italianWhateverTheSystemLocale() {
    QCOMPARE(formatDate(bolv::Data{1939, 1, 7}, QStringLiteral("ddd dd.mm.yyyy")),
             QStringLiteral("sab 07.01.1939"));
    QCOMPARE(formatNumber(528000, QStringLiteral("###,###,###")) + QStringLiteral(" bytes"),
             QStringLiteral("528.000 bytes"));
    QCOMPARE(QLocale().toString(QDate(2026, 12, 10), QStringLiteral("ddd d MMM yyyy")),
             QStringLiteral("gio 10 dic 2026"));
}

void TestDesktop::qtDialogsSpeakItalian() {
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("Salva"));
}

void TestDesktop::fontsMapToInstalledFaces_data() {
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("fixedPitch");
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans" << false;
    QTest::newRow("Courier New") << "Courier New"
                                 << "Liberation Mono" << true;
    QTest::newRow("Courier") << "Courier"
                             << "Liberation Mono" << true;
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif" << false;
    QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                   << "Liberation Sans" << false;
    QTest::newRow("Small Fonts") << "Small Fonts"
                                 << "Liberation Sans" << false;
}

void TestDesktop::fontsMapToInstalledFaces() {
    QFETCH(QString, named);
    QFETCH(QString, shown);
    QFETCH(bool, fixedPitch);
    const QFont f(named, 10);
    QCOMPARE(QFontInfo(f).family(), shown);
    QCOMPARE(QFontInfo(f).fixedPitch(), fixedPitch);
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
