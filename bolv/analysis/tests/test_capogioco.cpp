// "Capogioco": the slider and its caption over the analysis window, "Ricerca" with and
// without the pair tables, "Stampa" only for the grid of the current choice, the report.
#include "archiviodiprova.h"
#include "controlli.h"

#include "capogioco.h"

#include "ambiterni.h"
#include "calcolocapogioco.h"
#include "grid.h"
#include "textformat.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

using namespace bolv;
using prova::controllo;

namespace {
platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("Grid1"));
}
QPushButton* pulsante(QWidget* f, const char* nome) {
    return controllo<QPushButton>(f, QString::fromLatin1(nome));
}
} // namespace

class TestCapogioco : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura_data();
    void apertura();
    void senzaambi();
    void ricerca();
    void stampa();
};

void TestCapogioco::apertura_data() {
    QTest::addColumn<int>("prima");
    QTest::addColumn<int>("ultima");
    QTest::newRow("whole archive") << 0 << 0;
    QTest::newRow("a window of 120 draws") << 31 << 150;
    QTest::newRow("a window of one draw") << 40 << 40;
}

void TestCapogioco::apertura() {
    QFETCH(int, prima);
    QFETCH(int, ultima);
    prova::Programmadiprova p;
    Stato& s = programma();
    if (prima) {
        s.primaestrazione = prima;
        s.ultimaestrazione = ultima;
    }
    const int lunghezza = s.ultimaestrazione - s.primaestrazione + 1;
    capogioco f(s);
    QCOMPARE(f.windowTitle(), QStringLiteral("Capogioco (Simpatici / Antipatici)"));
    auto* slider1 = controllo<QSlider>(&f, QStringLiteral("slider1"));
    QCOMPARE(slider1->minimum(), 1);
    QCOMPARE(slider1->maximum(), lunghezza);
    QCOMPARE(slider1->value(), lunghezza);
    auto* Frame1 = controllo<QGroupBox>(&f, QStringLiteral("Frame1"));
    QCOMPARE(Frame1->title(), QStringLiteral("Calcola sulle ultime  %1 estrazioni").arg(lunghezza));
    slider1->setValue(1);
    QCOMPARE(Frame1->title(), QStringLiteral("Calcola sulle ultime  1 estrazioni"));
    QVERIFY(!pulsante(&f, "Command2")->isEnabled());
    QCOMPARE(controllo<QComboBox>(&f, QStringLiteral("Combo1"))->currentText(),
             QStringLiteral(" 1"));
    QCOMPARE(griglia(&f)->textMatrix(0, 1), QStringLiteral("Ambi + Ritardati"));
    QCOMPARE(griglia(&f)->textMatrix(10, 0), QStringLiteral("Venezia"));
}

void TestCapogioco::senzaambi() {
    prova::Finte finte;
    prova::Programmadiprova p;
    capogioco f(programma());
    pulsante(&f, "Command1")->click();
    QCOMPARE(finte.scatole.texts(),
             QStringList{"Per utilizzare questa funzione è necessario prima attivare gli ambi"});
    QVERIFY(griglia(&f)->textMatrix(1, 1).isEmpty());
    QVERIFY(!pulsante(&f, "Command2")->isEnabled());
}

// The grid shows the engine's lists for the head number and the draws chosen; a change of
// either leaves "Stampa" off until the next "Ricerca".
void TestCapogioco::ricerca() {
    prova::Programmadiprova p;
    Stato& s = programma();
    s.primaestrazione = 100;
    s.ultimaestrazione = 300;
    s.ambiattivi = true;
    calcolaambi(s);
    capogioco f(s);
    controllo<QComboBox>(&f, QStringLiteral("Combo1"))->setCurrentIndex(89);
    controllo<QSlider>(&f, QStringLiteral("slider1"))->setValue(40);
    pulsante(&f, "Command1")->click();
    QVERIFY(pulsante(&f, "Command2")->isEnabled());
    const Tabellacapogioco t = calcolacapogioco(s, *tabellaambi(s), 90, 40);
    for (int w = 1; w <= 10; ++w)
        for (int c = 0; c < 5; ++c) {
            QStringList numeri;
            for (int n : t[w - 1][c])
                numeri << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            QCOMPARE(griglia(&f)->textMatrix(w, c + 1), numeri.join(QLatin1Char('.')));
        }
    controllo<QSlider>(&f, QStringLiteral("slider1"))->setValue(41);
    QVERIFY(!pulsante(&f, "Command2")->isEnabled());
    pulsante(&f, "Command1")->click();
    controllo<QComboBox>(&f, QStringLiteral("Combo1"))->setCurrentIndex(3);
    QVERIFY(!pulsante(&f, "Command2")->isEnabled());
}

void TestCapogioco::stampa() {
    prova::Finte finte;
    prova::Programmadiprova p;
    Stato& s = programma();
    s.ambiattivi = true;
    calcolaambi(s);
    s.stampasufile = true;
    finte.file.queueChoice(p.percorso(QStringLiteral("capo.txt")));
    capogioco f(s);
    controllo<QComboBox>(&f, QStringLiteral("Combo1"))->setCurrentIndex(6);
    controllo<QSlider>(&f, QStringLiteral("slider1"))->setValue(25);
    pulsante(&f, "Command1")->click();
    pulsante(&f, "Command2")->click();
    QCOMPARE(finte.file.requests()[0].fileName, QStringLiteral("CAPOGIOCO  7.txt"));
    const QStringList righe = QString::fromUtf8(p.cartella.leggi(QStringLiteral("capo.txt")))
                                  .split(QStringLiteral("\r\n"));
    QCOMPARE(righe[2], QStringLiteral("NUMERI SIMPATICI"));
    QVERIFY(righe.contains(QStringLiteral("CAPOGIOCO  7")));
    QVERIFY(righe.contains(QStringLiteral("Calcoli basati sulle ultime  25 estrazioni")));
    QVERIFY(righe.contains(QStringLiteral("          Ambi + Ritardati   Simpatici       "
                                          "Antipatici      Post-Simpatici  Post-Antipatici")));
}

QTEST_MAIN(TestCapogioco)
#include "test_capogioco.moc"
