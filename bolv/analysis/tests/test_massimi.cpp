// The ranking window: its controls as it opens, the inputs it refuses, a run rendered in the
// grid with its labels (Italian locale), the completion, "Interrompi", the print-out, the
// forecast file and the grid's popup.
#include "archiviodiprova.h"
#include "controlli.h"

#include "ambiterni.h"
#include "bolvmain.h"
#include "classifica.h"
#include "combinatoria.h"
#include "completamento.h"
#include "massimi.h"
#include "nomifinestre.h"

#include "grid.h"
#include "popupmenu.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace bolv;
using prova::Avviato;

namespace {

using prova::controllo;

QPushButton* pulsante(QWidget* f, const char* nome) {
    return controllo<QPushButton>(f, QString::fromLatin1(nome));
}
QCheckBox* ruota(QWidget* f, int i) {
    return controllo<QCheckBox>(f, nomecontrollo(QStringLiteral("Check1"), i));
}
QString etichetta(QWidget* f, const char* nome) {
    return controllo<QLabel>(f, QString::fromLatin1(nome))->text();
}
platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("griglia"));
}

// The program started with the pair tables (and the triple tables when asked) active and
// the ranking window open.
struct Finestraaperta {
    Avviato a;
    massimi* f = nullptr;
    explicit Finestraaperta(bool terni = false) {
        a.voce("attivaa")->trigger();
        if (terni) a.voce("attivat")->trigger();
        a.voce("classifica")->trigger();
        f = platform::registry().window<massimi>(QString::fromLatin1(nomi::massimi));
    }
    // K, sorte item, N, criterion (0 delays, 1 presences), wheels by box index.
    void imposta(int k, int sorte, int n, int tipo, std::initializer_list<int> ruote) {
        controllo<QComboBox>(f, "Combo1")->setCurrentIndex(k - 2);
        controllo<QComboBox>(f, "Combo2")->setCurrentIndex(sorte);
        controllo<QComboBox>(f, "Combo3")->setCurrentIndex(n - 1);
        controllo<QRadioButton>(f, nomecontrollo(QStringLiteral("Option1"), tipo))
            ->setChecked(true);
        pulsante(f, "Command7(1)")->click();
        for (int i : ruote)
            ruota(f, i)->setChecked(true);
    }
    void elabora() { pulsante(f, "Command1")->click(); }
};

// The rows the engine ranks for these inputs, on the program's own tables.
std::vector<Riga> attese(const Impostazioni& imp) {
    Avanzamento a;
    return classifica(tavoleclassifica(programma(), imp.sorte, imp.ritardi, imp.ruote), imp, a)
        .righe;
}

QString gruppo(const std::vector<int>& numeri) {
    QStringList t;
    for (int n : numeri)
        t << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return t.join(QLatin1Char('.'));
}

QByteArray leggi(const QString& nome) {
    QFile f(nome);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// A record of the forecast file: 16-bit length and the text.
QByteArray record(const QByteArray& testo) {
    QByteArray r;
    r.append(char(testo.size() & 0xFF)).append(char(testo.size() >> 8)).append(testo);
    return r;
}

} // namespace

class TestMassimi : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura_data();
    void apertura();
    void rifiuti_data();
    void rifiuti();
    void ritarditutte();
    void completa_data();
    void completa();
    void vista_data();
    void vista();
    void interrompi();
    void gruppiduranteilcorso();
    void stampa();
    void pronostici();
    void popup();
    void ruotecambiate();
    void guidaedesci();
};

void TestMassimi::apertura_data() {
    QTest::addColumn<bool>("terni");
    QTest::addColumn<QStringList>("sorti");
    QTest::newRow("pairs only") << false << QStringList{"Ambo"};
    QTest::newRow("pairs and triples") << true << QStringList{"Ambo", "Terno"};
}

// The wheels come from configuration slots 11..20: 1 checks, any other value unchecks.
void TestMassimi::apertura() {
    QFETCH(bool, terni);
    QFETCH(QStringList, sorti);
    prova::Programmadiprova p;
    Stato& s = programma();
    calcolaambi(s);
    if (terni) calcolaterni(s);
    for (int i = 0; i < 10; ++i)
        s.configurazione[11 + i] = static_cast<int16_t>(i == 0 ? 1 : i == 1 ? 2 : i == 5);
    massimi f(s);
    QCOMPARE(f.windowTitle(), QStringLiteral("Classifica Ritardi e Presenze"));
    auto* Combo2 = controllo<QComboBox>(&f, "Combo2");
    QStringList voci;
    for (int i = 0; i < Combo2->count(); ++i)
        voci << Combo2->itemText(i);
    QCOMPARE(voci, sorti);
    QCOMPARE(Combo2->currentText(), QStringLiteral("Ambo"));
    QCOMPARE(controllo<QComboBox>(&f, "Combo1")->currentText(), QStringLiteral(" 2"));
    QCOMPARE(controllo<QComboBox>(&f, "Combo1")->count(), 9);
    QCOMPARE(controllo<QComboBox>(&f, "Combo3")->currentText(), QStringLiteral(" 10"));
    QVERIFY(controllo<QRadioButton>(&f, "Option1(0)")->isChecked());
    QVERIFY(controllo<QRadioButton>(&f, "Option2(0)")->isChecked());
    QVERIFY(!controllo<QRadioButton>(&f, "Option2(1)")->isEnabled());
    for (int i = 0; i <= 10; ++i)
        QCOMPARE(ruota(&f, i)->isChecked(), i == 0 || i == 5);
    QCOMPARE(ruota(&f, 10)->text(), QStringLiteral("Tutte"));
    QVERIFY(!pulsante(&f, "Command2")->isEnabled());
    QVERIFY(!pulsante(&f, "Command6")->isEnabled());
    QVERIFY(pulsante(&f, "Command3")->isEnabled());
    QVERIFY(!controllo<QCheckBox>(&f, "Check2")->isChecked());
    QCOMPARE(griglia(&f)->rows(), 16);
    QCOMPARE(griglia(&f)->textMatrix(0, 3), QStringLiteral("Ult.sortita"));
    controllo<QRadioButton>(&f, "Option1(1)")->setChecked(true);
    QVERIFY(controllo<QRadioButton>(&f, "Option2(1)")->isEnabled());
}

void TestMassimi::rifiuti_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("sorte");
    QTest::addColumn<QString>("vincoli");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("terno needs 3") << 2 << 1 << ""
                                   << "Per la sorte di terno occorre considerare "
                                      "almeno 3 numeri!";
    QTest::newRow("comma") << 3 << 0 << "5,17"
                           << "La sequenza dei numeri di vincolo non è stata introdotta "
                              "correttamente.";
    QTest::newRow("eleven") << 10 << 0 << "1.2.3.4.5.6.7.8.9.10.11"
                            << "Errore: sono stati inseriti più di 10 numeri come vincolo.";
    QTest::newRow("empty field counts") << 2 << 0 << "5..17"
                                        << "Sono stati indicati troppi numeri di vincolo per il "
                                           "numero di numeri impostato.";
    QTest::newRow("300 is not 44") << 3 << 0 << "300"
                                   << "Sono stati introdotti numeri non validi tra i vincoli.";
    QTest::newRow("twice") << 3 << 0 << "12.12"
                           << "Sono stati introdotti due o più numeri uguali tra i vincoli.";
}

// One message, an empty grid, and every button back.
void TestMassimi::rifiuti() {
    QFETCH(int, k);
    QFETCH(int, sorte);
    QFETCH(QString, vincoli);
    QFETCH(QString, messaggio);
    platform::BoxSeam scatole;
    Finestraaperta w(true);
    w.imposta(k, sorte, 10, 0, {0});
    controllo<QLineEdit>(w.f, "Text1")->setText(vincoli);
    w.elabora();
    QCOMPARE(scatole.texts(), QStringList{messaggio});
    QVERIFY(griglia(w.f)->textMatrix(1, 1).isEmpty());
    for (const char* b : {"Command1", "Command2", "Command3", "Command4"})
        QVERIFY2(pulsante(w.f, b)->isEnabled(), b);
}

// "Tutte": one ranking of the all-wheels column, its title, and the labels of all wheels.
void TestMassimi::ritarditutte() {
    Finestraaperta w;
    pulsante(w.f, "Command7(0)")->click();
    w.imposta(3, 0, 10, 0, {10});
    w.elabora();
    const Stato& s = programma();
    const auto righe = attese({3, 10, 2, true, 1, {11}, {}});
    QCOMPARE(int(righe.size()), 10);
    for (int r = 1; r <= 10; ++r) {
        const Riga& x = righe[r - 1];
        QCOMPARE(griglia(w.f)->textMatrix(r, 0), QStringLiteral("Tu"));
        QCOMPARE(griglia(w.f)->textMatrix(r, 1), gruppo(x.numeri));
        const Statcombinazione st = statcombinazione(s, x.numeri, 2, 11);
        QCOMPARE(griglia(w.f)->textMatrix(r, 2),
                 st.ultima ? platform::plainText(x.valore) : QStringLiteral("mai s."));
        QVERIFY(griglia(w.f)->textMatrix(r, 4).isEmpty());
    }
    QCOMPARE(etichetta(w.f, "Label6"), QStringLiteral("Terzine per ambo - Tutte"));
    QCOMPARE(etichetta(w.f, "Label4"), QStringLiteral("Tot. combinazioni: 117.480 per ruota."));
    const double fattore = s.tabellavincite[1 + 5 * 2] * 0.97 / 10;
    QCOMPARE(etichetta(w.f, "Label8"),
             QStringLiteral("Fattore di guadagno: ") +
                 platform::formatNumber(fattore, QStringLiteral("#,###.00")));
    QVERIFY(etichetta(w.f, "Label8").contains(QLatin1Char(',')));
    QCOMPARE(etichetta(w.f, "Label7"),
             QStringLiteral("Ciclicità teorica media: ") +
                 platform::formatNumber(ciclicita(3, 2) / 10, QStringLiteral("###0.00")));
    QVERIFY(etichetta(w.f, "Label7").endsWith(QStringLiteral("13,66")));
    QVERIFY(etichetta(w.f, "Label5").startsWith(QStringLiteral("Tempo di elaborazione: ")));
    QVERIFY(pulsante(w.f, "Command2")->isEnabled());
}

void TestMassimi::completa_data() {
    QTest::addColumn<int>("sorte");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("k");
    QTest::newRow("ambo by delay, K 2, Bari") << 0 << 0 << 2;
    QTest::newRow("terno by presences, K 4, Bari") << 1 << 1 << 4;
}

// The completion fills the statistics the ranking did not; the labels of one wheel.
void TestMassimi::completa() {
    QFETCH(int, sorte);
    QFETCH(int, tipo);
    QFETCH(int, k);
    Finestraaperta w(true);
    w.imposta(k, sorte, 5, tipo, {0});
    controllo<QCheckBox>(w.f, "Check2")->setChecked(true);
    w.elabora();
    const Stato& s = programma();
    const int so = sorte + 2;
    const auto righe = attese({k, 5, so, tipo == 0, 1, {1}, {}});
    QVERIFY(!righe.empty());
    for (int r = 1; r <= int(righe.size()); ++r) {
        const Statcombinazione st = statcombinazione(s, righe[r - 1].numeri, so, 1);
        auto* g = griglia(w.f);
        QCOMPARE(g->textMatrix(r, 5), QString::number(st.storico));
        QVERIFY(!g->textMatrix(r, 4).isEmpty());
        if (tipo == 0) {
            QCOMPARE(g->textMatrix(r, 6), QString::number(st.presenze));
            // The pair tables and the scan of the draws agree on the delay.
            if (st.ultima) QCOMPARE(st.ritardo, righe[r - 1].valore);
        } else {
            QCOMPARE(g->textMatrix(r, 6), platform::plainText(righe[r - 1].valore));
            QCOMPARE(g->textMatrix(r, 2),
                     st.ultima ? QString::number(st.ritardo) : QStringLiteral("mai s."));
        }
        QCOMPARE(g->textMatrix(r, 3), st.ultima ? platform::formatDate(s.dateestrazioni[st.ultima],
                                                                       QStringLiteral("dd.mm.yyyy"))
                                                : QStringLiteral("---"));
    }
    const double ciclo = ciclicita(k, so);
    QCOMPARE(etichetta(w.f, "Label7"),
             QStringLiteral("Ciclicità teorica media: ") +
                 platform::formatNumber(ciclo, QStringLiteral("###0.00")));
    const double fattore = s.tabellavincite[(so - 1) + 5 * (k - 1)] * 0.97;
    QCOMPARE(etichetta(w.f, "Label8"),
             QStringLiteral("Fattore di guadagno: ") +
                 platform::formatNumber(fattore, QStringLiteral("#,###.00")));
}

// For K 2 two numbers read as a decimal number; from K 3 on they do not.
void TestMassimi::vista_data() {
    completa_data();
    QTest::newRow("ambo by delay, K 3, Bari") << 0 << 0 << 3;
}

// After a full run in the main window at its first size: the whole grid and the progress bar
// can be seen, every text whole in its column, each column aligned one way.
void TestMassimi::vista() {
    QFETCH(int, sorte);
    QFETCH(int, tipo);
    QFETCH(int, k);
    Finestraaperta w(true);
    w.imposta(k, sorte, 15, tipo, {0});
    controllo<QCheckBox>(w.f, "Check2")->setChecked(true);
    w.elabora();
    QTest::qWait(50);
    platform::Grid* g = griglia(w.f);
    QVERIFY(!g->textMatrix(15, 4).isEmpty());

    // Scrolled to its end, the client area shows the last row and the progress bar.
    QMdiArea* area = w.a.m().area();
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QTest::qWait(20);
    const QRect vista = area->viewport()->rect();
    QWidget* prog = controllo<QWidget>(w.f, "prog");
    QVERIFY(vista.contains(QRect(prog->mapTo(area->viewport(), QPoint()), prog->size())));
    const QRect ultima = g->visualRect(g->model()->index(15, 6));
    QVERIFY(g->viewport()->rect().contains(ultima));
    QVERIFY(vista.contains(ultima.translated(g->viewport()->mapTo(area->viewport(), QPoint()))));
    QVERIFY(!g->verticalScrollBar()->isVisible());

    // Whole: the text and the margins the style keeps on either side of it.
    const int margini = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
    const auto intero = [&](int c, const QString& t) {
        return g->fontMetrics().horizontalAdvance(t) + margini < g->columnWidth(c);
    };
    const Stato& s = programma();
    const int finestra = s.ultimaestrazione - s.primaestrazione + 1;
    QVERIFY(intero(1, gruppo({81, 82, 83, 84, 85, 86, 87, 88, 89, 90})));
    QVERIFY(intero(4, platform::formatNumber(finestra, QStringLiteral("####.0"))));
    const Qt::Alignment attese[7] = {Qt::AlignLeft,  Qt::AlignLeft,  Qt::AlignRight, Qt::AlignLeft,
                                     Qt::AlignRight, Qt::AlignRight, Qt::AlignRight};
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(prova::allineamento(g, 0, c), Qt::AlignHCenter);
        for (int r = 0; r < 16; ++r) {
            const QString t = g->textMatrix(r, c);
            QVERIFY2(intero(c, t), qPrintable(t));
            if (r > 0) QCOMPARE(prova::allineamento(g, r, c), attese[c]);
        }
    }
}

// Stopped at once: the title says so, the completion fills nothing, the labels are written,
// and the window is usable again.
void TestMassimi::interrompi() {
    Finestraaperta w(true);
    w.imposta(10, 1, 15, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    controllo<QCheckBox>(w.f, "Check2")->setChecked(true);
    QTimer::singleShot(0, w.f, [&] {
        QVERIFY(!pulsante(w.f, "Command1")->isEnabled());
        QVERIFY(!controllo<QComboBox>(w.f, "Combo1")->isEnabled());
        pulsante(w.f, "Command6")->click();
    });
    w.elabora();
    QCOMPARE(etichetta(w.f, "Label6"), QStringLiteral("Decine per terno (Ricerca non completata)"));
    for (int r = 1; r <= 15; ++r)
        QVERIFY(griglia(w.f)->textMatrix(r, 5).isEmpty());
    QVERIFY(!etichetta(w.f, "Label8").isEmpty());
    QVERIFY(pulsante(w.f, "Command1")->isEnabled());
    QVERIFY(controllo<QComboBox>(w.f, "Combo1")->isEnabled());
}

// A long run shows the best groups found so far in the grid while it goes on; stopped, it
// keeps them.
void TestMassimi::gruppiduranteilcorso() {
    Finestraaperta w(true);
    w.imposta(10, 1, 15, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    QString mostrato;
    QTimer orologio;
    connect(&orologio, &QTimer::timeout, w.f, [&] {
        const QString gruppo = griglia(w.f)->textMatrix(1, 1);
        if (gruppo.isEmpty() || !pulsante(w.f, "Command6")->isEnabled()) return;
        mostrato = gruppo;
        pulsante(w.f, "Command6")->click();
    });
    orologio.start(20);
    w.elabora();
    orologio.stop();
    QVERIFY(!mostrato.isEmpty());
    QCOMPARE(etichetta(w.f, "Label6"), QStringLiteral("Decine per terno (Ricerca non completata)"));
    QVERIFY(!griglia(w.f)->textMatrix(1, 1).isEmpty());
}

void TestMassimi::stampa() {
    prova::Finte finte;
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("classifica.txt"));
    Finestraaperta w;
    programma().stampasufile = true;
    w.imposta(2, 0, 3, 0, {0, 4});
    w.elabora();
    finte.file.queueChoice(nome);
    pulsante(w.f, "Command2")->click();
    const QString testo = QString::fromUtf8(leggi(nome));
    QVERIFY(testo.contains(QStringLiteral("Massimi Ritardi e Presenze")));
    QVERIFY(testo.contains(QStringLiteral("Coppie per ambo\r\n")));
    QVERIFY(testo.contains(QStringLiteral("Ruote: Ba Mi \r\n")));
    QVERIFY(testo.contains(griglia(w.f)->textMatrix(1, 0) + QString(7, QLatin1Char(' ')) +
                           griglia(w.f)->textMatrix(1, 1)));
}

// Before any run, 600 zero bytes; after one, the ranked rows with the run's sorte even when
// the box shows another; a longer old file keeps its tail; a cancel writes nothing.
void TestMassimi::pronostici() {
    prova::Finte finte;
    QTemporaryDir cartella;
    const QString nome = cartella.filePath(QStringLiteral("pronostico.pro"));
    Finestraaperta w(true);
    finte.file.queueChoice(nome);
    pulsante(w.f, "Command3")->click();
    QCOMPARE(leggi(nome), QByteArray(600, '\0'));
    QCOMPARE(finte.file.requests().last().fileName, QStringLiteral("pronostico.pro"));
    QCOMPARE(finte.file.requests().last().title, QStringLiteral("Crea file di pronostici"));

    QFile vecchio(nome);
    vecchio.open(QIODevice::WriteOnly);
    vecchio.write(QByteArray(700, 'x'));
    vecchio.close();
    w.imposta(2, 0, 2, 0, {0});
    w.elabora();
    controllo<QComboBox>(w.f, "Combo2")->setCurrentIndex(1);
    finte.file.queueChoice(nome);
    finte.scatole.queueAnswer(platform::Answer::Yes);
    pulsante(w.f, "Command3")->click();
    const auto righe = attese({2, 2, 2, true, 1, {1}, {}});
    QCOMPARE(int(righe.size()), 2);
    const QByteArray vuoti(2 * 98, '\0');
    QByteArray atteso = record("Ba") + record("Ba") + vuoti;
    atteso += record(gruppo(righe[0].numeri).toLatin1()) +
              record(gruppo(righe[1].numeri).toLatin1()) + vuoti;
    atteso += record("A") + record("A") + vuoti;
    atteso += QByteArray(700 - atteso.size(), 'x');
    QCOMPARE(leggi(nome), atteso);

    finte.file.queueCancel();
    QFile::remove(nome);
    pulsante(w.f, "Command3")->click();
    QVERIFY(!QFile::exists(nome));
}

// A left press on a ranked combination pops up "Ricerca Statistica"; nothing else does.
void TestMassimi::popup() {
    platform::PopupSeam menu;
    Finestraaperta w;
    w.imposta(2, 0, 3, 0, {0});
    w.elabora();
    auto* g = griglia(w.f);
    emit g->cellPressed(1, 1, Qt::RightButton);
    emit g->cellPressed(1, 2, Qt::LeftButton);
    emit g->cellPressed(5, 1, Qt::LeftButton);
    QVERIFY(menu.menus().isEmpty());
    emit g->cellPressed(1, 1, Qt::LeftButton);
    QCOMPARE(menu.menus(), QStringList{"menuric"});
}

void TestMassimi::ruotecambiate() {
    Finestraaperta w;
    w.imposta(2, 0, 3, 0, {0});
    w.elabora();
    QVERIFY(pulsante(w.f, "Command2")->isEnabled());
    ruota(w.f, 3)->setChecked(true);
    QVERIFY(!pulsante(w.f, "Command2")->isEnabled());
    ruota(w.f, 10)->setChecked(true);
    QVERIFY(!ruota(w.f, 3)->isEnabled());
    QVERIFY(ruota(w.f, 3)->isChecked());
}

void TestMassimi::guidaedesci() {
    platform::HelpSeam guida;
    Finestraaperta w;
    pulsante(w.f, "Command8")->click();
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests().first().context, 12);
    pulsante(w.f, "Command4")->click();
    QTRY_VERIFY(!w.a.aperta(nomi::massimi));
}

QTEST_MAIN(TestMassimi)
#include "test_massimi.moc"
