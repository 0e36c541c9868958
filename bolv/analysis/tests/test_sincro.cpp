// "Sincronismi": the grid on three hand-made draws, the "Massimo" rows, and the report on
// the printer or appended to a file (a golden report).
#include "archiviodiprova.h"
#include "controlli.h"

#include "sincro.h"

#include "grid.h"

#include <QPushButton>
#include <QTest>

using namespace bolv;
using prova::allineamento;
using prova::controllo;

namespace {

// Three draws: Bari all three, Cagliari the first and the third, Firenze the first two.
std::vector<uint8_t> tredraws() {
    std::vector<uint8_t> img(DIMARCHIVIO, 0);
    const int date[3][3] = {{2, 1, 1946}, {5, 1, 1946}, {9, 1, 1946}};
    const std::array<int, 5> a = {1, 2, 3, 4, 5}, b = {6, 7, 8, 9, 10}, c = {1, 11, 12, 13, 14},
                             d = {1, 2, 6, 7, 8}, z{};
    const std::array<int, 5> ruote[3][3] = {{a, a, a}, {b, z, b}, {c, d, z}};
    for (int e = 1; e <= 3; ++e) {
        prova::metti(img, e, 0, 1, date[e - 1][0]);
        prova::metti(img, e, 0, 2, date[e - 1][1]);
        prova::metti(img, e, 0, 3, date[e - 1][2] % 100);
        prova::metti(img, e, 0, 4, date[e - 1][2] / 100);
        for (int w = 1; w <= 3; ++w)
            for (int p = 1; p <= 5; ++p)
                prova::metti(img, e, w, p, ruote[e - 1][w - 1][p - 1]);
    }
    return img;
}

} // namespace

class TestSincro : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void griglia_data();
    void griglia();
    void report();
    void filecheesiste_data();
    void filecheesiste();
};

void TestSincro::griglia_data() {
    QTest::addColumn<int>("riga");
    QTest::addColumn<QStringList>("celle"); // columns 0..6
    QTest::newRow("Bari Att") << 1 << QStringList{"Bari", "Att", "", "", "", " 2", " 1"};
    QTest::newRow("Bari Sto") << 2
                              << QStringList{"Bari",           "Sto", "", "", "", " 2 (09.01.1946)",
                                             " 1 (05.01.1946)"};
    QTest::newRow("Cagliari Att") << 3 << QStringList{"Cagliari", "Att", "", "", " 1", "", " 0"};
    QTest::newRow("Cagliari Sto")
        << 4 << QStringList{"Cagliari", "Sto", "", "", " 1 (09.01.1946)", "", " 0 (02.01.1946)"};
    QTest::newRow("Firenze Att, not drawn last")
        << 5 << QStringList{"Firenze", "Att", "", "", "", "", ""};
    QTest::newRow("Firenze Sto") << 6 << QStringList{"Firenze",        "Sto", "", "", "", "",
                                                     " 1 (05.01.1946)"};
    QTest::newRow("Venezia Sto") << 20 << QStringList{"Venezia", "Sto", "", "", "", "", ""};
    QTest::newRow("Massimo Att") << 21 << QStringList{"Massimo", "Att", "", "", " 1", " 2", " 1"};
    QTest::newRow("Massimo Sto, the earlier wheel on ties")
        << 22 << QStringList{"Massimo",        "Sto", "", "", " 1 (09.01.1946)", " 2 (09.01.1946)",
                             " 1 (05.01.1946)"};
}

void TestSincro::griglia() {
    QFETCH(int, riga);
    QFETCH(QStringList, celle);
    prova::Programmadiprova p(tredraws());
    sincro f(programma());
    auto* g = controllo<platform::Grid>(&f, QStringLiteral("MSFlexGrid1"));
    QCOMPARE(g->rows(), 23);
    QCOMPARE(g->textMatrix(0, 1), QStringLiteral("N. numeri"));
    QCOMPARE(g->textMatrix(0, 6), QStringLiteral(" 5"));
    // One way a column: the names centred, the delays at the left, "Att" and "Sto" alike.
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(g->textMatrix(riga, c), celle[c]);
        QCOMPARE(allineamento(g, riga, c), c < 2 ? Qt::AlignHCenter : Qt::AlignLeft);
    }
}

void TestSincro::report() {
    prova::Finte finte;
    prova::Programmadiprova p(tredraws());
    sincro f(programma());
    auto* Command1 = controllo<QPushButton>(&f, QStringLiteral("Command1"));
    Command1->click(); // to the printer
    programma().stampasufile = true;
    finte.file.queueChoice(p.percorso(QStringLiteral("sincro.txt")));
    Command1->click();
    QCOMPARE(finte.file.requests()[0].fileName, QStringLiteral("sincronismi.txt"));
    QCOMPARE(finte.file.requests()[0].title, QStringLiteral("Salva tabella su file di testo"));
    const QStringList atteso = {
        QStringLiteral(""),
        QStringLiteral("            N. numeri        01                  02                  03    "
                       "              04                  05"),
        QStringLiteral("Bari        Att                                                            "
                       "              02                  01"),
        QStringLiteral("Bari        Sto                                                            "
                       "               2 (09.01.1946)      1 (05.01.1946)"),
        QStringLiteral("Cagliari    Att                                                      01    "
                       "                                  00"),
        QStringLiteral("Cagliari    Sto                                                       1 "
                       "(09.01.1946)                          0 (02.01.1946)"),
        QStringLiteral("Firenze     Att                                                            "
                       "                                  "),
        QStringLiteral("Firenze     Sto                                                            "
                       "                                   1 (05.01.1946)"),
        QStringLiteral("Genova      Att                                                            "
                       "                                  "),
        QStringLiteral("Genova      Sto                                                            "
                       "                                  "),
        QStringLiteral("Milano      Att                                                            "
                       "                                  "),
        QStringLiteral("Milano      Sto                                                            "
                       "                                  "),
        QStringLiteral("Napoli      Att                                                            "
                       "                                  "),
        QStringLiteral("Napoli      Sto                                                            "
                       "                                  "),
        QStringLiteral("Palermo     Att                                                            "
                       "                                  "),
        QStringLiteral("Palermo     Sto                                                            "
                       "                                  "),
        QStringLiteral("Roma        Att                                                            "
                       "                                  "),
        QStringLiteral("Roma        Sto                                                            "
                       "                                  "),
        QStringLiteral("Torino      Att                                                            "
                       "                                  "),
        QStringLiteral("Torino      Sto                                                            "
                       "                                  "),
        QStringLiteral("Venezia     Att                                                            "
                       "                                  "),
        QStringLiteral("Venezia     Sto                                                            "
                       "                                  "),
        QStringLiteral(""),
    };
    const QString scritto = QString::fromUtf8(p.cartella.leggi(QStringLiteral("sincro.txt")));
    QCOMPARE(scritto, atteso.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QCOMPARE(finte.stampe.jobs().size(), size_t(1));
    QCOMPARE(finte.stampe.jobs()[0].lines(), atteso);
}

void TestSincro::filecheesiste_data() {
    QTest::addColumn<bool>("si");
    QTest::newRow("No writes nothing") << false;
    QTest::newRow("Yes appends") << true;
}

void TestSincro::filecheesiste() {
    QFETCH(bool, si);
    prova::Finte finte;
    prova::Programmadiprova p(tredraws());
    programma().stampasufile = true;
    p.cartella.scrivi(QStringLiteral("sincro.txt"), "prima\r\n");
    finte.file.queueChoice(p.percorso(QStringLiteral("sincro.txt")));
    finte.scatole.queueAnswer(si ? platform::Answer::Yes : platform::Answer::No);
    sincro f(programma());
    controllo<QPushButton>(&f, QStringLiteral("Command1"))->click();
    QCOMPARE(finte.scatole.texts(), QStringList{"Il file esiste già. Appendere al file ?"});
    const QByteArray scritto = p.cartella.leggi(QStringLiteral("sincro.txt"));
    QVERIFY(scritto.startsWith("prima\r\n"));
    QCOMPARE(scritto.size() > 7, si);
}

QTEST_MAIN(TestSincro)
#include "test_sincro.moc"
