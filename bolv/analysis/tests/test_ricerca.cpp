// "Ricerca Statistica": opened from its menu entry and toolbar key, a run rendered (results,
// delay frequencies, hit list, the selected hit's draw with the typed numbers marked, the
// time axis), a refused input, the wheel buttons and the axis positions.
#include "controlli.h"

#include "assetemporale.h"
#include "ricerca.h"
#include "ricercastatistica.h"

#include "grid.h"
#include "help.h"
#include "messagebox.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace bolv;

using prova::controllo;
using prova::listato;

namespace {

QLabel* numero(QWidget* f, int w, int p) {
    return controllo<QLabel>(f, nomecontrollo(QStringLiteral("Label5"), 5 * (w - 1) + p - 1));
}

// Types the numbers, picks the sorte (1..5) and the wheels (1..10), presses "Elabora".
void elabora(QWidget* f, const QString& numeri, int sorte, std::initializer_list<int> ruote) {
    controllo<QLineEdit>(f, QStringLiteral("Text1"))->setText(numeri);
    controllo<QRadioButton>(f, nomecontrollo(QStringLiteral("Option1"), sorte - 1))
        ->setChecked(true);
    controllo<QPushButton>(f, QStringLiteral("Command3"))->click();
    for (int w : ruote)
        controllo<QCheckBox>(f, nomecontrollo(QStringLiteral("Check1"), w - 1))->setChecked(true);
    controllo<QPushButton>(f, QStringLiteral("Command1"))->click();
}

QString risultato(QWidget* f, int riga) {
    return controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid1"))->textMatrix(riga, 1);
}

} // namespace

class TestRicerca : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura_data();
    void apertura();
    void elaborazione();
    void nessunauscita();
    void inputrifiutato();
    void selezionaruote();
    void posizioni_data();
    void posizioni();
};

void TestRicerca::apertura_data() {
    QTest::addColumn<QString>("voce");
    QTest::newRow("menu entry") << "ricritmenu";
    QTest::newRow("toolbar key") << "ricerca";
}

void TestRicerca::apertura() {
    QFETCH(QString, voce);
    prova::Finte finte;
    prova::Avviato a;
    QVERIFY(a.programma);
    const Stato& s = programma();
    QWidget* f = prova::apertada(a, voce, "ricerca");
    QCOMPARE(f->windowTitle(), QStringLiteral("Ricerca Statistica"));
    QVERIFY(controllo<QRadioButton>(f, QStringLiteral("Option1(1)"))->isChecked());
    for (int i = 0; i < 10; ++i) {
        auto* c = controllo<QCheckBox>(f, nomecontrollo(QStringLiteral("Check1"), i));
        QCOMPARE(c->text(), QString::fromStdString(s.nomiruote[i]));
        QCOMPARE(c->isChecked(), s.configurazione[11 + i] != 0);
    }
    QCOMPARE(controllo<QLabel>(f, QStringLiteral("Label3"))->text(),
             QStringLiteral(" 1 - 01.01.38"));
    QCOMPARE(
        controllo<QLabel>(f, QStringLiteral("Label6"))->text(),
        platform::plainText(s.ultimaestrazione) + QStringLiteral(" - ") +
            platform::formatDate(s.dateestrazioni[s.ultimaestrazione], QStringLiteral("dd.mm.yy")));
    auto* g = controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid1"));
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Presenze"));
    QCOMPARE(g->textMatrix(6, 0), QStringLiteral("Scompenso"));
    auto* g2 = controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid2"));
    QCOMPARE(g2->rows(), 1);
    QCOMPARE(g2->textMatrix(0, 0), QStringLiteral("Rit"));
    QCOMPARE(g2->textMatrix(0, 1), QStringLiteral("Fre"));
    controllo<QPushButton>(f, QStringLiteral("Command4"))->click();
    QCOMPARE(finte.guida.requests().size(), 1);
    QCOMPARE(finte.guida.requests()[0].context, 13);
}

// A run as the window shows it: every value of the engine's result in its place.
void TestRicerca::elaborazione() {
    prova::Programmadiprova p;
    const Stato& s = programma();
    ricerca f(programma());
    elabora(&f, QStringLiteral("7.18.44"), 1, {1, 10});
    const auto c = readinput("7.18.44", 1,
                             {true, false, false, false, false, false, false, false, false, true});
    QVERIFY(c);
    const Esitoricerca e = ricercaroutine(s, *c);
    QVERIFY(e.uscite.size() > 10);
    QCOMPARE(risultato(&f, 0), platform::plainText(static_cast<long>(e.presenze)));
    QCOMPARE(risultato(&f, 1), platform::plainText(e.ritardoattuale));
    QCOMPARE(risultato(&f, 2), platform::plainText(e.ritardomassimo));
    QCOMPARE(risultato(&f, 3), platform::formatDate(s.dateestrazioni[e.estrazionemassimo],
                                                    QStringLiteral("ddd dd.mm.yyyy")));
    QVERIFY(risultato(&f, 3).contains(QRegularExpression(QStringLiteral("^[a-z]{3} "))));
    QCOMPARE(risultato(&f, 4), QStringLiteral("3,14")); // 1 / P(one of three) / 2 wheels
    QCOMPARE(risultato(&f, 5),
             platform::formatNumber(*e.ciclicitaeffettiva, QStringLiteral("###0.0")));
    QVERIFY(risultato(&f, 5).contains(QLatin1Char(',')));
    QCOMPARE(risultato(&f, 6), platform::formatNumber(*e.scompenso, QStringLiteral("######0.0")));

    auto* g2 = controllo<platform::Grid>(&f, QStringLiteral("MSFlexGrid2"));
    int righe = 1;
    for (size_t r = 1; r < e.frequenzeritardi.size(); ++r) {
        if (e.frequenzeritardi[r] == 0) continue;
        QCOMPARE(g2->textMatrix(righe, 0), platform::plainText(static_cast<long>(r)));
        QCOMPARE(g2->textMatrix(righe, 1), platform::plainText(e.frequenzeritardi[r]));
        ++righe;
    }
    QCOMPARE(g2->rows(), righe);

    const QStringList linee = listato(&f);
    QCOMPARE(linee.size(), static_cast<qsizetype>(e.uscite.size()));
    const Uscita u = e.uscite.front();
    QCOMPARE(linee.front(),
             platform::formatDate(s.dateestrazioni[u.estrazione], QStringLiteral("dd.mm.yyyy")) +
                 QStringLiteral("  ") + QString::fromStdString(s.nomiruote[u.ruota - 1]));
    QVERIFY(controllo<QListView>(&f, QStringLiteral("List1"))->isVisibleTo(&f));
    QCOMPARE(controllo<assetemporale>(&f, QStringLiteral("Line1"))->segni(), e.estrazioniuscita);

    // The first hit is shown: its draw, the typed numbers in yellow on its wheel only.
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label4(9)"))->text(), QStringLiteral("Ve"));
    int gialli = 0;
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p) {
            const int n = s.estr(u.estrazione, w, p);
            QLabel* l = numero(&f, w, p);
            QCOMPARE(l->text(), QString::number(n));
            const bool giallo = l->palette().color(QPalette::Window) == QColor(255, 255, 0);
            const bool cercato = n == 7 || n == 18 || n == 44;
            QCOMPARE(giallo, cercato && w == u.ruota);
            gialli += giallo;
        }
    QVERIFY(gialli >= 1);

    // Another line shows its own draw.
    auto* List1 = controllo<QListView>(&f, QStringLiteral("List1"));
    const Uscita v = e.uscite[5];
    List1->setCurrentIndex(List1->model()->index(5, 0));
    QCOMPARE(numero(&f, v.ruota, 1)->text(), QString::number(s.estr(v.estrazione, v.ruota, 1)));
}

void TestRicerca::nessunauscita() {
    // Cinquina of 1..5 on Bari: no draw of the test archive has it.
    prova::Programmadiprova p;
    const Stato& s = programma();
    ricerca f(programma());
    elabora(&f, QStringLiteral("1.2.3.4.5"), 5, {1});
    QCOMPARE(risultato(&f, 0), QStringLiteral(" 0"));
    QCOMPARE(risultato(&f, 2), QStringLiteral("(") +
                                   platform::plainText(s.ultimaestrazione - s.primaestrazione) +
                                   QStringLiteral(" )"));
    for (int r : {3, 5, 6})
        QCOMPARE(risultato(&f, r), QStringLiteral("---"));
    QVERIFY(listato(&f).isEmpty());
    QVERIFY(controllo<assetemporale>(&f, QStringLiteral("Line1"))->segni().empty());
}

// A refused input says so; the list and the frequencies are emptied, the results stay.
void TestRicerca::inputrifiutato() {
    prova::Programmadiprova p;
    platform::BoxSeam scatole;
    ricerca f(programma());
    elabora(&f, QStringLiteral("7"), 1, {1});
    const QString presenze = risultato(&f, 0);
    QVERIFY(!listato(&f).isEmpty());
    QVERIFY(controllo<platform::Grid>(&f, QStringLiteral("MSFlexGrid2"))->rows() > 1);
    QVERIFY(scatole.shown().isEmpty());
    elabora(&f, QStringLiteral("5.300"), 1, {1});
    QCOMPARE(scatole.texts(), QStringList{QString::fromUtf8(ERRORERICERCA)});
    QCOMPARE(scatole.shown()[0].buttons, platform::Buttons::Ok);
    QVERIFY(listato(&f).isEmpty());
    QVERIFY(controllo<QListView>(&f, QStringLiteral("List1"))->isVisibleTo(&f));
    QCOMPARE(controllo<platform::Grid>(&f, QStringLiteral("MSFlexGrid2"))->rows(), 1);
    QVERIFY(controllo<assetemporale>(&f, QStringLiteral("Line1"))->segni().empty());
    QCOMPARE(risultato(&f, 0), presenze);
    // No wheel ticked: the same message.
    controllo<QPushButton>(&f, QStringLiteral("Command3"))->click();
    controllo<QPushButton>(&f, QStringLiteral("Command1"))->click();
    QCOMPARE(scatole.texts().size(), 2);
}

void TestRicerca::selezionaruote() {
    prova::Programmadiprova p;
    ricerca f(programma());
    for (const char* pulsante : {"Command2", "Command3"}) {
        controllo<QPushButton>(&f, QString::fromLatin1(pulsante))->click();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(
                controllo<QCheckBox>(&f, nomecontrollo(QStringLiteral("Check1"), i))->isChecked(),
                pulsante == QLatin1String("Command2"));
    }
}

void TestRicerca::posizioni_data() {
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("prima");
    QTest::addColumn<int>("ultima");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("x");
    QTest::newRow("first draw, one step in") << 1 << 1 << 100 << 500 << 5;
    QTest::newRow("last draw at the end") << 100 << 1 << 100 << 500 << 500;
    QTest::newRow("window not from 1") << 150 << 101 << 200 << 1000 << 500;
    QTest::newRow("8000 draws on a wide axis") << 8000 << 1 << 8000 << 6780 << 6780;
    QTest::newRow("beyond 32 bits") << 8000 << 1 << 8000 << 400000 << 400000;
    QTest::newRow("one draw") << 7 << 7 << 7 << 460 << 460;
}

// Far beyond what 16 bits hold (8000 x 6780), the last draw still lands at the end.
void TestRicerca::posizioni() {
    QFETCH(int, d);
    QFETCH(int, prima);
    QFETCH(int, ultima);
    QFETCH(int, larghezza);
    QFETCH(int, x);
    QCOMPARE(assetemporale::posizione(d, prima, ultima, larghezza), x);
}

QTEST_MAIN(TestRicerca)
#include "test_ricerca.moc"
