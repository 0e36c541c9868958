// "Generatore Sistemi": the systems listed with their properties, the refusals with their
// messages (a system too large among them), the stop of a long run, and the report on the
// printer or in a text file that replaces the one chosen.
#include "archiviodiprova.h"
#include "controlli.h"

#include "sistemi.h"

#include "help.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using prova::controllo;
using namespace bolv;

namespace {

QString testo(QWidget* f, const char* nome) {
    return controllo<QLabel>(f, QString::fromLatin1(nome))->text();
}

// Types the numbers, chooses k, the kind (0 integral, 1 orthogonal) and the sorte
// (0 ambata .. 2 terno), and presses "Elabora".
void elabora(QWidget* f, const QString& numeri, int k, int tipo, int sorte) {
    controllo<QLineEdit>(f, QStringLiteral("Text1"))->setText(numeri);
    controllo<QComboBox>(f, QStringLiteral("Combo1"))->setCurrentIndex(k - 1);
    controllo<QRadioButton>(f, QStringLiteral("Option1(%1)").arg(tipo))->setChecked(true);
    controllo<QComboBox>(f, QStringLiteral("Combo2"))->setCurrentIndex(sorte);
    controllo<QPushButton>(f, QStringLiteral("Command1"))->click();
}

// "1.2. ... .90".
QString tuttiinumeri() {
    QString t = QStringLiteral("1");
    for (int i = 2; i <= 90; ++i)
        t += QStringLiteral(".%1").arg(i);
    return t;
}

QStringList elenco(QWidget* f) {
    QAbstractItemModel* m = controllo<QListView>(f, QStringLiteral("List1"))->model();
    QStringList righe;
    for (int i = 0; i < m->rowCount(); ++i)
        righe << m->index(i, 0).data().toString();
    return righe;
}

const QStringList intestazione = {"Bolv",
                                  "-----------------------------------",
                                  "Generatore Sistemi",
                                  "Sistema Integrale",
                                  "Numeri:   4",
                                  "Numeri per bolletta (max):   2",
                                  "-----------------------------------"};

} // namespace

class TestSistemi : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura();
    void sviluppo_data();
    void sviluppo();
    void rifiutati_data();
    void rifiutati();
    void interrotto();
    void stampa();
    void sufile();
    void sufileesistente_data();
    void sufileesistente();
    void guida();
};

void TestSistemi::apertura() {
    prova::Programmadiprova p;
    sistemi f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Generatore Sistemi"));
    QCOMPARE(controllo<QComboBox>(&f, QStringLiteral("Combo1"))->currentText(),
             QStringLiteral("1"));
    QCOMPARE(controllo<QComboBox>(&f, QStringLiteral("Combo1"))->count(), 10);
    auto* Combo2 = controllo<QComboBox>(&f, QStringLiteral("Combo2"));
    QCOMPARE(Combo2->currentText(), QStringLiteral("Ambo"));
    QVERIFY(!Combo2->isEnabled());
    QVERIFY(controllo<QRadioButton>(&f, QStringLiteral("Option1(0)"))->isChecked());
    controllo<QRadioButton>(&f, QStringLiteral("Option1(1)"))->setChecked(true);
    QVERIFY(Combo2->isEnabled());
    controllo<QRadioButton>(&f, QStringLiteral("Option1(0)"))->setChecked(true);
    QVERIFY(!Combo2->isEnabled());
    QCOMPARE(testo(&f, "Label7"), QStringLiteral("0"));
    QVERIFY(!controllo<QPushButton>(&f, QStringLiteral("Command4"))->isEnabled());
}

void TestSistemi::sviluppo_data() {
    QTest::addColumn<QString>("numeri");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("sorte");
    QTest::addColumn<QStringList>("righe");
    QTest::addColumn<QString>("integrali");
    QTest::addColumn<QString>("inserie");
    QTest::newRow("integral") << "1.2.3.4" << 2 << 0 << 1
                              << QStringList{"01.02", "01.03", "01.04", "02.03", "02.04", "03.04"}
                              << " 6"
                              << "";
    QTest::newRow("typed order") << "45.3.12" << 2 << 0 << 1
                                 << QStringList{"45.03", "45.12", "03.12"} << " 3"
                                 << "";
    QTest::newRow("k above n") << "1.2" << 3 << 0 << 1 << QStringList{} << " 0"
                               << "";
    QTest::newRow("orthogonal ambo")
        << "1.2.3.4" << 3 << 1 << 1 << QStringList{"01.02.03", "01.04", "02.04", "03.04"} << " 4"
        << " 3";
    QTest::newRow("orthogonal ambata")
        << "1.2.3.4.5.6" << 2 << 1 << 0 << QStringList{"01.02", "03.04", "05.06"} << " 15"
        << " 2";
}

void TestSistemi::sviluppo() {
    QFETCH(QString, numeri);
    QFETCH(int, k);
    QFETCH(int, tipo);
    QFETCH(int, sorte);
    QFETCH(QStringList, righe);
    QFETCH(QString, integrali);
    QFETCH(QString, inserie);
    prova::Programmadiprova p;
    sistemi f(programma());
    f.show();
    elabora(&f, numeri, k, tipo, sorte);
    QCOMPARE(elenco(&f), righe);
    QCOMPARE(testo(&f, "Label4"), integrali);
    QCOMPARE(testo(&f, "Label7"), platform::plainText(righe.size()));
    QCOMPARE(testo(&f, "Label12"), platform::plainText(k));
    QCOMPARE(testo(&f, "Label14"), platform::plainText(numeri.count(QLatin1Char('.')) + 1));
    const bool ortogonale = tipo == 1;
    for (const char* nome : {"Label9", "Label10", "Label15", "Label16"})
        QCOMPARE(controllo<QLabel>(&f, QString::fromLatin1(nome))->isVisible(), ortogonale);
    if (ortogonale) QCOMPARE(testo(&f, "Label9"), inserie);
}

void TestSistemi::rifiutati_data() {
    QTest::addColumn<QString>("numeri");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("integrali");
    const QString novanta = tuttiinumeri();
    QTest::newRow("empty") << "" << 2 << 0 << "La sequenza dei numeri  non è stata introdotta."
                           << "";
    QTest::newRow("letter") << "1.2a" << 2 << 0
                            << "La sequenza dei numeri  non è stata introdotta correttamente."
                            << "";
    QTest::newRow("91 numbers") << novanta + ".91" << 2 << 0
                                << "Errore: sono stati inseriti più di 90 numeri."
                                << "";
    QTest::newRow("final point") << "1.2." << 2 << 0
                                 << "Errore: è stato inserito un valore nullo o un punto finale."
                                 << "";
    QTest::newRow("above 90") << "10.20.95" << 2 << 0 << "Sono stati introdotti numeri non validi."
                              << "";
    QTest::newRow("repeat") << "7.8.7" << 2 << 0 << "Sono stati introdotti due o più numeri uguali."
                            << "";
    QTest::newRow("orthogonal k = 1 for ambo")
        << "1.2.3" << 1 << 1 << "La combinazione eccede il numero di numeri della serie."
        << " 3";
    QTest::newRow("too large")
        << novanta << 7 << 0
        << "Il sistema integrale richiesto ha 7.471.375.560 bollette: troppe per essere "
           "elencate. Il massimo è di 1.000.000 bollette."
        << " 7471375560";
    QTest::newRow("tens of 90: every digit")
        << novanta << 10 << 0
        << "Il sistema integrale richiesto ha 5.720.645.481.903 bollette: troppe per essere "
           "elencate. Il massimo è di 1.000.000 bollette."
        << " 5720645481903";
}

// A refusal says why, lists nothing and leaves the count of lines empty.
void TestSistemi::rifiutati() {
    QFETCH(QString, numeri);
    QFETCH(int, k);
    QFETCH(int, tipo);
    QFETCH(QString, messaggio);
    QFETCH(QString, integrali);
    platform::BoxSeam scatole;
    prova::Programmadiprova p;
    sistemi f(programma());
    elabora(&f, numeri, k, tipo, 1);
    QCOMPARE(scatole.texts(), QStringList{messaggio});
    QCOMPARE(elenco(&f), QStringList{});
    QCOMPARE(testo(&f, "Label7"), QString());
    QCOMPARE(testo(&f, "Label4"), integrali);
}

// "Interrompi" during the heaviest orthogonal system keeps the lines found so far.
void TestSistemi::interrotto() {
    prova::Programmadiprova p;
    sistemi f(programma());
    f.show();
    const QString novanta = tuttiinumeri();
    auto* Command4 = controllo<QPushButton>(&f, QStringLiteral("Command4"));
    QTimer::singleShot(0, qApp, [Command4] { Command4->click(); });
    elabora(&f, novanta, 10, 1, 2);
    QVERIFY(!Command4->isEnabled());
    const int righe = elenco(&f).size();
    QVERIFY(righe < 24567); // the whole system
    QCOMPARE(testo(&f, "Label7"), platform::plainText(righe));
}

void TestSistemi::stampa() {
    prova::Finte finte;
    prova::Programmadiprova p;
    programma().stampasufile = false;
    sistemi f(programma());
    elabora(&f, QStringLiteral("1.2.3.4"), 2, 0, 1);
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    const auto& job = finte.stampe.jobs().front();
    QVERIFY(job.ended);
    const QStringList righe = {"01.02", "01.03", "01.04", "02.03", "02.04", "03.04", ""};
    QCOMPARE(job.lines(), intestazione + righe);
}

void TestSistemi::sufile() {
    prova::Finte finte;
    prova::Programmadiprova p;
    programma().stampasufile = true;
    sistemi f(programma());
    elabora(&f, QStringLiteral("1.2.3.4"), 3, 1, 1);
    const QString nome = p.percorso(QStringLiteral("sistema.txt"));
    finte.file.queueChoice(nome);
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QCOMPARE(finte.file.requests().size(), 1);
    const platform::FileRequest& r = finte.file.requests().front();
    QCOMPARE(r.title, QStringLiteral("Salva sistema su file di testo"));
    QCOMPARE(r.filter, QStringLiteral("File di testo (*.txt)|*.txt"));
    QCOMPARE(r.fileName, QStringLiteral("sistema.txt"));
    QCOMPARE(p.cartella.leggi(QStringLiteral("sistema.txt")),
             QByteArray("Bolv\r\n-----------------------------------\r\nGeneratore Sistemi\r\n"
                        "Sistema Ortogonale per Ambo\r\nNumeri:   4\r\n"
                        "Numeri per bolletta (max):   3\r\n"
                        "-----------------------------------\r\n"
                        "01.02.03\r\n01.04\r\n02.04\r\n03.04\r\n\r\n"));
    QVERIFY(finte.scatole.texts().isEmpty());
}

void TestSistemi::sufileesistente_data() {
    QTest::addColumn<bool>("si");
    QTest::newRow("Yes replaces it") << true;
    QTest::newRow("No keeps it") << false;
}

void TestSistemi::sufileesistente() {
    QFETCH(bool, si);
    prova::Finte finte;
    prova::Programmadiprova p;
    programma().stampasufile = true;
    p.cartella.scrivi(QStringLiteral("sistema.txt"), "vecchio contenuto lungo\r\n");
    sistemi f(programma());
    finte.scatole.queueAnswer(si ? platform::Answer::Yes : platform::Answer::No);
    finte.file.queueChoice(p.percorso(QStringLiteral("sistema.txt")));
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QCOMPARE(finte.scatole.texts(),
             QStringList{QStringLiteral("Il file esiste già. Sovrascrivere il file ?")});
    // Before any "Elabora" the report has the header lines only.
    QCOMPARE(p.cartella.leggi(QStringLiteral("sistema.txt")),
             si ? QByteArray("Bolv\r\n-----------------------------------\r\nGeneratore "
                             "Sistemi\r\nSistema Integrale\r\nNumeri:  0\r\n"
                             "Numeri per bolletta (max):  0\r\n"
                             "-----------------------------------\r\n\r\n")
                : QByteArray("vecchio contenuto lungo\r\n"));
}

void TestSistemi::guida() {
    prova::Finte finte;
    prova::Programmadiprova p;
    sistemi f(programma());
    controllo<QPushButton>(&f, QStringLiteral("Command3"))->click();
    QCOMPARE(finte.guida.requests().size(), 1);
    QCOMPARE(finte.guida.requests()[0].context, 34);
}

QTEST_MAIN(TestSistemi)
#include "test_sistemi.moc"
