// The shops, help and about dialogs: the shops' page of each region, opened through a test double
// of the desktop; the help link; the about box's credits, drawn from a seed the test gives.

#include "AnimImage.h"
#include "CalcoliCruciverba.h"
#include "CreditsPanel.h"
#include "RispostaModale.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "UrlLabel.h"

#include <QApplication>

#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

using namespace cruciverba;

Q_DECLARE_METATYPE(DialogoCruciverba)

namespace {

class FakeOpener : public LinkOpener {
  public:
    QStringList opened;
    bool canOpen(TUrlLinkType) const override { return true; }
    bool starts = true; // false: no browser starts
    bool open(const QString& address) override {
        opened << address;
        return starts;
    }
};

template <typename T> T* controllo(QWidget& finestra, const char* nome) {
    T* trovato = finestra.findChild<T*>(QLatin1String(nome));
    if (!trovato) qFatal("missing control %s", nome);
    return trovato;
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        opener.opened.clear();
        installLinkOpener(&opener);
    }
    void cleanup() { installLinkOpener(nullptr); }

    void shopsAddress_data();
    void shopsAddress();
    void shopsOpensWithNoRegion();
    void shopsOpensRegionPage();
    void helpLink();
    void aboutCredits_data();
    void aboutCredits();
    void aboutHidesShownCredits_data();
    void aboutHidesShownCredits();
    void dialogSizes();
    void mainWindowOpensEachDialog_data();
    void mainWindowOpensEachDialog();
    void shopsTellsWhenNoBrowser();
    void dialogsPlacedOverMainWindow_data();
    void dialogsPlacedOverMainWindow();

  private:
    FakeOpener opener;
};

void TestDialogs::shopsAddress_data() {
    QTest::addColumn<int>("regione");
    QTest::addColumn<QString>("indirizzo");
    QTest::newRow("Piemonte") << 1 << "http:\\\\www.cruciverba.example\\ricevit\\ric_piem.htm";
    QTest::newRow("Lazio") << 11 << "http:\\\\www.cruciverba.example\\ricevit\\ric_lazi.htm";
    QTest::newRow("Sardegna") << 19 << "http:\\\\www.cruciverba.example\\ricevit\\ric_sard.htm";
    QTest::newRow("no region chosen") << 0 << QString();
    QTest::newRow("past the list") << 20 << QString();
}

void TestDialogs::shopsAddress() {
    QFETCH(int, regione);
    QFETCH(QString, indirizzo);
    QCOMPARE(IndirizzoRicevitorie(regione), indirizzo);
}

void TestDialogs::shopsOpensWithNoRegion() {
    TfrmRicevitorie dialogo;
    auto* regioni = controllo<QComboBox>(dialogo, "ComboBox2");
    regioni->setCurrentIndex(5);
    dialogo.show();
    QCOMPARE(regioni->currentIndex(), 0);
    QCOMPARE(regioni->currentText(), QStringLiteral("Scegli la tua regione !"));
    QCOMPARE(regioni->count(), 20);
    auto* pulsante = controllo<QToolButton>(dialogo, "BitBtn3");
    QVERIFY(!pulsante->isEnabled());
    QCOMPARE(pulsante->text(), QStringLiteral("Le Ricevitorie abilitate su Internet "));
}

void TestDialogs::shopsOpensRegionPage() {
    TfrmRicevitorie dialogo;
    dialogo.show();
    auto* regioni = controllo<QComboBox>(dialogo, "ComboBox2");
    auto* pulsante = controllo<QToolButton>(dialogo, "BitBtn3");
    regioni->setCurrentIndex(regioni->findText(QStringLiteral("Sardegna")));
    QVERIFY(pulsante->isEnabled());
    QTest::mouseClick(pulsante, Qt::LeftButton);
    QCOMPARE(opener.opened,
             QStringList{QStringLiteral("http:\\\\www.cruciverba.example\\ricevit\\ric_sard.htm")});
    regioni->setCurrentIndex(0);
    QVERIFY(!pulsante->isEnabled());
}

void TestDialogs::helpLink() {
    TAiutoDlg dialogo;
    auto* testo = controllo<QLabel>(dialogo, "Label1");
    QCOMPARE(testo->text().count(QLatin1Char('\n')) + 1, 14);
    QCOMPARE(controllo<QLabel>(dialogo, "Label2")->text(),
             QStringLiteral("Gli indirizzi delle Ricevitorie Orvanta sono su Internet a :"));
    auto* collegamento = controllo<TUrlLabel>(dialogo, "UrlLabel1");
    QCOMPARE(collegamento->toolTip(), collegamento->text());
    QTest::mouseClick(collegamento, Qt::LeftButton);
    QCOMPARE(opener.opened, QStringList{collegamento->text()});
    QVERIFY(opener.opened.front().startsWith(QStringLiteral("http://www.cruciverba.example/")));
}

void TestDialogs::aboutCredits_data() {
    // The draw is (seed x 134775813 + 1) mod 2^32, divided by 2^32.
    QTest::addColumn<quint32>("seme");
    QTest::addColumn<bool>("doppioClic"); // else the box's timer
    QTest::addColumn<bool>("mostrati");
    QTest::newRow("double click, draw 0.031 < 0.33") << 1u << true << true;
    QTest::newRow("double click, draw 0.879") << 1717u << true << false;
    QTest::newRow("timer, draw 0.031 >= 0.02") << 1u << false << false;
    QTest::newRow("timer, draw 0.0000000002") << 0u << false << true;
}

void TestDialogs::aboutCredits() {
    QFETCH(quint32, seme);
    QFETCH(bool, doppioClic);
    QFETCH(bool, mostrati);
    TAboutBox dialogo(nullptr, [seme] { return seme; });
    dialogo.show();
    auto* crediti = controllo<TCreditsPanel>(dialogo, "CreditsPanel1");
    auto* timer = controllo<QTimer>(dialogo, "Timer1");
    QVERIFY(crediti->isHidden());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 22000);
    if (doppioClic)
        QTest::mouseDClick(controllo<TAnimImage>(dialogo, "AnimImage1"), Qt::LeftButton);
    else
        dialogo.Timer1Timer();
    QCOMPARE(RandSeed, seme * 134775813u + 1u); // the program's state advanced once
    QCOMPARE(!crediti->isHidden(), mostrati);
    QCOMPARE(crediti->isActive(), mostrati);
    QCOMPARE(!controllo<QLabel>(dialogo, "Image1")->isHidden(), mostrati);
    QVERIFY(timer->isActive());
    QCOMPARE(crediti->lines().size(), 26);
    QVERIFY(crediti->lines().contains(QStringLiteral("SPECIAL GUEST")));
}

void TestDialogs::aboutHidesShownCredits_data() {
    QTest::addColumn<bool>("doppioClic");
    QTest::newRow("double click") << true;
    QTest::newRow("timer tick") << false;
}

void TestDialogs::aboutHidesShownCredits() {
    QFETCH(bool, doppioClic);
    // Seed 0 would show the credits on any event, so only the hiding rule can hide them.
    TAboutBox dialogo(nullptr, [] { return 0u; });
    dialogo.show();
    auto* crediti = controllo<TCreditsPanel>(dialogo, "CreditsPanel1");
    dialogo.AnimImage1DblClick();
    QVERIFY(crediti->isActive());
    if (doppioClic)
        dialogo.AnimImage1DblClick();
    else
        dialogo.Timer1Timer();
    QVERIFY(crediti->isHidden());
    QVERIFY(!crediti->isActive());
    QVERIFY(controllo<QLabel>(dialogo, "Image1")->isHidden());
}

void TestDialogs::dialogSizes() {
    TfrmRicevitorie negozi;
    TAiutoDlg aiuto;
    TAboutBox chiSiamo;
    QCOMPARE(negozi.size(), QSize(440, 205));
    QCOMPARE(negozi.windowTitle(), QStringLiteral("Dove giocare ?"));
    QCOMPARE(aiuto.size(), QSize(547, 346));
    QCOMPARE(aiuto.windowTitle(), QStringLiteral("Aiuto"));
    QCOMPARE(chiSiamo.size(), QSize(631, 428));
    QCOMPARE(chiSiamo.windowTitle(), QStringLiteral("Chi siamo ?"));
}

void TestDialogs::mainWindowOpensEachDialog_data() {
    QTest::addColumn<DialogoCruciverba>("dialogo");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("shops") << DialogoCruciverba::Ricevitorie << "Dove giocare ?";
    QTest::newRow("help") << DialogoCruciverba::Aiuto << "Aiuto";
    QTest::newRow("about") << DialogoCruciverba::ChiSiamo << "Chi siamo ?";
}

// The program's own platform shows the dialog modally and returns once it is closed.
void TestDialogs::mainWindowOpensEachDialog() {
    QFETCH(DialogoCruciverba, dialogo);
    QFETCH(QString, titolo);
    QString visto;
    QTimer::singleShot(0, this, [&] {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale) return;
        visto = modale->windowTitle();
        static_cast<QDialog*>(modale)->accept();
    });
    CreateQtForm1Platform()->openDialog(nullptr, dialogo);
    QCOMPARE(visto, titolo);
}

void TestDialogs::shopsTellsWhenNoBrowser() {
    opener.starts = false;
    TfrmRicevitorie dialogo;
    dialogo.show();
    auto* regioni = controllo<QComboBox>(dialogo, "ComboBox2");
    regioni->setCurrentIndex(regioni->findText(QStringLiteral("Lazio")));
    RispostaModale risposte;
    QTest::mouseClick(controllo<QToolButton>(dialogo, "BitBtn3"), Qt::LeftButton);
    opener.starts = true;
    QCOMPARE(risposte.testi.size(), 1);
    QVERIFY(risposte.testi[0].startsWith(QStringLiteral("Attenzione. ")));
    // The address as a browser shows it, with slashes.
    QVERIFY(risposte.testi[0].contains(
        QStringLiteral("http://www.cruciverba.example/ricevit/ric_lazi.htm")));
    QCOMPARE(risposte.padri, QList<QWidget*>{&dialogo});
}

void TestDialogs::dialogsPlacedOverMainWindow_data() {
    QTest::addColumn<DialogoCruciverba>("dialogo");
    QTest::addColumn<QPoint>("mainAt");
    QTest::addColumn<bool>("centred"); // else pushed back on screen
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centro = schermo.center() - QPoint(307, 212);
    const QPoint inBasso = schermo.bottomRight() - QPoint(400, 250);
    for (auto [d, nome] : {std::pair{DialogoCruciverba::Ricevitorie, "shops"},
                           std::pair{DialogoCruciverba::Aiuto, "help"},
                           std::pair{DialogoCruciverba::ChiSiamo, "about"}}) {
        QTest::addRow("%s over a centred window", nome) << d << centro << true;
        QTest::addRow("%s over a window half off screen", nome) << d << inBasso << false;
    }
}

// Each dialog belongs to the main window (so it stays above it), opens centred over it, and
// lies wholly on the screen even when the main window does not.
void TestDialogs::dialogsPlacedOverMainWindow() {
    QFETCH(DialogoCruciverba, dialogo);
    QFETCH(QPoint, mainAt);
    QFETCH(bool, centred);
    TForm1 form;
    form.move(mainAt);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QRect posto;
    QWidget* padre = nullptr;
    QWindow* sopra = nullptr;
    QTimer::singleShot(50, this, [&] {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale) return;
        posto = modale->frameGeometry();
        padre = modale->parentWidget();
        sopra = modale->windowHandle()->transientParent();
        static_cast<QDialog*>(modale)->accept();
    });
    CreateQtForm1Platform()->openDialog(&form, dialogo);
    QCOMPARE(padre, &form);
    QCOMPARE(sopra, form.windowHandle());
    QVERIFY(form.screen()->availableGeometry().contains(posto));
    if (centred) QVERIFY((posto.center() - form.frameGeometry().center()).manhattanLength() <= 2);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
