// The formations window: opened from the selectors of the "Tabelle" menu, its option chains,
// the rows it shows for a family, the wheel highlight and the print.
#include "archiviodiprova.h"

#include "tabform.h"

#include "ambiterni.h"
#include "formazioni.h"
#include "grid.h"
#include "nomifinestre.h"
#include "printer.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace bolv;

namespace {

// The contrast ratio of two colours by their relative luminance (1 to 21).
double contrasto(const QColor& a, const QColor& b) {
    const auto luminanza = [](const QColor& c) {
        const auto lineare = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) +
               0.0722 * lineare(c.blueF());
    };
    const double la = luminanza(a), lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRadioButton* opzione(QWidget* f, const char* base, int i) {
    auto* b = f->findChild<QRadioButton*>(nomecontrollo(QString::fromLatin1(base), i));
    if (!b) qFatal("no %s(%d)", base, i);
    return b;
}

int spuntato(QWidget* f, const char* base, int quanti) {
    for (int i = 0; i < quanti; ++i)
        if (opzione(f, base, i)->isChecked()) return i;
    return -1;
}

QString etichetta(QWidget* f, const char* nome) {
    return f->findChild<QLabel*>(QString::fromLatin1(nome))->text();
}

platform::Grid* griglia(QWidget* f) {
    return f->findChild<platform::Grid*>(QStringLiteral("Grid1"));
}

bool stampabile(QWidget* f) {
    return f->findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled();
}

// The started program with the pair and triple tables as asked.
struct Programma : prova::Avviato {
    explicit Programma(bool ambi = true, bool terni = true) {
        Stato& s = bolv::programma();
        s.ambiattivi = ambi;
        s.ternattivi = terni;
        if (ambi) calcolaambi(s);
        if (terni) calcolaterni(s);
    }
    // Chooses a menu entry or toolbar key and lets the window's computation run: the window
    // and how many times it computed.
    std::pair<tabform*, int> scegli(const char* voce) {
        auto* f = qobject_cast<tabform*>(
            platform::registry().existing(QString::fromLatin1(nomi::tabform)));
        std::unique_ptr<QSignalSpy> spia;
        if (f) spia = std::make_unique<QSignalSpy>(f, &tabform::compilata);
        this->voce(voce)->trigger();
        if (!f) {
            f = qobject_cast<tabform*>(
                platform::registry().existing(QString::fromLatin1(nomi::tabform)));
            spia = std::make_unique<QSignalSpy>(f, &tabform::compilata);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return {f, static_cast<int>(spia->count())};
    }
};

// A change of buttons, then the computations it caused.
int dopo(tabform* f, const std::function<void()>& cambio) {
    QSignalSpy spia(f, &tabform::compilata);
    cambio();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return static_cast<int>(spia.count());
}

} // namespace

class TestTabform : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void selettori_data();
    void selettori();
    void ternolasciagliambi();
    void selettoredambiconterno_data();
    void selettoredambiconterno();
    void tabellenonattive();
    void righe();
    void evidenziazione_data();
    void evidenziazione();
    void famigliavuota();
    void stampa();
};

void TestTabform::selettori_data() {
    QTest::addColumn<QString>("voce");
    QTest::addColumn<int>("gruppo");
    QTest::addColumn<int>("famiglia");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("Terzine Dispari") << "dispmenu" << 1 << 3 << "Terzine Dispari";
    QTest::newRow("Ambi Gemelli") << "gemmenu" << 0 << 0 << "Ambi Gemelli";
    QTest::newRow("Lunghette: the family alone") << "Labgmenu" << 5 << 5 << "Base Gemellare";
    QTest::newRow("Sestine Distanza 45") << "sdistmenu" << 4 << 7 << "Sestine Distanza 45";
    QTest::newRow("toolbar key") << "tabelle" << 0 << 0 << "Ambi Gemelli";
}

void TestTabform::selettori() {
    QFETCH(QString, voce);
    QFETCH(int, gruppo);
    QFETCH(int, famiglia);
    QFETCH(QString, titolo);
    Programma p;
    for (const QString& v : {QStringLiteral("qradmenu"), voce}) { // first open, then reuse
        const auto [f, calcoli] = p.scegli(qPrintable(v));
        QVERIFY(f && f->isVisible());
        QCOMPARE(calcoli, 1);
        QCOMPARE(f->windowTitle(), QStringLiteral("Tabelle"));
    }
    auto* f = qobject_cast<tabform*>(platform::registry().existing(nomi::tabform));
    QCOMPARE(spuntato(f, "Option3", 6), gruppo);
    QCOMPARE(spuntato(f, "Option5", 8), famiglia);
    QCOMPARE(etichetta(f, "Label1"), titolo);
    QCOMPARE(etichetta(f, "Label2"), QStringLiteral("Ruota di Bari"));
    const auto formazioni = bolv::famiglia(programma().tabformazioni, gruppo + 1, famiglia + 1);
    QVERIFY(!formazioni.empty());
    QCOMPARE(griglia(f)->rows(), int(formazioni.size()) + 1);
    QVERIFY(stampabile(f));
}

void TestTabform::ternolasciagliambi() {
    Programma p;
    tabform* f = p.scegli("vertmenu").first;
    QCOMPARE(dopo(f, [&] { opzione(f, "Option2", 2)->setChecked(true); }), 1);
    QVERIFY(!opzione(f, "Option3", 0)->isEnabled());
    QCOMPARE(spuntato(f, "Option3", 6), 1);
    QCOMPARE(spuntato(f, "Option5", 8), 0);
    QCOMPARE(etichetta(f, "Label1"), QStringLiteral("Terzine Triangolari"));
    QVERIFY(!opzione(f, "Option5", 4)->isEnabled());
    QVERIFY(opzione(f, "Option5", 4)->text().isEmpty());
    QCOMPARE(dopo(f, [&] { opzione(f, "Option2", 0)->setChecked(true); }), 1);
    QVERIFY(opzione(f, "Option3", 0)->isEnabled());
    QCOMPARE(spuntato(f, "Option3", 6), 1);
}

void TestTabform::selettoredambiconterno_data() {
    QTest::addColumn<bool>("ambi");
    QTest::addColumn<int>("sorte");
    QTest::newRow("to ambo") << true << 1;
    QTest::newRow("to ambata without pairs") << false << 0;
}

void TestTabform::selettoredambiconterno() {
    QFETCH(bool, ambi);
    QFETCH(int, sorte);
    Programma p(ambi, true);
    tabform* f = p.scegli("triamenu").first;
    opzione(f, "Option2", 2)->setChecked(true);
    QCOMPARE(p.scegli("diamenu").second, 1);
    QCOMPARE(spuntato(f, "Option2", 3), sorte);
    QCOMPARE(etichetta(f, "Label1"), QStringLiteral("Ambi Diametrali"));
    QVERIFY(opzione(f, "Option3", 0)->isEnabled());
    for (int r = 1; r < griglia(f)->rows(); ++r)
        QVERIFY(griglia(f)->textMatrix(r, 1) != QStringLiteral(" 8000"));
}

void TestTabform::tabellenonattive() {
    Programma p(false, false);
    auto [f, calcoli] = p.scegli("gemmenu");
    QCOMPARE(spuntato(f, "Option2", 3), 0);
    QVERIFY(!opzione(f, "Option2", 1)->isEnabled());
    QVERIFY(!opzione(f, "Option2", 2)->isEnabled());
    QCOMPARE(calcoli, 1);
}

void TestTabform::righe() {
    Programma p;
    Stato& s = programma();
    s.ritardinumeri.fill(0);
    s.presenzenumeri.fill(0);
    const int lunghezza = s.ultimaestrazione - s.primaestrazione + 1;
    const auto numero = [&](int n, int w, int rit, int pre) {
        s.ritardinumeri[indicenumero(n, w)] = rit;
        s.presenzenumeri[indicenumero(n, w)] = pre;
    };
    numero(11, 1, lunghezza, 0); // 11.22 never out
    numero(22, 1, lunghezza + 3, 0);
    numero(33, 2, 5, 2); // Cagliari 33.44: 5 / 4, as the other pairs of 33, 44, 55 and 66
    numero(44, 2, 5, 2);
    numero(55, 2, 7, 2); // Cagliari 55.66: 7 / 4
    numero(66, 2, 7, 2);
    tabform* f = p.scegli("gemmenu").first;
    QCOMPARE(dopo(f, [&] { opzione(f, "Option2", 0)->setChecked(true); }), 1);
    platform::Grid* g = griglia(f);
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Formazione"));
    QCOMPARE(g->textMatrix(0, 3), QStringLiteral("R/P"));
    const QStringList primaformazione{"11.22", " " + QString::number(lunghezza) + "*", " 0", ""};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(g->textMatrix(1, c), primaformazione[c]);
    dopo(f, [&] {
        opzione(f, "Option1", 1)->setChecked(true);
        opzione(f, "Option4", 3)->setChecked(true);
    });
    QCOMPARE(g->textMatrix(1, 0), QStringLiteral("55.66"));
    QCOMPARE(g->textMatrix(1, 3), QStringLiteral("1,75"));
    QCOMPARE(g->textMatrix(2, 0), QStringLiteral("33.44"));
    QCOMPARE(g->textMatrix(2, 3), QStringLiteral("1,25"));
    dopo(f, [&] { opzione(f, "Option1", 10)->setChecked(true); });
    QCOMPARE(etichetta(f, "Label2"), QStringLiteral("Tutte le ruote"));
}

void TestTabform::evidenziazione_data() {
    QTest::addColumn<int>("ordine");
    QTest::addColumn<int>("ruota"); // Option1 index, -1 none
    QTest::newRow("by formation: none") << 0 << -1;
    QTest::newRow("delay") << 1 << 1;
    QTest::newRow("presences") << 2 << 1;
    QTest::newRow("R/P 1,75 over 1,25") << 3 << 2;
}

void TestTabform::evidenziazione() {
    QFETCH(int, ordine);
    QFETCH(int, ruota);
    Programma p;
    Stato& s = programma();
    s.ritardinumeri.fill(0);
    s.presenzenumeri.fill(0);
    const auto formazione = [&](int a, int w, int rit, int pre) {
        for (int n : {a, a + 11}) {
            s.ritardinumeri[indicenumero(n, w)] = rit;
            s.presenzenumeri[indicenumero(n, w)] = pre;
        }
    };
    formazione(11, 1, 5, 2); // Bari 11.22: 5 / 4
    formazione(33, 2, 8, 4); // Cagliari 33.44: 8 / 8
    formazione(55, 3, 7, 2); // Firenze 55.66: 7 / 4, the same integer part as Bari's
    tabform* f = p.scegli("gemmenu").first;
    dopo(f, [&] {
        opzione(f, "Option2", 0)->setChecked(true);
        opzione(f, "Option4", ordine)->setChecked(true);
    });
    for (int i = 0; i < 11; ++i) {
        QRadioButton* b = opzione(f, "Option1", i);
        const QColor atteso = i == ruota ? QColor(255, 255, 0) : QColor(Qt::black);
        QCOMPARE(b->palette().color(QPalette::WindowText), atteso);
        // Readable: the ground it is painted on, its own or the frame's, far from its text.
        QCOMPARE(b->autoFillBackground(), i == ruota);
        const QColor fondo = b->autoFillBackground()
                                 ? b->palette().color(b->backgroundRole())
                                 : b->parentWidget()->palette().color(QPalette::Window);
        QVERIFY2(contrasto(atteso, fondo) >= 4.5, qPrintable(fondo.name()));
    }
}

void TestTabform::famigliavuota() {
    Programma p;
    programma().tabformazioni[indiceformazione(1, 2, 0, 0)] = 0;
    tabform* f = p.scegli("vertmenu").first;
    QCOMPARE(griglia(f)->rows(), 1);
    QVERIFY(!stampabile(f));
    p.scegli("gemmenu");
    QVERIFY(stampabile(f));
}

void TestTabform::stampa() {
    prova::Finte finte;
    Programma p;
    tabform* f = p.scegli("gemmenu").first;
    dopo(f, [&] { opzione(f, "Option1", 4)->setChecked(true); });
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    const QStringList righe = finte.stampe.jobs().front().lines();
    for (const QString& attesa :
         {QStringLiteral("Tabelle Formazioni Omogenee"), QStringLiteral("Ambi Gemelli"),
          QStringLiteral("Ruota di Milano"), QStringLiteral("Sorte: Ambo")})
        QVERIFY2(righe.contains(attesa), qPrintable(attesa));
    const QString intestazione = righe.filter(QStringLiteral("Formazione")).value(0);
    QCOMPARE(intestazione.indexOf(QStringLiteral("Rit")), 33);
    QCOMPARE(intestazione.indexOf(QStringLiteral("Pre")), 41);
    QCOMPARE(intestazione.indexOf(QStringLiteral("R/P")), 49);
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("Command8")), Qt::LeftButton);
    QCOMPARE(finte.guida.requests().size(), qsizetype(1));
    QCOMPARE(finte.guida.requests().front().context, 26);
}

QTEST_MAIN(TestTabform)
#include "test_tabform.moc"
