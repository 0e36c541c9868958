// The archive browser: what it shows of a draw, the step buttons at the ends, "Vai a data"
// and "Vai a numero", the print of a draw, and its edits: swap and move (one write each,
// the end of the archive kept), delete, redate with cancelled or invalid answers, a number
// edit then "Salva Archivio", a failed write, nothing written in a weekday mode, and the
// buttons that open the year view and the entry window.
#include "archiviodiprova.h"
#include "controlli.h"

#include "archivio2.h"
#include "cerchio.h"
#include "sodi.h"

#include "grid.h"
#include "messagebox.h"
#include "printer.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace bolv;
using platform::Answer;

namespace {

using prova::controllo;

QPushButton* bottone(QWidget* f, const QString& nome) {
    return controllo<QPushButton>(f, nome);
}

platform::Grid* griglia(QWidget* f, const char* nome) {
    return controllo<platform::Grid>(f, QString::fromLatin1(nome));
}

QScrollBar* barra(QWidget* f) {
    return controllo<QScrollBar>(f, QStringLiteral("VScroll1"));
}

QString testoetichetta(QWidget* f, const QString& nome) {
    return controllo<QLabel>(f, nome)->text();
}

// The date and numbers of slot d in an archive image.
std::vector<uint8_t> slot(const std::vector<uint8_t>& img, int d) {
    std::vector<uint8_t> v;
    for (int r = 0; r <= 10; ++r)
        for (int p = 1; p <= (r == 0 ? 4 : 5); ++p)
            v.push_back(img[indicearchivio(d, r, p)]);
    return v;
}

int scritture(const prova::Registratore& r) {
    return int(std::count(r.attese.begin(), r.attese.end(), "Scrittura archivio..."));
}

const QString MODIFICATO = QStringLiteral(
    "L'archivio è stato modificato e salvato. Il programma provvederà ora alla sua rilettura.");
const QString DATANONVALIDA = QStringLiteral("La data inserita non è valida.");

} // namespace

class TestArchivio2 : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void filtriesomme_data();
    void filtriesomme();
    void sommedistanzeecerchio();
    void passiaiestremi_data();
    void passiaiestremi();
    void vaiadata_data();
    void vaiadata();
    void vainumero_data();
    void vainumero();
    void stampa();
    void stampasufile();
    void scambiaesposta_data();
    void scambiaesposta();
    void scritturafallita();
    void cancella_data();
    void cancella();
    void modificadata_data();
    void modificadata();
    void numeroesalva();
    void modosettimanale();
    void archiviovuoto();
    void annoeinserimento();
};

void TestArchivio2::apertura() {
    prova::Avviato a;
    for (const char* voce : {"arcreadmenu", "archivio"}) {
        QAction* v = a.voce(voce);
        QVERIFY(v->isEnabled());
        v->trigger();
        QVERIFY(a.aperta(nomi::archivio2));
        platform::registry().close(QString::fromLatin1(nomi::archivio2));
    }
    a.voce("arcreadmenu")->trigger();
    QWidget* f = platform::registry().window(QString::fromLatin1(nomi::archivio2));
    const Stato& s = programma();
    const int n = s.numestrazioni;
    QCOMPARE(f->windowTitle(), QStringLiteral("Archivio Estrazioni"));
    QCOMPARE(barra(f)->minimum(), s.primaestrazione);
    QCOMPARE(barra(f)->maximum(), n);
    QCOMPARE(barra(f)->value(), s.ultimaestrazione);
    QCOMPARE(testoetichetta(f, "Label5"), QStringLiteral(" %1 / %1").arg(n));
    QCOMPARE(testoetichetta(f, "Label4"),
             platform::formatDate(s.dateestrazioni[n], QStringLiteral("ddd dd.mm.yyyy")));
    auto* Combo1 = controllo<QComboBox>(f, "Combo1");
    QCOMPARE(Combo1->count(), NUMFILTRI);
    QCOMPARE(Combo1->itemText(44), QStringLiteral("Cifra 9/0"));
    QCOMPARE(Combo1->itemText(26), QStringLiteral("Decina 8"));
    QCOMPARE(controllo<QComboBox>(f, "Combo2")->count(), 10);
    platform::Grid* tabestr = griglia(f, "tabestr");
    QCOMPARE(tabestr->textMatrix(0, 6), QStringLiteral("somma"));
    QCOMPARE(tabestr->textMatrix(10, 0), QStringLiteral("Venezia"));
    QCOMPARE(tabestr->textMatrix(1, 1), QString::number(s.estr(n, 1, 1)));
    platform::Grid* sodi = griglia(f, "sodi");
    QCOMPARE(sodi->textMatrix(0, 10), QStringLiteral("4-5"));
    QCOMPARE(sodi->textMatrix(8, 0), QStringLiteral("Ro"));
    QCOMPARE(bottone(f, "Command7")->text(), QStringLiteral("  Sposta  Estrazione"));
}

void TestArchivio2::filtriesomme_data() {
    QTest::addColumn<int>("filtro");
    QTest::addColumn<QList<int>>("ruota"); // the five numbers of Bari
    QTest::addColumn<QStringList>("celle");
    QTest::addColumn<QString>("somma");
    QTest::addColumn<QString>("media");
    QTest::newRow("Tutti i numeri") << 0 << QList<int>{43, 44, 45, 46, 47}
                                    << QStringList{"43", "44", "45", "46", "47"} << " 225"
                                    << "45,0";
    QTest::newRow("Decina 1") << 19 << QList<int>{10, 20, 11, 19, 15}
                              << QStringList{"", "", "11", "19", "15"} << " 75"
                              << "15,0";
    QTest::newRow("Pari, sum 227")
        << 3 << QList<int>{90, 1, 44, 3, 89} << QStringList{"90", "", "44", "", ""} << " 227"
        << "45,4";
    QTest::newRow("not drawn, Gemelli")
        << 2 << QList<int>{0, 0, 0, 0, 0} << QStringList{"0", "0", "0", "0", "0"} << " 0"
        << "0,0";
    QTest::newRow("not drawn, Dispari")
        << 4 << QList<int>{0, 0, 0, 0, 0} << QStringList{"", "", "", "", ""} << " 0"
        << "0,0";
}

void TestArchivio2::filtriesomme() {
    QFETCH(int, filtro);
    QFETCH(QList<int>, ruota);
    QFETCH(QStringList, celle);
    QFETCH(QString, somma);
    QFETCH(QString, media);
    auto img = prova::immaginediprova(10);
    for (int p = 1; p <= 5; ++p)
        prova::metti(img, 10, 1, p, ruota[p - 1]);
    prova::Programmadiprova p(img);
    archivio2 f(programma());
    controllo<QComboBox>(&f, "Combo1")->setCurrentIndex(filtro);
    platform::Grid* tabestr = griglia(&f, "tabestr");
    for (int c = 1; c <= 5; ++c)
        QCOMPARE(tabestr->textMatrix(1, c), celle[c - 1]);
    QCOMPARE(tabestr->textMatrix(1, 6), somma);
    QCOMPARE(tabestr->textMatrix(1, 7), media);

    // The delays of the draw, summed and averaged in place of the numbers.
    controllo<QComboBox>(&f, "Combo1")->setCurrentIndex(FILTRORITARDI);
    const Stato& s = programma();
    int ritardi = 0;
    for (int c = 1; c <= 5; ++c) {
        const int r = s.ritardiuscita[indicearchivio(10, 2, c)];
        QCOMPARE(tabestr->textMatrix(2, c), QString::number(r));
        ritardi += r;
    }
    QCOMPARE(tabestr->textMatrix(2, 6), platform::plainText(ritardi));
}

void TestArchivio2::sommedistanzeecerchio() {
    auto img = prova::immaginediprova(10);
    const int bari[] = {1, 89, 45, 90, 5}, roma[] = {1, 89, 50, 3, 4};
    for (int c = 1; c <= 5; ++c) {
        prova::metti(img, 10, 1, c, bari[c - 1]);
        prova::metti(img, 10, 8, c, roma[c - 1]);
    }
    prova::Programmadiprova p(img);
    archivio2 f(programma());
    platform::Grid* sodi = griglia(&f, "sodi");
    const QColor verde(0, 255, 0);
    QCOMPARE(sodi->textMatrix(1, 1), QStringLiteral(" 90")); // 1 + 89
    QCOMPARE(sodi->textMatrix(1, 8), QStringLiteral(" 45")); // 45 + 90
    QVERIFY(sodi->cellBackColor(1, 1) != verde);
    controllo<QCheckBox>(&f, "Check2")->setChecked(true);
    QCOMPARE(sodi->cellBackColor(1, 1), verde);
    controllo<QCheckBox>(&f, "Check1")->setChecked(true);
    QCOMPARE(sodi->cellBackColor(8, 1), verde); // 90 on Roma too, same column

    controllo<QRadioButton>(&f, "Option1(1)")->click();
    QCOMPARE(testoetichetta(&f, "Label1(1)"), QStringLiteral("Distanze tra gli estratti"));
    QCOMPARE(sodi->textMatrix(1, 3), QStringLiteral(" 89")); // |1 - 90|
    QCOMPARE(sodi->textMatrix(1, 5), QStringLiteral(" 44"));
    QCOMPARE(sodi->textMatrix(1, 7), QStringLiteral(" 84"));
    QCOMPARE(sodi->textMatrix(1, 8), QStringLiteral(" 45")); // 45 - 90
    controllo<QCheckBox>(&f, "Check1")->setChecked(false);
    QVERIFY(sodi->cellBackColor(1, 8) != verde);
    controllo<QCheckBox>(&f, "Check3")->setChecked(true);
    QCOMPARE(sodi->cellBackColor(1, 8), verde);

    // The circle of the wheel chosen.
    auto* cerchio = controllo<Cerchio>(&f, "Picture1");
    QCOMPARE(cerchio->vertici()[0].x, puntocerchio(90).x);
    controllo<QComboBox>(&f, "Combo2")->setCurrentIndex(7);
    QCOMPARE(cerchio->vertici()[0].x, puntocerchio(89).x);
    QCOMPARE(cerchio->vertici()[4].y, puntocerchio(1).y);

    // Only the draw grid: the table empties and stays so while the draw changes.
    auto* Check4 = controllo<QCheckBox>(&f, "Check4");
    Check4->setChecked(true);
    QCOMPARE(sodi->textMatrix(1, 1), QString());
    QCOMPARE(sodi->textMatrix(0, 1), QString());
    QCOMPARE(testoetichetta(&f, "Label1(1)"), QString());
    QVERIFY(!controllo<QRadioButton>(&f, "Option1(0)")->isEnabled());
    barra(&f)->setValue(9);
    QCOMPARE(sodi->textMatrix(1, 1), QString());
    QCOMPARE(cerchio->vertici()[0].x,
             poligonocerchio({programma().estr(9, 8, 1), programma().estr(9, 8, 2),
                              programma().estr(9, 8, 3), programma().estr(9, 8, 4),
                              programma().estr(9, 8, 5)})[0]
                 .x);
    Check4->setChecked(false);
    QCOMPARE(sodi->textMatrix(0, 1), QStringLiteral("1-2"));
    QCOMPARE(testoetichetta(&f, "Label1(1)"), QStringLiteral("Differenze tra gli estratti"));
}

void TestArchivio2::passiaiestremi_data() {
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("a"); // -1: the last draw held
    QTest::newRow("< on the first draw") << 1 << 0 << 1;
    QTest::newRow("<< within 50 of the first") << 50 << 1 << 1;
    QTest::newRow(">> within 49 of the last") << -49 << 2 << -1;
    QTest::newRow("> on the last draw") << -1 << 3 << -1;
    QTest::newRow("> inside") << 7 << 3 << 8;
}

void TestArchivio2::passiaiestremi() {
    QFETCH(int, da);
    QFETCH(int, indice);
    QFETCH(int, a);
    prova::Programmadiprova p;
    const int n = programma().numestrazioni;
    archivio2 f(programma());
    barra(&f)->setValue(da < 0 ? n + 1 + da : da);
    bottone(&f, nomecontrollo(QStringLiteral("Command9"), indice))->click();
    const int attesa = a < 0 ? n + 1 + a : a;
    QCOMPARE(barra(&f)->value(), attesa);
    QCOMPARE(testoetichetta(&f, "Label5"), QStringLiteral(" %1 / %2").arg(attesa).arg(n));
}

void TestArchivio2::vaiadata_data() {
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<int>("slot"); // 0: stays
    QTest::addColumn<QString>("messaggio");
    const QString nontrovata = QStringLiteral(
        "Estrazione non trovata. Verificare che la data immessa rientri nei limiti indicati. "
        "Settare eventualmente un diverso punto di inizio per l'archivio estrazioni.");
    // Saturdays from 1 January 1938.
    QTest::newRow("first draw") << "01/01/1938" << 1 << "";
    QTest::newRow("points, a day near") << "09.01.1938" << 2 << "";
    QTest::newRow("hyphens") << "15-01-1938" << 3 << "";
    QTest::newRow("cancelled") << "" << 0 << "";
    QTest::newRow("no such year") << "01/01/1950" << 0 << nontrovata;
    QTest::newRow("not a date") << "01/99/9999" << 0 << DATANONVALIDA;
}

void TestArchivio2::vaiadata() {
    QFETCH(QString, risposta);
    QFETCH(int, slot);
    QFETCH(QString, messaggio);
    prova::Programmadiprova p;
    prova::Finte finte;
    archivio2 f(programma());
    const int prima = barra(&f)->value();
    finte.scatole.queueInput(risposta);
    bottone(&f, "Command2")->click();
    QCOMPARE(barra(&f)->value(), slot ? slot : prima);
    const auto& mostrate = finte.scatole.shown();
    QCOMPARE(mostrate.first().title, QStringLiteral("Vai alla data..."));
    QVERIFY(mostrate.first().text.endsWith(
        QStringLiteral(" (Il valore deve essere compreso tra "
                       "01.01.1938 e ") +
        platform::formatDate(programma().dateestrazioni[programma().numestrazioni],
                             QStringLiteral("dd.mm.yyyy")) +
        QStringLiteral(") :")));
    QCOMPARE(finte.scatole.texts().mid(1),
             messaggio.isEmpty() ? QStringList{} : QStringList{messaggio});
}

void TestArchivio2::vainumero_data() {
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<int>("slot"); // 0: stays; -1 the last draw
    QTest::addColumn<QStringList>("messaggi");
    const QString prima = QStringLiteral(
        "Valore non compreso nell'intervallo indicato.\rNon si possono visualizzare estrazioni "
        "precedenti a quella settata come iniziale.");
    QTest::newRow("a draw") << "5" << 5 << QStringList{};
    QTest::newRow("negative") << "-1" << 0
                              << QStringList{prima, "E' stato inserito un valore negativo."};
    QTest::newRow("zero") << "0" << 0
                          << QStringList{prima, "E' stato inserito un valore negativo."};
    QTest::newRow("before the first") << "3" << 0 << QStringList{prima};
    QTest::newRow("beyond the last") << "99999" << 0
                                     << QStringList{"E' stato inserito un valore che eccede il "
                                                    "numero di estrazioni memorizzate."};
    QTest::newRow("cancelled") << "" << 0 << QStringList{};
}

void TestArchivio2::vainumero() {
    QFETCH(QString, risposta);
    QFETCH(int, slot);
    QFETCH(QStringList, messaggi);
    prova::Programmadiprova p;
    programma().primaestrazione = 4;
    prova::Finte finte;
    archivio2 f(programma());
    const int prima = barra(&f)->value();
    finte.scatole.queueInput(risposta);
    bottone(&f, "Command3")->click();
    QCOMPARE(barra(&f)->value(), slot ? slot : prima);
    QCOMPARE(finte.scatole.shown().first().text,
             QStringLiteral("Inserisci il numero dell'estrazione dell'archivio che vuoi "
                            "visualizzare (valore compreso tra  4 e  %1) :")
                 .arg(programma().numestrazioni));
    QCOMPARE(finte.scatole.texts().mid(1), messaggi);
}

void TestArchivio2::stampa() {
    auto img = prova::immaginediprova(10);
    const int bari[] = {1, 89, 45, 90, 5};
    for (int c = 1; c <= 5; ++c)
        prova::metti(img, 10, 1, c, bari[c - 1]);
    prova::Programmadiprova p(img);
    prova::Finte finte;
    archivio2 f(programma());
    controllo<QComboBox>(&f, "Combo1")->setCurrentIndex(4); // "Dispari"
    bottone(&f, "Command1")->click();
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    const auto& job = finte.stampe.jobs().front();
    QVERIFY(job.ended);
    const QStringList righe = job.lines();
    QCOMPARE(righe.size(), 12);
    QCOMPARE(righe[0], QStringLiteral("Estrazione di ") + testoetichetta(&f, "Label4"));
    QCOMPARE(righe[1], QString());
    // What the grid shows, filter included, at columns 13, 16, 19, 22 and 25.
    QCOMPARE(righe[2], QStringLiteral("Bari        01 89 45    05"));

    finte.stampe.setNoPrinter(true); // and no PDF file chosen: told, nothing printed
    bottone(&f, "Command1")->click();
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    QCOMPARE(finte.scatole.texts(), QStringList{platform::noPrinterMessage});
}

void TestArchivio2::stampasufile() {
    prova::Programmadiprova p;
    programma().stampasufile = true;
    prova::Finte finte;
    archivio2 f(programma());
    const QString file = p.percorso(QStringLiteral("estrazione.txt"));
    finte.file.queueChoice(file);
    finte.file.queueChoice(file);
    finte.scatole.queueAnswer(Answer::Yes);
    bottone(&f, "Command1")->click();
    bottone(&f, "Command1")->click();
    QCOMPARE(finte.file.requests().size(), 2);
    for (const auto& r : finte.file.requests()) {
        QCOMPARE(r.title, QStringLiteral("Salva estrazione su file di testo"));
        QCOMPARE(r.fileName, testoetichetta(&f, "Label4") + QStringLiteral(".txt"));
    }
    QCOMPARE(finte.scatole.texts(),
             QStringList{QStringLiteral("Il file esiste già. Appendere l'estrazione al file ?")});
    QFile letto(file);
    QVERIFY(letto.open(QIODevice::ReadOnly));
    const QStringList righe = QString::fromUtf8(letto.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(righe.size(), 2 * 16 + 1);
    QCOMPARE(righe[0], QString(28, QLatin1Char('-')));
    QCOMPARE(righe[1], QStringLiteral("Estrazione di ") + testoetichetta(&f, "Label4"));
    QCOMPARE(righe[13], QString(28, QLatin1Char('-')));
    QCOMPARE(righe[16], righe[0]);
}

void TestArchivio2::scambiaesposta_data() {
    QTest::addColumn<QString>("comando");
    QTest::addColumn<Answer>("conferma");
    QTest::addColumn<QStringList>("valori");
    QTest::addColumn<QList<int>>("ordine"); // empty: nothing written
    QTest::addColumn<QString>("messaggio");
    const QString scambiato = QStringLiteral("L'archivio è stato modificato e le modifiche sono "
                                             "state salvate. Il programma provvederà ora alla sua "
                                             "rilettura.");
    const QString fuori =
        QStringLiteral("Un valore inserito non rientra nell'intervallo specificato");
    QTest::newRow("swap 2 and 7") << "Command6" << Answer::Yes << QStringList{"2", "7"}
                                  << QList<int>{1, 7, 3, 4, 5, 6, 2, 8, 9, 10} << scambiato;
    QTest::newRow("swap with itself") << "Command6" << Answer::Yes << QStringList{"4", "4"}
                                      << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << scambiato;
    QTest::newRow("move 10 to 5") << "Command7" << Answer::Yes << QStringList{"10", "5"}
                                  << QList<int>{1, 2, 3, 4, 10, 5, 6, 7, 8, 9} << MODIFICATO;
    QTest::newRow("move 5 to 10") << "Command7" << Answer::Yes << QStringList{"5", "10"}
                                  << QList<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 5} << MODIFICATO;
    QTest::newRow("swap beyond the last")
        << "Command6" << Answer::Yes << QStringList{"2", "11"} << QList<int>{} << fuori;
    QTest::newRow("move cancelled")
        << "Command7" << Answer::Yes << QStringList{"", "3"} << QList<int>{} << fuori;
    QTest::newRow("swap: No") << "Command6" << Answer::No << QStringList{} << QList<int>{} << "";
}

void TestArchivio2::scambiaesposta() {
    QFETCH(QString, comando);
    QFETCH(Answer, conferma);
    QFETCH(QStringList, valori);
    QFETCH(QList<int>, ordine);
    QFETCH(QString, messaggio);
    prova::Programmadiprova p(prova::immaginediprova(10));
    prova::Finte finte;
    archivio2 f(programma());
    finte.scatole.queueAnswer(conferma);
    for (const QString& v : valori)
        finte.scatole.queueInput(v);
    bottone(&f, comando)->click();
    const QStringList testi = finte.scatole.texts();
    QCOMPARE(testi.size(), 1 + valori.size() + (messaggio.isEmpty() ? 0 : 1));
    if (!messaggio.isEmpty()) QCOMPARE(testi.last(), messaggio);
    QCOMPARE(scritture(p.registro), ordine.isEmpty() ? 0 : 1);
    if (ordine.isEmpty()) {
        QVERIFY(p.archiviointatto());
        return;
    }
    const auto file = prova::byte(p.cartella.leggi(QStringLiteral("archivio.dat")));
    for (int i = 0; i < ordine.size(); ++i)
        QCOMPARE(slot(file, i + 1), slot(p.archivio, ordine[i]));
    QCOMPARE(file[indicearchivio(11, 0, 1)], uint8_t(0)); // the end of the archive is kept
    QCOMPARE(programma().numestrazioni, 10);
}

void TestArchivio2::scritturafallita() {
    prova::Programmadiprova p(prova::immaginediprova(10));
    prova::Finte finte;
    archivio2 f(programma());
    const auto estrazioni = programma().estrazioni;
    programma().cartellaprogramma = p.percorso(QStringLiteral("non-esiste")).toStdString();
    finte.scatole.queueAnswer(Answer::Yes);
    finte.scatole.queueInput(QStringLiteral("2"));
    finte.scatole.queueInput(QStringLiteral("7"));
    bottone(&f, "Command6")->click();
    // The failure is told and nothing is announced as done.
    QCOMPARE(p.registro.avvisi.size(), size_t(1));
    QCOMPARE(finte.scatole.texts().size(), 3);
    QCOMPARE(programma().estrazioni, estrazioni);
    QVERIFY(p.archiviointatto());
}

void TestArchivio2::cancella_data() {
    QTest::addColumn<int>("c");
    QTest::newRow("in the middle") << 4;
    QTest::newRow("the last") << 10;
}

void TestArchivio2::cancella() {
    QFETCH(int, c);
    prova::Programmadiprova p(prova::immaginediprova(10));
    prova::Finte finte;
    archivio2 f(programma());
    barra(&f)->setValue(c);
    finte.scatole.queueAnswer(Answer::Yes);
    bottone(&f, "Command4")->click();
    QCOMPARE(scritture(p.registro), 1);
    QCOMPARE(finte.scatole.texts().last(), MODIFICATO);
    QVERIFY(finte.scatole.texts().first().endsWith(
        QStringLiteral("Procedere con la cancellazione dell'estrazione visualizzata (n. %1)?")
            .arg(c)));
    const auto file = prova::byte(p.cartella.leggi(QStringLiteral("archivio.dat")));
    for (int d = 1; d <= 9; ++d)
        QCOMPARE(slot(file, d), slot(p.archivio, d < c ? d : d + 1));
    QCOMPARE(file[indicearchivio(10, 0, 1)], uint8_t(0));
    QCOMPARE(programma().numestrazioni, 9);
}

void TestArchivio2::modificadata_data() {
    QTest::addColumn<QStringList>("risposte"); // the day, month and year typed
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QList<int>>("riga0"); // day, month, year, century written; empty: none
    QTest::newRow("2001") << QStringList{"12", "3", "2001"} << MODIFICATO
                          << QList<int>{12, 3, 1, 20};
    QTest::newRow("97") << QStringList{"5", "6", "97"} << MODIFICATO << QList<int>{5, 6, 97, 19};
    QTest::newRow("day cancelled") << QStringList{"", "3", "2001"} << "" << QList<int>{};
    QTest::newRow("year cancelled") << QStringList{"12", "3", ""} << "" << QList<int>{};
    QTest::newRow("day 0") << QStringList{"0", "3", "2001"} << DATANONVALIDA << QList<int>{};
    QTest::newRow("31 February") << QStringList{"31", "2", "1990"} << DATANONVALIDA << QList<int>{};
    QTest::newRow("not a number") << QStringList{"x", "3", "1990"} << DATANONVALIDA << QList<int>{};
}

void TestArchivio2::modificadata() {
    QFETCH(QStringList, risposte);
    QFETCH(QString, messaggio);
    QFETCH(QList<int>, riga0);
    prova::Programmadiprova p(prova::immaginediprova(10));
    prova::Finte finte;
    archivio2 f(programma());
    finte.scatole.queueAnswer(Answer::Yes);
    for (const QString& r : risposte)
        finte.scatole.queueInput(r);
    bottone(&f, "Command11")->click();
    const auto& mostrate = finte.scatole.shown();
    QCOMPARE(mostrate[0].text, QStringLiteral("Si desidera modificare la data dell'estrazione "
                                              "visualizzata (n. 10)?"));
    QCOMPARE(mostrate[3].title, QStringLiteral("Anno"));
    QCOMPARE(mostrate[3].text, QStringLiteral("Immettere l'anno  della nuova data:"));
    QCOMPARE(finte.scatole.texts().mid(4),
             messaggio.isEmpty() ? QStringList{} : QStringList{messaggio});
    if (riga0.isEmpty()) {
        QVERIFY(p.archiviointatto());
        QCOMPARE(scritture(p.registro), 0);
        return;
    }
    const auto file = prova::byte(p.cartella.leggi(QStringLiteral("archivio.dat")));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(int(file[indicearchivio(10, 0, i + 1)]), riga0[i]);
}

void TestArchivio2::numeroesalva() {
    prova::Programmadiprova p(prova::immaginediprova(10));
    prova::Finte finte;
    archivio2 f(programma());
    platform::Grid* tabestr = griglia(&f, "tabestr");
    const Stato& s = programma();

    // "Salva Archivio" with nothing edited writes nothing.
    bottone(&f, "Command12")->click();
    QCOMPARE(finte.scatole.texts(),
             QStringList{QStringLiteral("Nessuna modifica e' stata apportata all'archivio, per "
                                        "cui non e' necessario salvare.")});
    finte.scatole.clearShown();

    // The sum and the mean are not numbers to edit; the names and the header neither.
    emit tabestr->cellDoubleClicked(3, 6);
    emit tabestr->cellDoubleClicked(3, 7);
    emit tabestr->cellDoubleClicked(0, 2);
    emit tabestr->cellDoubleClicked(3, 0);
    QCOMPARE(finte.scatole.texts(),
             QStringList{QStringLiteral("Non vorrai mica modificare la somma!!!")});
    finte.scatole.clearShown();

    // A value out of range changes nothing.
    finte.scatole.queueAnswer(Answer::Yes);
    finte.scatole.queueInput(QStringLiteral("91"));
    emit tabestr->cellDoubleClicked(3, 2);
    QCOMPARE(finte.scatole.texts().last(), QStringLiteral("Valore immesso non valido."));
    finte.scatole.clearShown();

    // A number not on the wheel, typed with a blank before it.
    const auto sullaruota = [&](int n) {
        for (int c = 1; c <= 5; ++c)
            if (s.estr(10, 3, c) == n) return true;
        return false;
    };
    int nuovo = 1;
    while (sullaruota(nuovo))
        ++nuovo;
    finte.scatole.queueAnswer(Answer::Yes);
    finte.scatole.queueInput(QStringLiteral(" %1").arg(nuovo));
    emit tabestr->cellDoubleClicked(3, 2);
    const auto& mostrate = finte.scatole.shown();
    QCOMPARE(mostrate[0].title, QStringLiteral("Modifica di estratto"));
    QCOMPARE(mostrate[0].icon, platform::Icon::Critical);
    QCOMPARE(mostrate[0].text, QStringLiteral("Modificare questo numero? (") +
                                   platform::plainText(p.archivio[indicearchivio(10, 3, 2)]) +
                                   QStringLiteral(" su Firenze )"));
    QCOMPARE(s.estr(10, 3, 2), nuovo);
    QCOMPARE(tabestr->textMatrix(3, 2), QStringLiteral(" %1").arg(nuovo));
    QVERIFY(p.archiviointatto()); // in memory only
    finte.scatole.clearShown();

    finte.scatole.queueAnswer(Answer::Yes);
    bottone(&f, "Command12")->click();
    QCOMPARE(finte.scatole.shown().first().title, QStringLiteral("Salva Archivio"));
    QCOMPARE(finte.scatole.texts().last(), MODIFICATO);
    QCOMPARE(scritture(p.registro), 1);
    const auto file = prova::byte(p.cartella.leggi(QStringLiteral("archivio.dat")));
    QCOMPARE(int(file[indicearchivio(10, 3, 2)]), nuovo);
}

void TestArchivio2::modosettimanale() {
    prova::Programmadiprova p(prova::immaginediprova(10));
    prova::Finte finte;
    finte.scatole.setDefaultAnswer(Answer::Yes);
    for (int i = 0; i < 20; ++i)
        finte.scatole.queueInput(QStringLiteral("2"));
    platform::registry().define(QString::fromLatin1(nomi::inserimento), [] { return new QWidget; });
    archivio2 f(programma());
    programma().modoestrazioni = 1;
    const QStringList comandi = {"Command11", "Command4", "Command5",
                                 "Command6",  "Command7", "Command12"};
    for (const QString& c : comandi)
        bottone(&f, c)->click();
    emit griglia(&f, "tabestr")->cellDoubleClicked(2, 2);
    // Each command refused at once, with its message and no question.
    QCOMPARE(p.registro.avvisi.size(), size_t(comandi.size() + 1));
    QVERIFY(finte.scatole.shown().isEmpty());
    QCOMPARE(scritture(p.registro), 0);
    QVERIFY(p.archiviointatto());
    QCOMPARE(programma().puntoinserimento, 0);
}

void TestArchivio2::archiviovuoto() {
    prova::Programmadiprova p(prova::immaginediprova(0));
    archivio2 f(programma());
    QVERIFY(!controllo<QGroupBox>(&f, "Frame1")->isEnabled());
    QVERIFY(!barra(&f)->isEnabled());
    QCOMPARE(testoetichetta(&f, "Label5"), QString());
}

void TestArchivio2::annoeinserimento() {
    {
        prova::Programmadiprova p;
        archivio2 f(programma());
        QVERIFY(!bottone(&f, "Command10")->isEnabled());
        QVERIFY(!bottone(&f, "Command5")->isEnabled());
    }
    prova::Avviato a;
    platform::registry().define(QString::fromLatin1(nomi::archesteso), [] { return new QWidget; });
    prova::Finte finte;
    a.voce("arcreadmenu")->trigger();
    QWidget* f = platform::registry().window(QString::fromLatin1(nomi::archivio2));
    bottone(f, "Command10")->click();
    QVERIFY(a.aperta(nomi::archesteso));
    barra(f)->setValue(7);
    finte.scatole.queueAnswer(Answer::No);
    bottone(f, "Command5")->click();
    QVERIFY(!a.aperta(nomi::inserimento));
    finte.scatole.queueAnswer(Answer::Yes);
    bottone(f, "Command5")->click();
    QCOMPARE(
        finte.scatole.shown().last().text,
        QStringLiteral("Inserire un'estrazione nell'archivio dopo quella visualizzata (n. 7) ?"));
    QVERIFY(a.aperta(nomi::inserimento));
    QVERIFY(a.aperta(nomi::archivio2));
    QCOMPARE(programma().puntoinserimento, 7);
    QVERIFY(!programma().modoaccoda);

    // After a deletion the browser opens again, anew, on the last draw left.
    const int n = programma().numestrazioni;
    finte.scatole.queueAnswer(Answer::Yes);
    bottone(f, "Command4")->click();
    QWidget* nuova = platform::registry().existing(QString::fromLatin1(nomi::archivio2));
    QVERIFY(nuova && nuova != f);
    QCOMPARE(programma().numestrazioni, n - 1);
    QCOMPARE(testoetichetta(nuova, "Label5"), QStringLiteral(" %1 / %1").arg(n - 1));
}

QTEST_MAIN(TestArchivio2)
#include "test_archivio2.moc"
