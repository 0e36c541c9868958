// The draw entry window: its two captions, the current-box marker, "INSERISCI" through the
// message boxes the user answers, appending and inserting on the test archive, "ANNULLA",
// and the paste from the clipboard by the window's button, the menu and the toolbar.
#include "archiviodiprova.h"
#include "controlli.h"

#include "inserimento.h"

#include "clipboard.h"
#include "help.h"
#include "messagebox.h"
#include "textformat.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace bolv;
using prova::Avviato;

namespace {

using prova::controllo;

QLineEdit* casella(QWidget* f, int i) {
    return controllo<QLineEdit>(f, QStringLiteral("Text4(%1)").arg(i));
}
QLineEdit* data(QWidget* f, int i) { // 1 day, 2 month, 3 year
    return controllo<QLineEdit>(f, QStringLiteral("Text%1").arg(i));
}
void premi(QWidget* f, const char* pulsante) {
    controllo<QPushButton>(f, QString::fromLatin1(pulsante))->click();
}
bool bianca(QWidget* f, int i) {
    return casella(f, i)->palette().color(QPalette::Base) == QColor(255, 255, 255);
}
bool grigia(QWidget* f, int i) {
    return casella(f, i)->palette().color(QPalette::Base) == QColor(192, 192, 192);
}

// Saturday 22 August 2026; wheel w holds w, w+10, .. w+40.
void riempi(QWidget* f, const QStringList& giorno = {"22", "08", "2026"}) {
    for (int i = 1; i <= 3; ++i)
        data(f, i)->setText(giorno[i - 1]);
    for (int k = 0; k < 50; ++k)
        casella(f, k + 1)->setText(QString::number(k / 5 + 1 + 10 * (k % 5)));
}

// The program's texts by letter, as the user meets them.
QString testo(QChar c) {
    switch (c.toLatin1()) {
    case 'D':
        return QString::fromUtf8("La data inserita non è valida.");
    case 'G':
        return QStringLiteral("La data immessa non corrisponde a un sabato o un mercoledi. "
                              "Procedere comunque?");
    case 'N':
        return QStringLiteral("Ci sono numeri non validi\ro non tutti i numeri sono stati "
                              "inseriti.");
    case 'Z':
        return QStringLiteral("Avvertenza: sono stati inseriti degli zeri.");
    case 'R':
        return QStringLiteral("Impossibile procedere.\rCi sono due estratti uguali in una stessa "
                              "ruota (Bari).");
    case 'C':
        return QString::fromUtf8("Il programma ora salverà l'estrazione nell'archivio e "
                                 "aggiornerà i ritardi e le frequenze.\rSi consiglia un "
                                 "frequente backup dei dati.\rProcedere?");
    case 'S':
        return QString::fromUtf8(
            "L'aggiornamento è stato completato con successo. L'estrazione finale e' stata "
            "reimpostata all'ultima dell'archivio. Il programma provvederà ora alla rilettura "
            "dell'archivio.");
    }
    return {};
}

QWidget* apri(Avviato& a, const char* voce) {
    a.voce(voce)->trigger();
    return platform::registry().existing(QString::fromLatin1(nomi::inserimento));
}

// The draw of slot d of an archive image: rows 0..10, positions 1..5.
QList<int> slot(const std::vector<uint8_t>& img, int d) {
    QList<int> t;
    for (int r = 0; r <= 10; ++r)
        for (int p = 1; p <= 5; ++p)
            t << img[indicearchivio(d, r, p)];
    return t;
}
// The draw riempi types, as stored after the last draw.
QList<int> nuovaslot() {
    QList<int> t = {22, 8, 26, 20, 0};
    for (int k = 0; k < 50; ++k)
        t << k / 5 + 1 + 10 * (k % 5);
    return t;
}

} // namespace

class TestInserimento : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura_data();
    void apertura();
    void marcatore();
    void invionellecaselle_data();
    void invionellecaselle();
    void inserisci_data();
    void inserisci();
    void inserimentointermedio();
    void annullaeguida();
    void modoalterno();
    void incolla_data();
    void incolla();
    void incolladalmenuedallabarra_data();
    void incolladalmenuedallabarra();
};

void TestInserimento::apertura_data() {
    QTest::addColumn<bool>("accoda");
    QTest::addColumn<int>("punto");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("append") << true << 5 << "Inserimento estrazioni  ";
    QTest::newRow("insert after 1234") << false << 1234 << "Inserimento estrazione dopo la n. 1234";
    QTest::newRow("insert before the first") << false << 0 << "Inserimento estrazione dopo la n. 0";
}

void TestInserimento::apertura() {
    QFETCH(bool, accoda);
    QFETCH(int, punto);
    QFETCH(QString, titolo);
    prova::Programmadiprova p;
    programma().modoaccoda = accoda;
    programma().puntoinserimento = punto;
    inserimento f(programma());
    QCOMPARE(f.windowTitle(), titolo);
    QCOMPARE(f.casellacorrente(), 1);
    QCOMPARE(data(&f, 1)->text(), QStringLiteral("Giorno"));
    QCOMPARE(data(&f, 2)->text(), QStringLiteral("Mese"));
    QCOMPARE(data(&f, 3)->text(), QStringLiteral("Anno"));
    for (int i = 1; i <= 50; ++i) {
        QVERIFY(casella(&f, i)->text().isEmpty());
        QVERIFY(!bianca(&f, i) && !grigia(&f, i)); // neither marked nor passed over yet
    }
    QCOMPARE(controllo<QLabel>(&f, "Label4(1)")->text(), QStringLiteral("Bari"));
    QCOMPARE(controllo<QLabel>(&f, "Label4(10)")->text(), QStringLiteral("Venezia"));
    const std::pair<const char*, const char*> pulsanti[] = {
        {"Command2", "ANNULLA"}, {"Command3", "INSERISCI"}, {"Command4", "<---"},
        {"Command5", "--->"},    {"Command7", "?"},         {"Command8", "Incolla dagli Appunti"}};
    for (const auto& [nome, scritta] : pulsanti)
        QCOMPARE(controllo<QPushButton>(&f, nome)->text(), QString::fromLatin1(scritta));
    // The tab order: "ANNULLA", "INSERISCI", the date, arrows and help, the numbers, the paste.
    QWidget* x = controllo<QPushButton>(&f, "Command2");
    const QStringList attesi = {"Command3", "Text1",    "Text2",    "Text3",   "Command4",
                                "Command5", "Command7", "Text4(1)", "Text4(2)"};
    for (const QString& nome : attesi) {
        do
            x = x->nextInFocusChain();
        while (x->focusPolicy() == Qt::NoFocus);
        QCOMPARE(x->objectName(), nome);
    }
    x = casella(&f, 50);
    do
        x = x->nextInFocusChain();
    while (x->focusPolicy() == Qt::NoFocus);
    QCOMPARE(x->objectName(), QStringLiteral("Command8"));
}

// The arrows and clicks move the white box; a click on the date greys every number box.
void TestInserimento::marcatore() {
    prova::Programmadiprova p;
    inserimento f(programma());
    premi(&f, "Command4"); // at 1 already
    QCOMPARE(f.casellacorrente(), 1);
    premi(&f, "Command5");
    premi(&f, "Command5");
    QCOMPARE(f.casellacorrente(), 3);
    QVERIFY(bianca(&f, 3) && grigia(&f, 2));
    premi(&f, "Command4");
    QCOMPARE(f.casellacorrente(), 2);
    QVERIFY(bianca(&f, 2) && grigia(&f, 3));
    QTest::mouseClick(casella(&f, 50), Qt::LeftButton);
    QCOMPARE(f.casellacorrente(), 50);
    QVERIFY(bianca(&f, 50) && grigia(&f, 2));
    premi(&f, "Command5"); // at 50 already
    QCOMPARE(f.casellacorrente(), 50);
    QTest::mouseClick(data(&f, 2), Qt::LeftButton);
    QCOMPARE(f.casellacorrente(), 50);
    for (int i = 1; i <= 50; ++i)
        QVERIFY(grigia(&f, i));
    QTest::keyClick(data(&f, 3), Qt::Key_Return);
    QVERIFY(bianca(&f, 1));
    QCOMPARE(f.casellacorrente(), 50);
}

void TestInserimento::invionellecaselle_data() {
    QTest::addColumn<int>("corrente");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("dopo");
    QTest::newRow("a number moves on") << 7 << "45"
                                       << "" << 8;
    QTest::newRow("0 moves on") << 7 << "0"
                                << "" << 8;
    QTest::newRow("from 50 back to 1") << 50 << "90"
                                       << "" << 1;
    QTest::newRow("blank is no number") << 7 << ""
                                        << "Errore: inserire un valore numerico!" << 7;
    QTest::newRow("letters after digits") << 7 << "12abc"
                                          << "Errore: inserire un valore numerico!" << 7;
    QTest::newRow("91") << 7 << "91"
                        << "Errore: inserire un intero tra 0 e 90!" << 7;
    QTest::newRow("-1") << 7 << "-1"
                        << "Errore: inserire un intero tra 0 e 90!" << 7;
}

// Enter in a number box: the marker moves on from where it is and takes the focus.
void TestInserimento::invionellecaselle() {
    QFETCH(int, corrente);
    QFETCH(QString, testo);
    QFETCH(QString, messaggio);
    QFETCH(int, dopo);
    platform::BoxSeam scatole;
    prova::Programmadiprova p;
    inserimento f(programma());
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::mouseClick(casella(&f, corrente), Qt::LeftButton);
    casella(&f, corrente)->setText(testo);
    QTest::keyClick(casella(&f, corrente), Qt::Key_Return);
    QCOMPARE(scatole.texts(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
    QCOMPARE(f.casellacorrente(), dopo);
    QVERIFY(bianca(&f, dopo));
    if (dopo != corrente) {
        QVERIFY(grigia(&f, corrente));
        QVERIFY(casella(&f, dopo)->hasFocus());
    }
}

void TestInserimento::inserisci_data() {
    QTest::addColumn<QStringList>("giorno");
    QTest::addColumn<QList<int>>("caselle"); // box, value, box, value ...; -1: every box empty
    QTest::addColumn<QString>("risposte");   // Y or N, in order
    QTest::addColumn<QString>("passi");      // the boxes shown, by letter
    const QStringList sabato = {"22", "08", "2026"}, martedi = {"18", "08", "2026"};
    QTest::newRow("Saturday, Yes") << sabato << QList<int>{} << "Y"
                                   << "CS";
    QTest::newRow("Saturday, No") << sabato << QList<int>{} << "N"
                                  << "C";
    QTest::newRow("Tuesday, No") << martedi << QList<int>{} << "N"
                                 << "G";
    QTest::newRow("Tuesday, Yes Yes") << martedi << QList<int>{} << "YY"
                                      << "GCS";
    QTest::newRow("31 April") << QStringList{"31", "04", "2026"} << QList<int>{} << ""
                              << "D";
    QTest::newRow("the boxes as they open")
        << QStringList{"Giorno", "Mese", "Anno"} << QList<int>{} << ""
        << "D";
    QTest::newRow("1869, Yes") << QStringList{"01", "01", "1869"} << QList<int>{} << "Y"
                               << "GD";
    QTest::newRow("year 100, Yes") << QStringList{"01", "01", "100"} << QList<int>{} << "Y"
                                   << "GD";
    QTest::newRow("91") << sabato << QList<int>{12, 91} << ""
                        << "N";
    QTest::newRow("a repeat on Bari") << sabato << QList<int>{2, 0, 3, 0} << ""
                                      << "ZR";
    QTest::newRow("every box empty, Yes") << sabato << QList<int>{-1} << "Y"
                                          << "ZCS";
}

// The prompts and messages in their order; a draw is stored only after the last Yes, and
// then the window is gone, the status bar counts it and the file holds it after the last.
void TestInserimento::inserisci() {
    QFETCH(QStringList, giorno);
    QFETCH(QList<int>, caselle);
    QFETCH(QString, risposte);
    QFETCH(QString, passi);
    platform::BoxSeam scatole;
    Avviato a;
    Stato& s = programma();
    const int n = s.numestrazioni;
    QWidget* f = apri(a, "insmenu");
    QVERIFY(f && f->isVisible());
    riempi(f, giorno);
    if (caselle == QList<int>{-1})
        for (int i = 1; i <= 50; ++i)
            casella(f, i)->clear();
    for (qsizetype i = 0; i + 1 < caselle.size(); i += 2)
        casella(f, caselle[i])->setText(QString::number(caselle[i + 1]));
    for (QChar r : risposte)
        scatole.queueAnswer(r == 'Y' ? platform::Answer::Yes : platform::Answer::No);
    scatole.clearShown();
    premi(f, "Command3");

    QStringList attesi;
    for (QChar c : passi)
        attesi << testo(c);
    QCOMPARE(scatole.texts(), attesi);
    for (const platform::ShownBox& b : scatole.shown()) {
        const bool domanda = b.text == testo('G') || b.text == testo('C');
        QCOMPARE(b.buttons, domanda ? platform::Buttons::YesNo : platform::Buttons::Ok);
        QCOMPARE(b.title, domanda ? QStringLiteral("Attenzione") : QStringLiteral("Bolv"));
        QCOMPARE(b.icon, platform::Icon::None);
    }
    const bool salvata = passi.endsWith('S');
    QCOMPARE(a.aperta(nomi::inserimento), !salvata);
    QCOMPARE(s.numestrazioni, n + salvata);
    if (!salvata) {
        QVERIFY(a.p.archiviointatto());
        QCOMPARE(data(f, 1)->text(), giorno[0]);
        return;
    }
    const auto file = prova::byte(a.p.cartella.leggi(QStringLiteral("archivio.dat")));
    for (int d = 1; d <= n; ++d)
        QCOMPARE(slot(file, d), slot(a.p.archivio, d));
    QCOMPARE(slot(file, n + 2), slot(a.p.archivio, n + 1)); // the end marker
    QCOMPARE(file[indicearchivio(n + 1, 0, 1)], giorno[0].toInt());
    if (caselle.isEmpty()) QCOMPARE(slot(file, n + 1).mid(5), nuovaslot().mid(5));
    QCOMPARE(s.ultimaestrazione, n + 1);
    QVERIFY(a.m().pannello(3)->text().contains(
        QStringLiteral("<%1 estrazioni >").arg(platform::plainText(n + 1))));
}

// "Inserimento Intermedio" after draw 10: draws 11.. move up one, the new one is 11, the
// window then ends at the last draw of the archive and the mode is append again.
void TestInserimento::inserimentointermedio() {
    platform::BoxSeam scatole;
    scatole.setDefaultAnswer(platform::Answer::Yes);
    Avviato a;
    Stato& s = programma();
    const int n = s.numestrazioni;
    scatole.queueInput(QStringLiteral("10"));
    QWidget* f = apri(a, "insintmenu");
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("Inserimento estrazione dopo la n. 10"));
    QVERIFY(!s.modoaccoda);
    riempi(f);
    premi(f, "Command3");
    QVERIFY(!a.aperta(nomi::inserimento));
    const auto file = prova::byte(a.p.cartella.leggi(QStringLiteral("archivio.dat")));
    for (int d = 1; d <= 10; ++d)
        QCOMPARE(slot(file, d), slot(a.p.archivio, d));
    // The new draw keeps the work value the slot held (position 5 of its date row).
    QCOMPARE(slot(file, 11).first(4), nuovaslot().first(4));
    QCOMPARE(slot(file, 11).mid(5), nuovaslot().mid(5));
    for (int d = 12; d <= n + 2; ++d)
        QCOMPARE(slot(file, d), slot(a.p.archivio, d - 1));
    QCOMPARE(s.numestrazioni, n + 1);
    QCOMPARE(s.ultimaestrazione, n + 1);
    QCOMPARE(s.dateestrazioni[11], (Data{2026, 8, 22}));
    QVERIFY(s.modoaccoda);
}

void TestInserimento::annullaeguida() {
    platform::BoxSeam scatole;
    platform::HelpSeam guida;
    Avviato a;
    scatole.queueInput(QStringLiteral("3"));
    QWidget* f = apri(a, "insint");
    QVERIFY(f);
    premi(f, "Command7");
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests()[0].context, 8);
    riempi(f);
    premi(f, "Command2");
    QVERIFY(!a.aperta(nomi::inserimento));
    QVERIFY(programma().modoaccoda);
    QVERIFY(a.p.archiviointatto());
}

// In a weekday mode the insertion entries are off, but a paste still opens the window: the
// draw is then refused where it would be written, and nothing reports a success.
void TestInserimento::modoalterno() {
    platform::BoxSeam scatole;
    scatole.setDefaultAnswer(platform::Answer::Yes);
    Avviato a;
    Stato& s = programma();
    a.voce("sabatomenu")->trigger();
    const int n = s.numestrazioni;
    QVERIFY(!a.voce("insmenu")->isEnabled());
    platform::setClipboardText(QStringLiteral("22/08/2026 ") +
                               QStringLiteral("1 2 3 4 5 ").repeated(10));
    a.m().aggiornamodifica();
    QWidget* f = apri(a, "incollamenu");
    QVERIFY(f && f->isVisible());
    scatole.clearShown();
    premi(f, "Command3");
    QCOMPARE(scatole.texts().size(), 2);
    QCOMPARE(scatole.texts()[0], testo('C'));
    QVERIFY(scatole.texts()[1].startsWith(QStringLiteral("Con le estrazioni alterne attive")));
    QCOMPARE(s.numestrazioni, n);
    QVERIFY(a.aperta(nomi::inserimento));
    QVERIFY(a.p.archiviointatto());
}

void TestInserimento::incolla_data() {
    QTest::addColumn<QString>("appunti");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QStringList>("campi"); // day, month, year, box 1, box 50
    const QString cinquanta = QStringLiteral("7 8 9 10 11 ").repeated(10);
    QTest::newRow("empty") << ""
                           << "Gli appunti non contengono dati." << QStringList{};
    QTest::newRow("52 runs") << "22/08/2026 " + cinquanta.left(cinquanta.size() - 3)
                             << "Gli appunti non contengono un'estrazione valida." << QStringList{};
    QTest::newRow("a results page") << "22/08/2026\nBari 5 18 33 47 90\n" + cinquanta.mid(12) << ""
                                    << QStringList{"22", "08", "2026", "05", "11"};
    QTest::newRow("60 runs, the last at the very end")
        << "5/1/99 " + cinquanta + "1 2 3 4 5 6 7"
        << "" << QStringList{"05", "01", "99", "07", "11"};
    QTest::newRow("a twelve-digit run") << "22/08/2026 123456789012 " + cinquanta << ""
                                        << QStringList{"22", "08", "2026", "123456789012", "10"};
}

// The window's own button: fields filled from the first 53 runs of digits, or a message and
// the fields as they were; the marker stays where it is.
void TestInserimento::incolla() {
    QFETCH(QString, appunti);
    QFETCH(QString, messaggio);
    QFETCH(QStringList, campi);
    platform::BoxSeam scatole;
    prova::Programmadiprova p;
    inserimento f(programma());
    premi(&f, "Command5");
    platform::setClipboardText(appunti);
    premi(&f, "Command8");
    QCOMPARE(scatole.texts(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
    if (campi.isEmpty()) campi = QStringList{"Giorno", "Mese", "Anno", "", ""};
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(data(&f, i)->text(), campi[i - 1]);
    QCOMPARE(casella(&f, 1)->text(), campi[3]);
    QCOMPARE(casella(&f, 50)->text(), campi[4]);
    QCOMPARE(f.casellacorrente(), 2);
}

void TestInserimento::incolladalmenuedallabarra_data() {
    QTest::addColumn<QString>("voce");
    QTest::newRow("menu") << "incollamenu";
    QTest::newRow("toolbar") << "incolla";
}

// From the main window the entry window comes up and takes the draw; "INSERISCI" stores it.
void TestInserimento::incolladalmenuedallabarra() {
    QFETCH(QString, voce);
    platform::BoxSeam scatole;
    scatole.setDefaultAnswer(platform::Answer::Yes);
    Avviato a;
    const int n = programma().numestrazioni;
    QString appunti = QStringLiteral("22/08/2026\n");
    for (int w = 0; w < 10; ++w) {
        appunti += QString::fromStdString(programma().nomiruote[w]);
        for (int k = 0; k < 5; ++k)
            appunti += QStringLiteral(" %1").arg(w + 1 + 10 * k);
        appunti += QLatin1Char('\n');
    }
    platform::setClipboardText(appunti);
    a.m().aggiornamodifica();
    QWidget* f = apri(a, voce.toLatin1().constData());
    QVERIFY(f && f->isVisible());
    QCOMPARE(data(f, 3)->text(), QStringLiteral("2026"));
    QCOMPARE(casella(f, 6)->text(), QStringLiteral("02"));
    premi(f, "Command3");
    QCOMPARE(programma().numestrazioni, n + 1);
    const auto file = prova::byte(a.p.cartella.leggi(QStringLiteral("archivio.dat")));
    QCOMPARE(slot(file, n + 1), nuovaslot());
}

QTEST_MAIN(TestInserimento)
#include "test_inserimento.moc"
