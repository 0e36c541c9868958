// The analysis-window dialog: its sliders and labels, "Imposta" with and without the pair
// and triple tables active, and archives too small to choose from.
#include "archiviodiprova.h"
#include "controlli.h"

#include "estremi.h"

#include "help.h"
#include "messagebox.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <memory>

using namespace bolv;
using prova::Avviato;

namespace {

using prova::controllo;

QString etichetta(QWidget* f, const char* nome) {
    return controllo<QLabel>(f, nome)->text();
}

QString datalunga(const Stato& s, int d) {
    return platform::formatDate(s.dateestrazioni[d], QStringLiteral("ddd dd.mm.yyyy"));
}

} // namespace

class TestEstremi : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void cursori_data();
    void cursori();
    void impostasenzatabelle();
    void impostacontabelle_data();
    void impostacontabelle();
    void archiviopiccoli_data();
    void archiviopiccoli();
    void annullaeguida();
};

void TestEstremi::apertura() {
    prova::Programmadiprova p;
    Stato& s = programma();
    s.primaestrazione = 40;
    s.ultimaestrazione = 300;
    estremi f(programma());
    auto* Slider1 = controllo<QSlider>(&f, "Slider1");
    auto* Slider2 = controllo<QSlider>(&f, "Slider2");
    QCOMPARE(f.windowTitle(), QStringLiteral("Impostazione estremi dell'archivio"));
    for (QSlider* c : {Slider1, Slider2}) {
        QCOMPARE(c->minimum(), 1);
        QCOMPARE(c->maximum(), s.numestrazioni);
    }
    QCOMPARE(Slider1->value(), 40);
    QCOMPARE(Slider2->value(), 300);
    QCOMPARE(etichetta(&f, "Label1"), QStringLiteral("Inizio estrazioni"));
    QCOMPARE(etichetta(&f, "Label2"), QStringLiteral("Fine estrazioni"));
    QCOMPARE(etichetta(&f, "Label3"), QStringLiteral(" 40"));
    QCOMPARE(etichetta(&f, "Label5"), QStringLiteral(" 300"));
    QCOMPARE(etichetta(&f, "Label4"), datalunga(s, 40));
    QCOMPARE(etichetta(&f, "Label7"), QStringLiteral(" 261"));
    // Slot 1 of the test archive is Saturday 1 January 1938.
    Slider1->setValue(1);
    QCOMPARE(etichetta(&f, "Label4"), QStringLiteral("sab 01.01.1938"));
    QCOMPARE(controllo<QPushButton>(&f, "Command1")->text(), QStringLiteral("Imposta"));
    QCOMPARE(controllo<QPushButton>(&f, "Command2")->text(), QStringLiteral("Annulla"));
}

void TestEstremi::cursori_data() {
    QTest::addColumn<int>("cursore"); // which slider moves
    QTest::addColumn<int>("valore");
    QTest::addColumn<int>("inizio");
    QTest::addColumn<int>("fine");
    QTest::addColumn<QString>("numero");
    // Both start at 100..200.
    QTest::newRow("first within") << 1 << 150 << 150 << 200 << " 51";
    QTest::newRow("first past the last drags it") << 1 << 250 << 250 << 250 << " 1";
    QTest::newRow("last within") << 2 << 120 << 100 << 120 << " 21";
    QTest::newRow("last below the first drags it") << 2 << 60 << 60 << 60 << " 1";
    QTest::newRow("both on one draw") << 2 << 100 << 100 << 100 << " 1";
}

void TestEstremi::cursori() {
    QFETCH(int, cursore);
    QFETCH(int, valore);
    QFETCH(int, inizio);
    QFETCH(int, fine);
    QFETCH(QString, numero);
    prova::Programmadiprova p;
    Stato& s = programma();
    s.primaestrazione = 100;
    s.ultimaestrazione = 200;
    estremi f(programma());
    controllo<QSlider>(&f, cursore == 1 ? "Slider1" : "Slider2")->setValue(valore);
    QCOMPARE(controllo<QSlider>(&f, "Slider1")->value(), inizio);
    QCOMPARE(controllo<QSlider>(&f, "Slider2")->value(), fine);
    QCOMPARE(etichetta(&f, "Label3"), platform::plainText(inizio));
    QCOMPARE(etichetta(&f, "Label5"), platform::plainText(fine));
    QCOMPARE(etichetta(&f, "Label6"), datalunga(s, fine));
    QCOMPARE(etichetta(&f, "Label7"), numero);
    QCOMPARE(s.primaestrazione, 100); // nothing applied before "Imposta"
}

// Without pair or triple tables "Imposta" applies at once: the window, the start-year marks,
// the status bar, and the dialog closed by the recomputation.
void TestEstremi::impostasenzatabelle() {
    platform::BoxSeam scatole;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    QVERIFY(a.voce("opz1871")->isChecked());
    a.voce("inifinmenu")->trigger();
    QWidget* f = platform::registry().existing(QStringLiteral("estremi"));
    QVERIFY(f && f->isVisible());
    controllo<QSlider>(f, "Slider2")->setValue(400);
    controllo<QSlider>(f, "Slider1")->setValue(250);
    scatole.clearShown();
    controllo<QPushButton>(f, "Command1")->click();
    QVERIFY(scatole.shown().isEmpty());
    QCOMPARE(s.primaestrazione, 250);
    QCOMPARE(s.ultimaestrazione, 400);
    for (const char* voce : {"opz1871", "opz1939", "opz1945"})
        QVERIFY(!a.voce(voce)->isChecked());
    QVERIFY(a.m().pannello(3)->text().startsWith(QStringLiteral(" 250 (")));
    QVERIFY(a.m().pannello(3)->text().contains(QStringLiteral("     < 151 estrazioni >")));
    QVERIFY(!a.aperta("estremi"));
    QVERIFY(a.p.archiviointatto());
}

void TestEstremi::impostacontabelle_data() {
    QTest::addColumn<bool>("si");
    QTest::newRow("No keeps everything") << false;
    QTest::newRow("Yes applies and drops the tables") << true;
}

void TestEstremi::impostacontabelle() {
    QFETCH(bool, si);
    platform::BoxSeam scatole;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    a.voce("attivaa")->trigger();
    QVERIFY(s.ambiattivi);
    const int inizio = s.primaestrazione, fine = s.ultimaestrazione;
    QWidget* f = platform::registry().visform(QStringLiteral("estremi"));
    QVERIFY(f);
    controllo<QSlider>(f, "Slider1")->setValue(30);
    scatole.clearShown();
    scatole.queueAnswer(si ? platform::Answer::Yes : platform::Answer::No);
    controllo<QPushButton>(f, "Command1")->click();
    QCOMPARE(scatole.shown().size(), 1);
    QCOMPARE(scatole.shown()[0].title, QStringLiteral("Attenzione"));
    QCOMPARE(scatole.shown()[0].buttons, platform::Buttons::YesNo);
    QCOMPARE(scatole.shown()[0].text, QString::fromUtf8(DOMANDACAMBIOINIZIO));
    QCOMPARE(s.ambiattivi, !si);
    QCOMPARE(s.primaestrazione, si ? 30 : inizio);
    QCOMPARE(s.ultimaestrazione, fine);
    QCOMPARE(a.aperta("estremi"), !si);
    QCOMPARE(a.voce("opz1871")->isChecked(), !si);
}

void TestEstremi::archiviopiccoli_data() {
    QTest::addColumn<int>("estrazioni");
    QTest::newRow("no draws") << 0;
    QTest::newRow("one draw") << 1;
}

// Nothing to choose from, or a single draw: the dialog opens without reading a slot that
// holds no draw, and with no draws it offers nothing to apply.
void TestEstremi::archiviopiccoli() {
    QFETCH(int, estrazioni);
    prova::Programmadiprova p(prova::immaginediprova(estrazioni));
    Stato& s = programma();
    QCOMPARE(s.numestrazioni, estrazioni);
    estremi f(programma());
    const bool vuoto = estrazioni == 0;
    QCOMPARE(controllo<QPushButton>(&f, "Command1")->isEnabled(), !vuoto);
    QCOMPARE(controllo<QSlider>(&f, "Slider1")->isEnabled(), !vuoto);
    QCOMPARE(controllo<QSlider>(&f, "Slider2")->maximum(), 1);
    QCOMPARE(etichetta(&f, "Label7"), vuoto ? QStringLiteral(" 0") : QStringLiteral(" 1"));
    QCOMPARE(etichetta(&f, "Label4"), vuoto ? QString() : QStringLiteral("sab 01.01.1938"));
    QCOMPARE(etichetta(&f, "Label6"), etichetta(&f, "Label4"));
    if (vuoto) return;
    controllo<QPushButton>(&f, "Command1")->click();
    QCOMPARE(s.primaestrazione, 1);
    QCOMPARE(s.ultimaestrazione, 1);
}

void TestEstremi::annullaeguida() {
    platform::HelpSeam guida;
    Avviato a;
    QVERIFY(a.programma);
    QWidget* f = platform::registry().visform(QStringLiteral("estremi"));
    controllo<QPushButton>(f, "Command3")->click();
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests()[0].context, 27);
    controllo<QSlider>(f, "Slider1")->setValue(5);
    controllo<QPushButton>(f, "Command2")->click();
    QVERIFY(!a.aperta("estremi"));
    QCOMPARE(programma().primaestrazione, 1);
}

QTEST_MAIN(TestEstremi)
#include "test_estremi.moc"
