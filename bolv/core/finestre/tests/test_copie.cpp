// "Crea Backup...", "Ripristina Backup..." and "Esporta Archivio..." from the main window:
// what they ask, what they write, and that every refusal leaves the program as it was.
#include "archiviodiprova.h"

#include "copiearchivio.h"

#include "filedialog.h"
#include "messagebox.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <algorithm>

using namespace bolv;
using prova::Avviato;

namespace {

const QString FILTRO = QStringLiteral("Archivio di Bolv (*.bolv)|*.bolv");
const QString RIPRISTINATO = QString::fromUtf8(
    "L'archivio scelto è stato ripristinato come archivio corrente. Il programma provvederà "
    "ora a rileggere il nuovo archivio.");
const QString ESPORTATO = QString::fromUtf8(
    "L'archivio di Bolv è stato esportato con successo nel file di testo <archivio.txt> nella "
    "directory del programma.");

QByteArray testoesportato(const Stato& s) {
    QByteArray atteso;
    for (const auto& riga : righeesportazione(s.archiviofile, [](const Data& d) {
             return platform::formatDate(d, QStringLiteral("ddd dd.mm.yyyy")).toStdString();
         }))
        atteso += QByteArray::fromStdString(riga) + "\r\n";
    return atteso;
}

} // namespace

class TestCopie : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void backup_data();
    void backup();
    void backupmodificaripristino();
    void ripristinirifiutati_data();
    void ripristinirifiutati();
    void esportazione_data();
    void esportazione();
};

void TestCopie::backup_data() {
    QTest::addColumn<QString>("scelta"); // a name in the program folder; empty: cancel
    QTest::addColumn<bool>("esiste");    // a file of that name is there already
    QTest::addColumn<int>("risposta");   // to "Sovrascrivere ?": 0 none asked, 1 Yes, 2 No
    QTest::addColumn<bool>("copiato");
    QTest::addColumn<bool>("errore");
    QTest::newRow("cancelled") << "" << false << 0 << false << false;
    QTest::newRow("new file") << "copia.bolv" << false << 0 << true << false;
    QTest::newRow("existing, Yes") << "copia.bolv" << true << 1 << true << false;
    QTest::newRow("existing, No") << "copia.bolv" << true << 2 << false << false;
    QTest::newRow("the archive itself") << "archivio.dat" << true << 0 << false << true;
    QTest::newRow("no such folder") << "manca/copia.bolv" << false << 0 << false << true;
}

void TestCopie::backup() {
    QFETCH(QString, scelta);
    QFETCH(bool, esiste);
    QFETCH(int, risposta);
    QFETCH(bool, copiato);
    QFETCH(bool, errore);
    platform::BoxSeam scatole;
    platform::FileDialogSeam dialogo;
    Avviato a;
    QVERIFY(a.programma);
    const QString percorso = a.p.percorso(scelta);
    if (esiste && scelta != QStringLiteral("archivio.dat")) a.p.cartella.scrivi(scelta, "vecchio");
    const QByteArray prima = a.p.cartella.leggi(scelta);
    if (scelta.isEmpty())
        dialogo.queueCancel();
    else
        dialogo.queueChoice(percorso);
    if (risposta) scatole.queueAnswer(risposta == 1 ? platform::Answer::Yes : platform::Answer::No);
    scatole.clearShown();
    a.voce("creab")->trigger();

    QCOMPARE(dialogo.requests().size(), 1);
    const platform::FileRequest& r = dialogo.requests()[0];
    QCOMPARE(r.mode, platform::FileDialog::Mode::Save);
    QCOMPARE(r.title, QStringLiteral("Crea backup dei dati"));
    QCOMPARE(r.filter, FILTRO);
    QCOMPARE(r.defaultExtension, QStringLiteral("bolv"));
    QCOMPARE(r.fileName, QStringLiteral("backup.bolv"));
    QCOMPARE(scatole.shown().size(), (risposta ? 1 : 0) + (errore ? 1 : 0));
    if (risposta)
        QCOMPARE(scatole.shown()[0].text, QString::fromUtf8("Il file esiste già. Sovrascrivere ?"));
    if (errore) QCOMPARE(scatole.shown().back().icon, platform::Icon::Critical);
    if (copiato)
        QCOMPARE(prova::byte(a.p.cartella.leggi(scelta)), a.p.archivio);
    else if (!scelta.isEmpty())
        QCOMPARE(a.p.cartella.leggi(scelta), prima);
    QVERIFY(a.p.archiviointatto());
}

// What a user does: back up, change the archive, restore. The program comes back to the
// same file and the same statistics, with the tables to be activated again and the data
// windows closed.
void TestCopie::backupmodificaripristino() {
    platform::BoxSeam scatole;
    platform::FileDialogSeam dialogo;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    const auto presenze = s.presenzenumeri;
    const auto storici = s.storicinumeri;
    const int estrazioni = s.numestrazioni;
    const QString copia = a.p.percorso(QStringLiteral("backup.bolv"));
    dialogo.queueChoice(copia);
    a.voce("cbmenu")->trigger();
    QVERIFY(scatole.shown().isEmpty()); // no message after a successful copy

    // A number changed and saved, as the archive browser does.
    const int16_t vecchio = s.estr(200, 6, 1);
    s.estr(200, 6, 1) = 0;
    for (int n = 1; n <= 90 && s.estr(200, 6, 1) == 0; ++n) {
        bool usato = n == vecchio;
        for (int p = 2; p <= 5; ++p)
            usato = usato || s.estr(200, 6, p) == n;
        if (!usato) s.estr(200, 6, 1) = static_cast<int16_t>(n);
    }
    QVERIFY(scriviarchivio(s));
    elabora(s);
    QVERIFY(!a.p.archiviointatto());
    QVERIFY(s.presenzenumeri != presenze);
    a.voce("attivaa")->trigger();
    a.voce("inifinmenu")->trigger();
    QVERIFY(a.aperta("estremi"));

    dialogo.queueChoice(copia);
    scatole.clearShown();
    a.voce("ripristinab")->trigger();
    const platform::FileRequest& r = dialogo.requests().back();
    QCOMPARE(r.mode, platform::FileDialog::Mode::Open);
    QCOMPARE(r.title, QStringLiteral("Ripristina backup dei dati"));
    QCOMPARE(r.filter, FILTRO);
    QCOMPARE(r.defaultExtension, QStringLiteral("*.bolv"));
    QCOMPARE(r.fileName, QStringLiteral("backup.bolv"));
    QCOMPARE(scatole.texts(), QStringList{RIPRISTINATO});
    QVERIFY(a.p.archiviointatto());
    QCOMPARE(s.numestrazioni, estrazioni);
    QCOMPARE(s.presenzenumeri, presenze);
    QCOMPARE(s.storicinumeri, storici);
    QVERIFY(!s.ambiattivi);
    QVERIFY(!a.aperta("estremi"));
    QVERIFY(a.m().pannello(3)->text().contains(
        QStringLiteral("<") + platform::plainText(s.ultimaestrazione - s.primaestrazione + 1)));
}

void TestCopie::ripristinirifiutati_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>(
        "contenuto"); // written as the chosen file unless it is the archive
    QByteArray numero91 = prova::dati(prova::immaginediprova(50));
    numero91[indicearchivio(20, 3, 2)] = 91;
    QByteArray datasbagliata = prova::dati(prova::immaginediprova(50));
    datasbagliata[indicearchivio(10, 0, 2)] = 13;
    QTest::newRow("cancelled") << "" << QByteArray();
    QTest::newRow("missing file") << "manca.bolv" << QByteArray();
    QTest::newRow("empty") << "vuoto.bolv" << QByteArray("");
    QTest::newRow("one byte short") << "corto.bolv" << QByteArray(DIMARCHIVIO - 1, '\0');
    QTest::newRow("one byte long") << "lungo.bolv" << QByteArray(DIMARCHIVIO + 1, '\0');
    QTest::newRow("number 91") << "n91.bolv" << numero91;
    QTest::newRow("month 13") << "m13.bolv" << datasbagliata;
    QTest::newRow("the archive itself") << "archivio.dat" << QByteArray();
}

// A refused restore says why and changes nothing: file, statistics, tables, windows.
void TestCopie::ripristinirifiutati() {
    QFETCH(QString, nome);
    QFETCH(QByteArray, contenuto);
    platform::BoxSeam scatole;
    platform::FileDialogSeam dialogo;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    a.voce("attivaa")->trigger();
    a.voce("inifinmenu")->trigger();
    const auto presenze = s.presenzenumeri;
    if (nome.isEmpty())
        dialogo.queueCancel();
    else
        dialogo.queueChoice(a.p.percorso(nome));
    if (!contenuto.isNull()) a.p.cartella.scrivi(nome, contenuto);
    scatole.clearShown();
    a.voce("rbmenu")->trigger();
    QCOMPARE(scatole.shown().size(), nome.isEmpty() ? 0 : 1);
    if (!nome.isEmpty()) {
        QCOMPARE(scatole.shown()[0].icon, platform::Icon::Critical);
        QVERIFY(scatole.shown()[0].text != RIPRISTINATO);
    }
    QVERIFY(a.p.archiviointatto());
    QVERIFY(!QFile::exists(a.p.percorso(QStringLiteral("archivio.dat.tmp"))));
    QVERIFY(s.ambiattivi);
    QVERIFY(a.aperta("estremi"));
    QCOMPARE(s.presenzenumeri, presenze);
}

void TestCopie::esportazione_data() {
    QTest::addColumn<bool>("si");
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("scrivibile");
    QTest::newRow("No") << false << 0 << true;
    QTest::newRow("Yes") << true << 0 << true;
    QTest::newRow("Yes in Saturday mode: every draw") << true << 1 << true;
    QTest::newRow("Yes, file cannot be written") << true << 0 << false;
}

void TestCopie::esportazione() {
    QFETCH(bool, si);
    QFETCH(int, modo);
    QFETCH(bool, scrivibile);
    platform::BoxSeam scatole;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    if (modo == 1) a.voce("sabatomenu")->trigger();
    QCOMPARE(s.modoestrazioni, modo);
    // A folder in the way of "archivio.txt" makes the write fail, even for root.
    if (!scrivibile) QDir(a.p.cartella.radice()).mkdir(QStringLiteral("archivio.txt"));
    if (si) scatole.queueAnswer(platform::Answer::Yes);
    scatole.clearShown();
    a.voce("esporta")->trigger();

    QVERIFY(!scatole.shown().isEmpty());
    QCOMPARE(scatole.shown()[0].title, QStringLiteral("Esportazione archivio"));
    QCOMPARE(scatole.shown()[0].text,
             QStringLiteral("Esportare l'archivio di Bolv in formato testo ?"));
    QCOMPARE(scatole.shown()[0].buttons, platform::Buttons::YesNo);
    const QString file = a.p.percorso(QStringLiteral("archivio.txt"));
    if (!si) {
        QCOMPARE(scatole.shown().size(), 1);
        QVERIFY(!QFile::exists(file));
        return;
    }
    QCOMPARE(scatole.shown().size(), 2);
    if (!scrivibile) {
        QCOMPARE(scatole.shown()[1].icon, platform::Icon::Critical);
        QVERIFY(scatole.shown()[1].text != ESPORTATO);
        return;
    }
    QCOMPARE(scatole.shown()[1].text, ESPORTATO);
    const QByteArray scritto = a.p.cartella.leggi(QStringLiteral("archivio.txt"));
    QCOMPARE(scritto, testoesportato(s));
    QVERIFY(scritto.startsWith("sab 01.01.1938 | "));
    QCOMPARE(scritto.indexOf("\r\n"), 197);
    // Every draw of the file, Wednesdays too, whatever the mode.
    const auto giorni = a.p.archivio.begin() + indicearchivio(1, 0, 1);
    const auto estrazioni =
        std::count_if(giorni, giorni + NUMSLOT, [](uint8_t giorno) { return giorno != 0; });
    QCOMPARE(scritto.count("\r\n"), qsizetype(estrazioni));
    QCOMPARE(scritto.count('\n'), qsizetype(estrazioni));
}

QTEST_MAIN(TestCopie)
#include "test_copie.moc"
