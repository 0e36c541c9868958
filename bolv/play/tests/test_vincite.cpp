// The payout table window and the winnings calculator: rows and colours of the table, one
// instance through the menu and the toolbar, the calculator's controls, its checks and
// results as a table, and its report on the printer and in a file.
#include "archiviodiprova.h"
#include "controlli.h"

#include "calcolovincite.h"
#include "calcvinc.h"
#include "datifile.h"
#include "vincite.h"

#include "grid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace bolv;
using prova::clic;
using prova::controllo;

namespace {

QLineEdit* posta(QWidget* f, int i) {
    return controllo<QLineEdit>(f, nomecontrollo(QStringLiteral("Text1"), i));
}

QString etichetta(QWidget* f, const QString& base, int i) {
    return controllo<QLabel>(f, nomecontrollo(base, i))->text();
}

QStringList combo(QWidget* f, const char* nome) {
    auto* c = controllo<QComboBox>(f, QString::fromLatin1(nome));
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

void scegli(QWidget* f, int giocati, int sortiti) {
    auto* c1 = controllo<QComboBox>(f, QStringLiteral("Combo1"));
    c1->setCurrentIndex(giocati - 1);
    controllo<QComboBox>(f, QStringLiteral("Combo2"))->setCurrentIndex(sortiti - 1);
}

void calcola(QWidget* f, int giocati, int sortiti, const QStringList& poste) {
    scegli(f, giocati, sortiti);
    for (int i = 0; i < poste.size(); ++i)
        posta(f, i)->setText(poste[i]);
    controllo<QPushButton>(f, QStringLiteral("Command1"))->click();
}

QStringList risultati(QWidget* f) {
    QStringList t;
    for (int i = 0; i < 5; ++i)
        t << etichetta(f, QStringLiteral("Label2"), i) + "|" +
                 etichetta(f, QStringLiteral("Label3"), i);
    for (int i = 5; i < 8; ++i)
        t << etichetta(f, QStringLiteral("Label3"), i);
    return t;
}

// The test program with the shipped payout table read, as start-up reads it.
struct Programma : prova::Programmadiprova {
    Programma() {
        if (!leggivincite(programma())) qFatal("vincite.dat not read");
    }
};

} // namespace

class TestVincite : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void tabella();
    void unasolaistanza();
    void numerigiocati();
    void calcolo_data();
    void calcolo();
    void stampa();
    void salvataggio();
};

void TestVincite::tabella() {
    Programma p;
    vincite f(programma());
    auto* g = controllo<platform::Grid>(&f, QStringLiteral("MSFlexGrid1"));
    QCOMPARE(g->rows(), 41);
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Numeri"));
    QCOMPARE(g->textMatrix(0, 1), QStringLiteral("Combinazioni"));
    QCOMPARE(g->textMatrix(0, 2), QStringLiteral("Vincita"));
    // Three numbers: rows 4..6.
    QCOMPARE(g->textMatrix(4, 0), QStringLiteral(" 3"));
    QCOMPARE(g->textMatrix(4, 1), QStringLiteral(" 3  Ambate"));
    QCOMPARE(g->textMatrix(5, 1), QStringLiteral(" 3  Ambi"));
    QCOMPARE(g->textMatrix(6, 1), QStringLiteral(" 1  Terni"));
    QCOMPARE(g->textMatrix(5, 2), QStringLiteral(" 83.33334"));
    QCOMPARE(g->textMatrix(1, 2), QStringLiteral(" 11.23"));
    QCOMPARE(g->textMatrix(40, 1), QStringLiteral(" 252  Cinquine"));
    const QColor ciano(0, 255, 255);
    for (int r = 1; r <= 40; ++r) {
        const bool pari = g->textMatrix(r, 0).trimmed().toInt() % 2 == 0;
        for (int c = 0; c < 3; ++c)
            QCOMPARE(g->cellBackColor(r, c) == ciano, pari);
    }
    QVERIFY(g->font().bold());
    QCOMPARE(g->colWidth(1), 3000);
}

void TestVincite::unasolaistanza() {
    prova::Avviato a;
    a.voce("tabvinmenu")->trigger();
    QWidget* f = platform::registry().existing(QString::fromLatin1(nomi::vincite));
    QVERIFY(f);
    a.voce("vincite")->trigger();
    QCOMPARE(platform::registry().existing(QString::fromLatin1(nomi::vincite)), f);
    QCOMPARE(controllo<platform::Grid>(f, QStringLiteral("MSFlexGrid1"))->rows(), 41);
    a.voce("calcvincmenu")->trigger();
    QWidget* c = platform::registry().existing(QString::fromLatin1(nomi::calcvinc));
    a.voce("calcolo")->trigger();
    QCOMPARE(platform::registry().existing(QString::fromLatin1(nomi::calcvinc)), c);
    // A recomputation leaves both open.
    chiudianalisi();
    QVERIFY(a.aperta(nomi::vincite));
    QVERIFY(a.aperta(nomi::calcvinc));
}

void TestVincite::numerigiocati() {
    Programma p;
    calcvinc f(programma());
    QCOMPARE(combo(&f, "Combo1").size(), 10);
    QCOMPARE(combo(&f, "Combo2"), QStringList{"1"});
    QVERIFY(posta(&f, 0)->isEnabled() && !posta(&f, 1)->isEnabled());
    QCOMPARE(etichetta(&f, QStringLiteral("Label1"), 6), QStringLiteral("0"));
    scegli(&f, 7, 1);
    QCOMPARE(combo(&f, "Combo2"), QStringList({"1", "2", "3", "4", "5"}));
    for (int i = 0; i < 5; ++i)
        QVERIFY(posta(&f, i)->isEnabled());
    posta(&f, 0)->setText(QStringLiteral("500"));
    posta(&f, 2)->setText(QStringLiteral("1500"));
    QCOMPARE(etichetta(&f, QStringLiteral("Label1"), 6), QStringLiteral("2.000"));
    // Fewer numbers played: the stakes they no longer allow go, and the total with them.
    scegli(&f, 2, 1);
    QCOMPARE(combo(&f, "Combo2"), QStringList({"1", "2"}));
    QVERIFY(posta(&f, 1)->isEnabled() && !posta(&f, 2)->isEnabled());
    QCOMPARE(posta(&f, 2)->text(), QString());
    QCOMPARE(etichetta(&f, QStringLiteral("Label1"), 6), QStringLiteral("500"));
}

void TestVincite::calcolo_data() {
    QTest::addColumn<int>("giocati");
    QTest::addColumn<int>("sortiti");
    QTest::addColumn<QStringList>("poste");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QStringList>("atteso");
    const QStringList nulla = QStringList(5, QString("|")) + QStringList(3, QString());
    QTest::newRow("ambo su tre numeri")
        << 3 << 2 << QStringList{"", "1000"} << QString()
        << QStringList{" 2|0", " 1|83.333", " 0|0", "---|", "---|", "83.333", "80.833", "79.833"};
    QTest::newRow("meta' e meta'") << 2 << 2 << QStringList{"500", "500"} << QString()
                                   << QStringList{" 2|5.615", " 1|125.000", "---|",    "---|",
                                                  "---|",     "130.615",    "126.697", "125.697"};
    QTest::newRow("vincita nulla")
        << 2 << 1 << QStringList{"", "1000"} << QString()
        << QStringList{" 1|0", " 0|0", "---|", "---|", "---|", "0", "", "-1.000"};
    QTest::newRow("dieci numeri, cinque sortiti")
        << 10 << 5 << QStringList{"", "", "", "", "1000"} << QString()
        << QStringList{" 5|0",          " 10|0",      " 10|0",      " 5|0",
                       " 1|23.809.523", "23.809.523", "23.095.237", "23.094.237"};
    // Every digit of a large win, through the 3% deduction.
    QTest::newRow("cinquina, 100.000")
        << 5 << 5 << QStringList{"", "", "", "", "100000"} << QString()
        << QStringList{" 5|0",
                       " 10|0",
                       " 10|0",
                       " 5|0",
                       " 1|600.000.000.000",
                       "600.000.000.000",
                       "582.000.000.000",
                       "581.999.900.000"};
    QTest::newRow("cinquina, 100 miliardi")
        << 5 << 5 << QStringList{"", "", "", "", "100000000000"} << QString()
        << QStringList{" 5|0",
                       " 10|0",
                       " 10|0",
                       " 5|0",
                       " 1|600.000.000.000.000.000",
                       "600.000.000.000.000.000",
                       "582.000.000.000.000.000",
                       "581.999.900.000.000.000"};
    QTest::newRow("senza puntate") << 1 << 1 << QStringList{} << "Indicare le puntate." << nulla;
    QTest::newRow("totale 1.500") << 2 << 1 << QStringList{"1005", "495"}
                                  << "Il totale deve essere un multiplo di 1.000." << nulla;
    QTest::newRow("posta di 1.005")
        << 2 << 1 << QStringList{"1005", "995"}
        << "Gli importi devono essere approssimati alle 10 lire." << nulla;
    QTest::newRow("posta negativa") << 2 << 1 << QStringList{"-1000", "2000"}
                                    << "Gli importi non possono essere negativi." << nulla;
    QTest::newRow("vincita oltre ogni calcolo")
        << 1 << 1 << QStringList{"1000000000000000000"}
        << "Gli importi sono troppo grandi per il calcolo." << nulla;
}

void TestVincite::calcolo() {
    QFETCH(int, giocati);
    QFETCH(int, sortiti);
    QFETCH(QStringList, poste);
    QFETCH(QString, messaggio);
    QFETCH(QStringList, atteso);
    Programma p;
    prova::Finte finte;
    calcvinc f(programma());
    calcola(&f, giocati, sortiti, poste);
    QCOMPARE(finte.scatole.texts(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
    QCOMPARE(risultati(&f), atteso);
}

void TestVincite::stampa() {
    Programma p;
    prova::Finte finte;
    calcvinc f(programma());
    calcola(&f, 3, 2, {"", "1000"});
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    const auto& lavoro = finte.stampe.jobs().front();
    QVERIFY(lavoro.ended);
    const QStringList righe = lavoro.lines();
    QCOMPARE(righe.value(0), QStringLiteral("Bolv 3.2"));
    QCOMPARE(righe.value(2), QStringLiteral("Numeri giocati:   3"));
    QCOMPARE(righe.value(7), QStringLiteral("Ambo     1000       1             83.333"));
    QCOMPARE(righe.value(14), QStringLiteral("                   - cap.inv.:    79.833"));
}

void TestVincite::salvataggio() {
    Programma p;
    prova::Finte finte;
    programma().stampasufile = true;
    calcvinc f(programma());
    // Before any calculation the report holds 0 and 0.
    const QString nome = p.percorso(QStringLiteral("vincite.txt"));
    finte.file.queueChoice(nome);
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    const auto& richiesta = finte.file.requests().last();
    QCOMPARE(richiesta.title, QStringLiteral("Salva su file di testo"));
    QCOMPARE(richiesta.fileName, QStringLiteral("vincite.txt"));
    QVERIFY(p.cartella.leggi(QStringLiteral("vincite.txt"))
                .startsWith("Bolv 3.2\r\n---------------------\r\nNumeri giocati:   0\r\n"));
    calcola(&f, 3, 2, {"", "1000"});
    // An existing file: No writes nothing, Yes appends.
    const QByteArray primo = p.cartella.leggi(QStringLiteral("vincite.txt"));
    finte.file.queueChoice(nome);
    finte.scatole.queueAnswer(platform::Answer::No);
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QCOMPARE(p.cartella.leggi(QStringLiteral("vincite.txt")), primo);
    QCOMPARE(finte.scatole.texts(), QStringList{"Il file esiste già. Appendere al file ?"});
    finte.file.queueChoice(nome);
    finte.scatole.queueAnswer(platform::Answer::Yes);
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QByteArray atteso;
    const std::vector<std::string> righe =
        righetesto(rapportovincite({3,
                                    2,
                                    {"", "1000", "", "", ""},
                                    {" 2", " 1", " 0", "---", "---"},
                                    {"0", "83.333", "0", "", ""},
                                    "83.333",
                                    "80.833",
                                    "79.833"}));
    for (const std::string& r : righe)
        atteso += QByteArray::fromStdString(r) + "\r\n";
    QCOMPARE(p.cartella.leggi(QStringLiteral("vincite.txt")), primo + atteso);
    // A cancelled dialog writes nothing and says nothing.
    finte.scatole.clearShown();
    finte.file.queueCancel();
    controllo<QPushButton>(&f, QStringLiteral("Command2"))->click();
    QVERIFY(finte.scatole.shown().isEmpty());
}

QTEST_MAIN(TestVincite)
#include "test_vincite.moc"
