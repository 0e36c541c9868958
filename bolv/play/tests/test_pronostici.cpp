// The forecast manager: opening, adding with its messages, checking against a draw with
// the slider and "Ultima", deleting, saving and loading (refused files included), and a
// ranking-style file checked against the shipped archive.
#include "archiviodiprova.h"
#include "controlli.h"

#include "pronostici.h"

#include "filepronostici.h"
#include "grid.h"
#include "textformat.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

using namespace bolv;
using prova::allineamento;
using prova::clic;
using prova::controllo;

namespace {

platform::Grid* griglia(QWidget* f) {
    return controllo<platform::Grid>(f, QStringLiteral("Grid"));
}

// Types a forecast and presses "Aggiungi pronostico": wheels 1..10, sorti 1..5.
void aggiungi(QWidget* f, std::initializer_list<int> ruote, const QString& numeri,
              std::initializer_list<int> sorti) {
    clic(f, QStringLiteral("Command4(1)"));
    for (int k = 0; k < 5; ++k)
        controllo<QCheckBox>(f, nomecontrollo(QStringLiteral("Check2"), k))->setChecked(false);
    for (int w : ruote)
        controllo<QCheckBox>(f, nomecontrollo(QStringLiteral("Check1"), w - 1))->setChecked(true);
    for (int k : sorti)
        controllo<QCheckBox>(f, nomecontrollo(QStringLiteral("Check2"), k - 1))->setChecked(true);
    controllo<QLineEdit>(f, QStringLiteral("Text1"))->setText(numeri);
    clic(f, QStringLiteral("Command5"));
}

QStringList riga(QWidget* f, int r) {
    QStringList t;
    for (int c = 0; c < 8; ++c)
        t << griglia(f)->textMatrix(r, c);
    return t;
}

// "G" for a green result cell, "-" for a white one.
QString colori(QWidget* f, int r) {
    QString t;
    for (int c = 3; c < 8; ++c)
        t += griglia(f)->cellBackColor(r, c) == QColor(0, 255, 0) ? QLatin1Char('G')
                                                                  : QLatin1Char('-');
    return t;
}

QString due(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestPronostici : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void aggiunta_data();
    void aggiunta();
    void centounesimo();
    void verifica();
    void ultimadellafinestra();
    void eliminazione();
    void salvataggioecaricamento();
    void filerifiutati_data();
    void filerifiutati();
    void filedellaclassifica();
    void vocieguida();
};

void TestPronostici::apertura() {
    prova::Programmadiprova p;
    const Stato& s = programma();
    pronostici f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Gestore Pronostici"));
    QCOMPARE(riga(&f, 0), QStringList({"Ruote", "Numeri", "Sorti", "M", "A", "T", "Q", "C"}));
    QCOMPARE(griglia(&f)->rows(), 1);
    QCOMPARE(griglia(&f)->colWidth(0), 2400);
    QCOMPARE(griglia(&f)->colWidth(7), 380);
    QCOMPARE(controllo<QCheckBox>(&f, QStringLiteral("Check1(9)"))->text(),
             QStringLiteral("Venezia"));
    auto* cursore = controllo<QSlider>(&f, QStringLiteral("Slider1"));
    QCOMPARE(cursore->minimum(), s.primaestrazione);
    QCOMPARE(cursore->maximum(), s.ultimaestrazione);
    QCOMPARE(cursore->value(), s.ultimaestrazione);
    QCOMPARE(cursore->tickInterval(), 500);
    QCOMPARE(cursore->pageStep(), 5);
    // An empty group: the slider changes only the label.
    cursore->setValue(5);
    QCOMPARE(controllo<QLabel>(&f, QStringLiteral("Label2"))->text(),
             QStringLiteral("n. 5    ") +
                 platform::formatDate(s.dateestrazioni[5], QStringLiteral("dd.mm.yyyy")));
    QCOMPARE(griglia(&f)->rows(), 1);
}

void TestPronostici::aggiunta_data() {
    QTest::addColumn<QString>("numeri");
    QTest::addColumn<QList<int>>("ruote");
    QTest::addColumn<QList<int>>("sorti");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QStringList>("testi");
    QTest::newRow("ambo su Bari, Napoli e Roma")
        << "5.12.33" << QList<int>{8, 1, 6} << QList<int>{3, 2} << QString()
        << QStringList{"Ba.Na.Ro", "05.12.33", "A.T"};
    QTest::newRow("ambo su Bari: two numbers are no decimal number")
        << "5.12" << QList<int>{1} << QList<int>{2} << QString() << QStringList{"Ba", "05.12", "A"};
    QTest::newRow("campo vuoto") << "05..12" << QList<int>{1} << QList<int>{2}
                                 << "Sono stati introdotti dei numeri non validi." << QStringList();
    QTest::newRow("numeri uguali") << "5.5" << QList<int>{1} << QList<int>{2}
                                   << "Sono stati introdotti dei numeri uguali." << QStringList();
    QTest::newRow("terno con due numeri")
        << "5.12" << QList<int>{1} << QList<int>{3}
        << "Il numero di numeri indicati non e' sufficiente per giocare per la sorte scelta."
        << QStringList();
    QTest::newRow("prima la sorte, poi la ruota")
        << "5.12" << QList<int>{} << QList<int>{}
        << "Non e' stata specificata la sorte per il pronostico." << QStringList();
    QTest::newRow("nessuna ruota")
        << "5.12" << QList<int>{} << QList<int>{1}
        << "Non e' stata specificata alcuna ruota per il pronostico." << QStringList();
    QTest::newRow("undici numeri")
        << "1.2.3.4.5.6.7.8.9.10.11" << QList<int>{1} << QList<int>{1}
        << "Un pronostico non puo' contenere piu' di 10 numeri." << QStringList();
}

void TestPronostici::aggiunta() {
    QFETCH(QString, numeri);
    QFETCH(QList<int>, ruote);
    QFETCH(QList<int>, sorti);
    QFETCH(QString, messaggio);
    QFETCH(QStringList, testi);
    prova::Programmadiprova p;
    prova::Finte finte;
    pronostici f(programma());
    clic(&f, QStringLiteral("Command4(1)"));
    for (int w : ruote)
        controllo<QCheckBox>(&f, nomecontrollo(QStringLiteral("Check1"), w - 1))->setChecked(true);
    for (int k : sorti)
        controllo<QCheckBox>(&f, nomecontrollo(QStringLiteral("Check2"), k - 1))->setChecked(true);
    controllo<QLineEdit>(&f, QStringLiteral("Text1"))->setText(numeri);
    clic(&f, QStringLiteral("Command5"));
    QCOMPARE(finte.scatole.texts(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
    QCOMPARE(griglia(&f)->rows(), testi.isEmpty() ? 1 : 2);
    if (!testi.isEmpty()) QCOMPARE(riga(&f, 1), testi + QStringList(5, QString()));
    // The forecast's texts at the left, its results at the right.
    for (int c = 0; c < 8 && !testi.isEmpty(); ++c)
        QCOMPARE(allineamento(griglia(&f), 1, c), c < 3 ? Qt::AlignLeft : Qt::AlignRight);
    // The inputs stay as typed.
    QCOMPARE(controllo<QLineEdit>(&f, QStringLiteral("Text1"))->text(), numeri);
}

void TestPronostici::centounesimo() {
    prova::Programmadiprova p;
    prova::Finte finte;
    pronostici f(programma());
    for (int i = 1; i <= MAXPRONOSTICI + 1; ++i)
        aggiungi(&f, {1}, QString::number(i % 90 + 1), {1});
    QCOMPARE(griglia(&f)->rows(), MAXPRONOSTICI + 1);
    QCOMPARE(finte.scatole.texts(), QStringList{"Il gruppo contiene gia' 100 pronostici."});
}

// The last of 50 draws: Bari holds 5, 12, 33; Napoli and Roma hold 5 and 12 each with
// numbers of 60 and above; Cagliari is not drawn.
std::vector<uint8_t> archiviodiverifica() {
    auto img = prova::immaginediprova(50);
    const int ruote[4][6] = {
        {1, 33, 1, 5, 12, 80}, {2, 0, 0, 0, 0, 0}, {6, 12, 60, 5, 61, 62}, {8, 63, 5, 64, 12, 65}};
    for (const auto& r : ruote)
        for (int pos = 1; pos <= 5; ++pos)
            prova::metti(img, 50, r[0], pos, r[pos]);
    return img;
}

void TestPronostici::verifica() {
    prova::Programmadiprova p(archiviodiverifica());
    const Stato& s = programma();
    QCOMPARE(s.ultimaestrazione, 50);
    pronostici f(programma());
    aggiungi(&f, {1}, QStringLiteral("5.12.33"), {2});
    aggiungi(&f, {6, 8}, QStringLiteral("5.12"), {2});
    aggiungi(&f, {2}, QStringLiteral("5.12"), {1, 2});
    aggiungi(&f, {1, 2, 3}, QStringLiteral("5.12.33"), {1, 3});
    QCOMPARE(riga(&f, 1).mid(3), QStringList(5, QString()));
    clic(&f, QStringLiteral("Command3"));
    QCOMPARE(riga(&f, 1).mid(3), QStringList({" 3", " 3", " 1", "", ""}));
    QCOMPARE(colori(&f, 1), QStringLiteral("-G---"));
    QCOMPARE(riga(&f, 2).mid(3), QStringList({" 4", " 2", "", "", ""}));
    QCOMPARE(colori(&f, 2), QStringLiteral("-G---"));
    QCOMPARE(riga(&f, 3).mid(3), QStringList(5, QString()));
    QCOMPARE(colori(&f, 3), QStringLiteral("-----"));
    // Firenze adds what its own numbers hit; Cagliari nothing.
    int firenze = 0;
    for (int pos = 1; pos <= 5; ++pos)
        for (int n : {5, 12, 33})
            firenze += s.estr(50, 3, pos) == n;
    QCOMPARE(griglia(&f)->textMatrix(4, 3), platform::plainText(3 + firenze));
    QCOMPARE(colori(&f, 4), QStringLiteral("G-G--"));
    // The check follows the slider: a draw without those numbers on Bari clears the cells.
    auto* cursore = controllo<QSlider>(&f, QStringLiteral("Slider1"));
    for (int e = 49; e >= 1; --e) {
        bool presente = false;
        for (int pos = 1; pos <= 5; ++pos)
            for (int n : {5, 12, 33})
                presente |= s.estr(e, 1, pos) == n;
        if (presente) continue;
        cursore->setValue(e);
        QCOMPARE(riga(&f, 1).mid(3), QStringList(5, QString()));
        QCOMPARE(colori(&f, 1), QStringLiteral("-----"));
        return;
    }
    QFAIL("no draw without those numbers");
}

// The analysis window ends before the last draw held: "Ultima" stops at its end.
void TestPronostici::ultimadellafinestra() {
    prova::Programmadiprova p;
    Stato& s = programma();
    s.ultimaestrazione = s.numestrazioni - 10;
    pronostici f(programma());
    auto* cursore = controllo<QSlider>(&f, QStringLiteral("Slider1"));
    cursore->setValue(s.primaestrazione);
    clic(&f, QStringLiteral("Command3"));
    QCOMPARE(cursore->value(), s.ultimaestrazione);
    QVERIFY(controllo<QLabel>(&f, QStringLiteral("Label2"))
                ->text()
                .startsWith(QStringLiteral("n.") + platform::plainText(s.ultimaestrazione) +
                            QStringLiteral("    ")));
}

void TestPronostici::eliminazione() {
    prova::Programmadiprova p;
    prova::Finte finte;
    pronostici f(programma());
    // With no forecast a double-click asks nothing.
    emit griglia(&f)->cellDoubleClicked(0, 0);
    QVERIFY(finte.scatole.shown().isEmpty());
    for (const char* numeri : {"1.2", "3.4", "5.6"})
        aggiungi(&f, {1}, QString::fromLatin1(numeri), {2});
    griglia(&f)->setCurrentCell(2, 0);
    finte.scatole.queueAnswer(platform::Answer::No);
    emit griglia(&f)->cellDoubleClicked(2, 0);
    QCOMPARE(griglia(&f)->rows(), 4);
    finte.scatole.queueAnswer(platform::Answer::Yes);
    emit griglia(&f)->cellDoubleClicked(2, 0);
    QCOMPARE(griglia(&f)->rows(), 3);
    QCOMPARE(griglia(&f)->textMatrix(1, 1), QStringLiteral("01.02"));
    QCOMPARE(griglia(&f)->textMatrix(2, 1), QStringLiteral("05.06"));
    const auto& domanda = finte.scatole.shown().last();
    QCOMPARE(domanda.text, QStringLiteral("Si desidera eliminare il pronostico dal gruppo?"));
    QCOMPARE(domanda.title, QStringLiteral("Conferma eliminazione pronostico"));
    QCOMPARE(domanda.buttons, platform::Buttons::YesNo);
    // Saving now writes exactly the remaining forecasts in grid order.
    const QString nome = p.percorso(QStringLiteral("resto.pro"));
    finte.file.queueChoice(nome);
    clic(&f, QStringLiteral("Command7"));
    QCOMPARE(leggigruppo(nome.toStdString()),
             (std::vector<Pronostico>{{"Ba", "01.02", "A"}, {"Ba", "05.06", "A"}}));
}

void TestPronostici::salvataggioecaricamento() {
    prova::Programmadiprova p;
    prova::Finte finte;
    const QString nome = p.percorso(QStringLiteral("gruppo.pro"));
    {
        pronostici f(programma());
        aggiungi(&f, {1, 6}, QStringLiteral("5.12.33"), {2, 3});
        aggiungi(&f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, QStringLiteral("90"), {1});
        aggiungi(&f, {10}, QStringLiteral("1.2.3.4.5"), {5});
        finte.file.queueCancel();
        clic(&f, QStringLiteral("Command7"));
        QVERIFY(!QFile::exists(nome));
        finte.file.queueChoice(nome);
        clic(&f, QStringLiteral("Command7"));
        const auto& richiesta = finte.file.requests().last();
        QCOMPARE(richiesta.mode, platform::FileDialog::Mode::Save);
        QCOMPARE(richiesta.title, QStringLiteral("Salva gruppo di pronostici"));
        QCOMPARE(richiesta.filter, QStringLiteral("File di pronostici (*.pro)|*.pro"));
    }
    pronostici f(programma());
    aggiungi(&f, {1}, QStringLiteral("7"), {1});
    finte.file.queueCancel();
    clic(&f, QStringLiteral("Command1"));
    QCOMPARE(griglia(&f)->rows(), 2);
    finte.file.queueChoice(nome);
    clic(&f, QStringLiteral("Command1"));
    QCOMPARE(finte.file.requests().last().title, QStringLiteral("Leggi gruppo di pronostici"));
    QCOMPARE(finte.file.requests().last().mode, platform::FileDialog::Mode::Open);
    QCOMPARE(griglia(&f)->rows(), 4);
    QCOMPARE(riga(&f, 1).mid(0, 3), QStringList({"Ba.Na", "05.12.33", "A.T"}));
    QCOMPARE(riga(&f, 2).mid(0, 3), QStringList({"Ba.Ca.Fi.Ge.Mi.Na.Pa.Ro.To.Ve", "90", "M"}));
    QCOMPARE(riga(&f, 3).mid(0, 3), QStringList({"Ve", "01.02.03.04.05", "C"}));
    QVERIFY(finte.scatole.shown().isEmpty());
}

void TestPronostici::filerifiutati_data() {
    QTest::addColumn<QByteArray>("contenuto");
    const auto buono = codificagruppo({{"Ba", "05.12", "A"}});
    QTest::newRow("tagliato") << prova::dati({buono.begin(), buono.end() - 3});
    QTest::newRow("vuoto") << QByteArray();
    QTest::newRow("estraneo") << QByteArray("Questo non e' un gruppo di pronostici.\r\n");
    QTest::newRow("numero 95") << prova::dati(codificagruppo({{"Ba", "05.95", "A"}}));
}

void TestPronostici::filerifiutati() {
    QFETCH(QByteArray, contenuto);
    prova::Programmadiprova p;
    prova::Finte finte;
    p.cartella.scrivi(QStringLiteral("rotto.pro"), contenuto);
    pronostici f(programma());
    aggiungi(&f, {1}, QStringLiteral("7.8"), {2});
    clic(&f, QStringLiteral("Command3"));
    const QStringList prima = riga(&f, 1);
    finte.file.queueChoice(p.percorso(QStringLiteral("rotto.pro")));
    clic(&f, QStringLiteral("Command1"));
    QCOMPARE(finte.scatole.texts(), QStringList{"Nome di file non valido."});
    QCOMPARE(griglia(&f)->rows(), 2);
    QCOMPARE(riga(&f, 1), prima);
}

// A file as the ranking window writes it (one wheel or all ten, ambo or terno) loads and
// checks against a draw of the shipped archive.
void TestPronostici::filedellaclassifica() {
    QFile spedito(QStringLiteral(BOLV_DATA_DIR "/archivio.dat"));
    QVERIFY(spedito.open(QIODevice::ReadOnly));
    prova::Programmadiprova p(prova::byte(spedito.readAll()));
    prova::Finte finte;
    const Stato& s = programma();
    const int d = s.ultimaestrazione;
    const auto n = [&](int w, int pos) { return due(s.estr(d, w, pos)).toStdString(); };
    const std::vector<Pronostico> classifica = {
        {"To", n(9, 1) + "." + n(9, 2), "A"},
        {"Ba.Ca.Fi.Ge.Mi.Na.Pa.Ro.To.Ve", n(3, 1) + "." + n(3, 2) + "." + n(3, 3), "T"},
    };
    const QString nome = p.percorso(QStringLiteral("pronostico.pro"));
    QVERIFY(scrivigruppo(nome.toStdString(), classifica));
    pronostici f(programma());
    finte.file.queueChoice(nome);
    clic(&f, QStringLiteral("Command1"));
    QCOMPARE(griglia(&f)->rows(), 3);
    clic(&f, QStringLiteral("Command3"));
    QCOMPARE(riga(&f, 1).mid(3, 2), QStringList({" 2", " 1"}));
    QCOMPARE(colori(&f, 1), QStringLiteral("-G---"));
    // Firenze gives the terno; the other wheels may add more hits, never fewer.
    QVERIFY(griglia(&f)->textMatrix(2, 5).trimmed().toInt() >= 1);
    QCOMPARE(colori(&f, 2).at(2), QLatin1Char('G'));
}

void TestPronostici::vocieguida() {
    prova::Avviato a;
    prova::Finte finte;
    a.voce("pronomenu")->trigger();
    QVERIFY(a.aperta(nomi::pronostici));
    QWidget* f = platform::registry().existing(QString::fromLatin1(nomi::pronostici));
    a.voce("prono")->trigger();
    QCOMPARE(platform::registry().existing(QString::fromLatin1(nomi::pronostici)), f);
    clic(f, QStringLiteral("Command8"));
    QCOMPARE(finte.guida.requests().size(), 1);
    QCOMPARE(finte.guida.requests()[0].context, 18);
    // A recomputation closes the manager.
    chiudianalisi();
    QVERIFY(!a.aperta(nomi::pronostici));
}

QTEST_MAIN(TestPronostici)
#include "test_pronostici.moc"
