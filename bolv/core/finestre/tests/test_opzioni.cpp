// The run-time option commands: first as plain functions over the state and a recording
// face of the main window, then through the main window's own entries and toolbar keys.
#include "archiviodiprova.h"

#include "avvio.h"
#include "bolvmain.h"
#include "copiearchivio.h"
#include "elabora.h"
#include "estremi.h"
#include "nuovaestrazione.h"
#include "opzioni.h"

#include "filedialog.h"
#include "messagebox.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <map>

using namespace bolv;
using prova::Avviato;

namespace {

// Remembers the last state written for every name; names never written are absent.
struct Vocifinte : VociPrincipale {
    std::map<std::string, bool> abilitate, spuntate, visibili;
    std::string pannello;
    Sfondo sfondo = Sfondo::nessuno;
    std::string filesfondo;
    bool caricabile = true; // whether a picture file loads

    void abilita(const std::string& n, bool a) override { abilitate[n] = a; }
    void spunta(const std::string& n, bool s) override { spuntate[n] = s; }
    bool spuntata(const std::string& n) const override {
        const auto i = spuntate.find(n);
        return i != spuntate.end() && i->second;
    }
    void mostra(const std::string& n, bool v) override { visibili[n] = v; }
    void pannellooutput(const std::string& t) override { pannello = t; }
    bool impostasfondo(Sfondo s, const std::string& f) override {
        if (s == Sfondo::file && !caricabile) return false;
        sfondo = s;
        filesfondo = f;
        return true;
    }
    // -1 never written, else 0 or 1.
    static int stato(const std::map<std::string, bool>& m, const std::string& n) {
        const auto i = m.find(n);
        return i == m.end() ? -1 : i->second;
    }
};

const char* const ANNIVOCI[] = {"opz1871", "opz1939", "opz1945"};
const char* const INSERIMENTI[] = {"insmenu", "insintmenu", "insfondo", "insint", "incolla"};

// The draw in slot d of the state, and whether it is the first of its year or later.
bool primodellanno(const Stato& s, int d, int anno) {
    if (anno == 1871) return d == 1;
    return s.dateestrazioni[d].anno >= anno && (d == 1 || s.dateestrazioni[d - 1].anno < anno);
}

QString testo(const char* t) {
    return QString::fromUtf8(t);
}

} // namespace

class TestOpzioni : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void annoinizio_data();
    void annoinizio();
    void modi_data();
    void modi();
    void nessunascritturainunmodoalterno_data();
    void nessunascritturainunmodoalterno();
    void attivazioni();
    void outputecarattere();
    void barre();
    void caricasfondo_data();
    void caricasfondo();
    void visualizzasfondo();
    void caricasfondoapretralefoto();
    void intermedio_data();
    void intermedio();

    void intermediodamenuebarra_data();
    void intermediodamenuebarra();
    void annoconnoperdamenuebarra();
    void modidallafinestra();
    void attivazionidallafinestra();
};

void TestOpzioni::annoinizio_data() {
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("anno");
    for (int anno : {1871, 1939, 1945}) {
        QTest::addRow("tutte %d", anno) << 0 << anno;
        QTest::addRow("sabato %d", anno) << 1 << anno;
    }
}

// The start year is found in the archive held, in every mode it can be chosen in.
void TestOpzioni::annoinizio() {
    QFETCH(int, modo);
    QFETCH(int, anno);
    prova::Programmadiprova p;
    Stato& s = programma();
    Vocifinte v;
    s.modoestrazioni = modo;
    elabora(s);
    p.registro = {};
    sceglianno(s, v, anno);
    QVERIFY(primodellanno(s, s.primaestrazione, anno));
    QCOMPARE(s.ultimaestrazione, s.numestrazioni);
    for (const char* voce : ANNIVOCI)
        QCOMPARE(Vocifinte::stato(v.spuntate, voce), int(voce == "opz" + std::to_string(anno)));
    QCOMPARE(p.registro.ricalcoli, 1);
    QVERIFY(p.archiviointatto());
}

void TestOpzioni::modi_data() {
    QTest::addColumn<QList<int>>("prima"); // modes chosen first, from "Tutte"
    QTest::addColumn<int>("anno");         // start year chosen after them, 0 none
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("cambia");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("inserimento"); // -1 untouched, else enabled or not
    QTest::addColumn<int>("estremi");
    QTest::addColumn<int>("anni");

    const QString finale = testo("L'estrazione finale verrà impostata automaticamente "
                                 "all'ultima disponibile. L'estrazione iniziale verra' "
                                 "impostata alla prima.");
    const QString sabato = testo("Non sarà possibile inserire nuove estrazioni fino a che non "
                                 "si ripristinerà il modo continuo dell'archivio.") +
                           finale;
    const QString mercoledi =
        testo("Come estrazione iniziale viene impostata la prima estrazione avvenuta di "
              "mercoledi. Non sarà possibile inserire nuove estrazioni fino a che non si "
              "ripristinerà il modo contiinuo dell'archivio.");
    QTest::newRow("tutte -> sabato") << QList<int>{} << 0 << 1 << true << sabato << 0 << 1 << 1;
    QTest::newRow("tutte -> mercoledi")
        << QList<int>{} << 0 << 2 << true << mercoledi << 0 << -1 << 0;
    QTest::newRow("sabato -> tutte") << QList<int>{1} << 0 << 0 << true << finale << 1 << 1 << 1;
    QTest::newRow("sabato, 1939 -> tutte")
        << QList<int>{1} << 1939 << 0 << true << finale << 1 << 1 << 1;
    QTest::newRow("mercoledi -> sabato")
        << QList<int>{2} << 0 << 1 << true << sabato << 0 << 1 << 1;
    QTest::newRow("sabato twice, 1939 meanwhile")
        << QList<int>{1} << 1939 << 1 << false << QString() << -1 << -1 << -1;
    QTest::newRow("tutte again") << QList<int>{} << 0 << 0 << false << QString() << -1 << -1 << -1;
}

void TestOpzioni::modi() {
    QFETCH(QList<int>, prima);
    QFETCH(int, anno);
    QFETCH(int, modo);
    QFETCH(bool, cambia);
    QFETCH(QString, messaggio);
    QFETCH(int, inserimento);
    QFETCH(int, estremi);
    QFETCH(int, anni);
    prova::Programmadiprova p;
    Stato& s = programma();
    Vocifinte v;
    for (int m : prima)
        QVERIFY(sceglimodo(s, v, m));
    if (anno) sceglianno(s, v, anno);
    const int inizio = s.primaestrazione;
    v = {};
    p.registro = {};

    QCOMPARE(sceglimodo(s, v, modo), cambia);
    QCOMPARE(s.modoestrazioni, modo);
    QCOMPARE(p.registro.ricalcoli, cambia ? 1 : 0);
    QCOMPARE(p.registro.avvisi.size(), size_t(cambia));
    if (cambia) QCOMPARE(QString::fromStdString(p.registro.avvisi[0]), messaggio);
    for (const char* voce : INSERIMENTI)
        QCOMPARE(Vocifinte::stato(v.abilitate, voce), inserimento);
    QCOMPARE(Vocifinte::stato(v.abilitate, "inifinmenu"), estremi);
    for (const char* voce : ANNIVOCI)
        QCOMPARE(Vocifinte::stato(v.abilitate, voce), anni);
    if (!cambia) {
        QCOMPARE(s.primaestrazione, inizio);
        QVERIFY(v.spuntate.empty());
        return;
    }
    // A new mode always analyses its whole archive, from the first draw to the last.
    QCOMPARE(s.primaestrazione, 1);
    QCOMPARE(s.ultimaestrazione, s.numestrazioni);
    QVERIFY(!s.reimpostaultima);
    for (int m = 0; m <= 2; ++m)
        QCOMPARE(v.spuntata(std::array{"tuttemenu", "sabatomenu", "solomercoledimenu"}[m]),
                 m == modo);
    if (modo == 2) {
        for (const char* voce : ANNIVOCI)
            QCOMPARE(Vocifinte::stato(v.spuntate, voce), -1);
    } else {
        for (const char* voce : ANNIVOCI)
            QCOMPARE(Vocifinte::stato(v.spuntate, voce), int(voce == std::string("opz1871")));
    }
    QVERIFY(p.archiviointatto());
}

void TestOpzioni::nessunascritturainunmodoalterno_data() {
    QTest::addColumn<int>("modo");
    QTest::newRow("solo sabato") << 1;
    QTest::newRow("solo mercoledi") << 2;
}

// In a weekday mode memory holds only part of the archive: whatever the user does with the
// options, the estremi dialog and the file commands, the archive file stays as it was.
void TestOpzioni::nessunascritturainunmodoalterno() {
    QFETCH(int, modo);
    prova::Programmadiprova p;
    Stato& s = programma();
    Vocifinte v;
    QVERIFY(sceglimodo(s, v, modo));
    for (int anno : {1939, 1945, 1871})
        sceglianno(s, v, anno);
    attivaambi(s, v);
    attivaterni(s, v);
    impostaestremi(s, 2, s.numestrazioni - 1);
    attivaterni(s, v);
    sceglioutput(s, v, true);
    sceglicarattere(s, v, 10);
    QVERIFY(esportaarchivio(s, [](const Data&) { return std::string("x"); }));
    QCOMPARE(copiabackup(s, p.percorso("copia.bolv").toStdString()), std::nullopt);
    QVERIFY(sceglimodo(s, v, modo == 1 ? 2 : 1));
    QVERIFY(p.archiviointatto());
}

void TestOpzioni::attivazioni() {
    prova::Programmadiprova p;
    Stato& s = programma();
    Vocifinte v;
    attivaambi(s, v);
    QVERIFY(s.ambiattivi && !s.ternattivi);
    QVERIFY(!s.ritardiambi.empty());
    QCOMPARE(p.registro.aggiornamenti, 1);
    QCOMPARE(p.registro.ricalcoli, 0);
    QCOMPARE(Vocifinte::stato(v.abilitate, "maxritmenu"), 1);
    QCOMPARE(Vocifinte::stato(v.abilitate, "classifica"), 1);
    QCOMPARE(Vocifinte::stato(v.abilitate, "attambi_menu"), 0);
    QCOMPARE(Vocifinte::stato(v.visibili, "attivaa"), 0);
    QCOMPARE(Vocifinte::stato(v.abilitate, "ternimenu"), -1);

    // Chosen again (a key pressed twice before the window caught up): nothing is rebuilt.
    attivaambi(s, v);
    QCOMPARE(p.registro.aggiornamenti, 1);

    v = {};
    attivaterni(s, v);
    QVERIFY(s.ternattivi);
    QVERIFY(!s.ritarditerni.empty());
    QCOMPARE(p.registro.aggiornamenti, 2);
    QCOMPARE(Vocifinte::stato(v.abilitate, "ternimenu"), 1);
    QCOMPARE(Vocifinte::stato(v.abilitate, "tvergini"), 1);
    QCOMPARE(Vocifinte::stato(v.abilitate, "classifica"), 1);
    QCOMPARE(Vocifinte::stato(v.abilitate, "attterni_menu"), 0);
    QCOMPARE(Vocifinte::stato(v.visibili, "attivat"), 0);
    // The ranking entry is the pairs' alone.
    QCOMPARE(Vocifinte::stato(v.abilitate, "maxritmenu"), -1);

    // The next recomputation drops both.
    sceglianno(s, v, 1939);
    QVERIFY(!s.ambiattivi && !s.ternattivi);
}

void TestOpzioni::outputecarattere() {
    prova::Programmadiprova p;
    Stato& s = programma();
    Vocifinte v;
    for (bool sufile : {true, false}) {
        sceglioutput(s, v, sufile);
        QCOMPARE(s.stampasufile, sufile);
        QCOMPARE(v.spuntata("stfilemenu"), sufile);
        QCOMPARE(v.spuntata("stampantemenu"), !sufile);
        QCOMPARE(v.pannello, std::string(sufile ? "Output: file" : "Output: stampante"));
    }
    for (int d = 5; d <= 10; ++d) {
        sceglicarattere(s, v, d);
        QCOMPARE(s.dimensionecarattere, d);
        for (int e = 5; e <= 10; ++e)
            QCOMPARE(v.spuntata("f" + std::to_string(e) + "menu"), e == d);
    }
}

void TestOpzioni::barre() {
    Vocifinte v;
    mostrabarra(v, 1, false);
    mostrabarra(v, 2, true);
    QCOMPARE(Vocifinte::stato(v.visibili, "Toolbar1"), 0);
    QCOMPARE(Vocifinte::stato(v.visibili, "toolbar2"), 1);
    QVERIFY(!v.spuntata("barramenu1"));
    QVERIFY(v.spuntata("barramenu2"));
}

void TestOpzioni::caricasfondo_data() {
    QTest::addColumn<QString>("scelto"); // a file name in the program folder
    QTest::addColumn<bool>("caricabile");
    QTest::addColumn<bool>("riuscito");
    QTest::addColumn<QByteArray>("sfondodopo");
    QTest::newRow("another picture") << "nuovo.jpg" << true << true << QByteArray("nuovo");
    QTest::newRow("sfondo.jpg itself") << "sfondo.jpg" << true << true << QByteArray("vecchio");
    QTest::newRow("missing file") << "manca.jpg" << true << false << QByteArray("vecchio");
    QTest::newRow("not a picture") << "nuovo.jpg" << false << false << QByteArray("nuovo");
}

void TestOpzioni::caricasfondo() {
    QFETCH(QString, scelto);
    QFETCH(bool, caricabile);
    QFETCH(bool, riuscito);
    QFETCH(QByteArray, sfondodopo);
    prova::Programmadiprova p;
    p.cartella.scrivi(QStringLiteral("sfondo.jpg"), "vecchio");
    p.cartella.scrivi(QStringLiteral("nuovo.jpg"), "nuovo");
    Vocifinte v;
    v.caricabile = caricabile;
    QCOMPARE(bolv::caricasfondo(programma(), v, p.percorso(scelto).toStdString()), riuscito);
    QCOMPARE(p.cartella.leggi(QStringLiteral("sfondo.jpg")), sfondodopo);
    QCOMPARE(v.spuntata("sfondomenu"), riuscito);
    if (riuscito) QCOMPARE(QString::fromStdString(v.filesfondo), p.percorso("sfondo.jpg"));
    QVERIFY(!QFile::exists(p.percorso("sfondo.jpg.tmp")));
}

void TestOpzioni::visualizzasfondo() {
    using Sfondo = VociPrincipale::Sfondo;
    prova::Programmadiprova p;
    const Stato& s = programma();
    Vocifinte v;
    mostrasfondo(s, v, true);
    QCOMPARE(v.sfondo, Sfondo::incorporato); // no "sfondo.jpg" yet
    mostrasfondo(s, v, false);
    QCOMPARE(v.sfondo, Sfondo::nessuno);
    QVERIFY(!v.spuntata("sfondomenu"));
    p.cartella.scrivi(QStringLiteral("sfondo.jpg"), "immagine");
    mostrasfondo(s, v, true);
    QCOMPARE(v.sfondo, Sfondo::file);
    QVERIFY(v.spuntata("sfondomenu"));
    v.caricabile = false; // a picture that does not decode
    mostrasfondo(s, v, true);
    QCOMPARE(v.sfondo, Sfondo::incorporato);
}

// The answers to "Inserimento Intermedio", from appending mode and an insertion point of 7:
// a row that changes nothing leaves both. "@" stands for the last draw held.
struct Risposta {
    const char* nome;
    bool annullata;
    const char* risposta;
    bool mostra;    // the entry window is shown, in insert mode
    int punto;      // -1: the last draw held
    bool nonvalido; // "Il valore inserito non è valido."
};
const Risposta RISPOSTE[] = {
    {"cancel", true, "", false, 7, false},
    {"empty", false, "", false, 7, false},
    {"0", false, "0", true, 0, false},
    {"the last draw", false, "@", true, -1, false},
    {"one past it", false, "@+1", false, 7, true},
    {"negative", false, "-1", false, 7, true},
    {"abc", false, "abc", true, 0, false},
    {" 12x", false, " 12x", true, 12, false},
    {"2.5", false, "2.5", true, 2, false},
    {"3.5", false, "3.5", true, 4, false},
};

static void colonnerisposte() {
    QTest::addColumn<bool>("annullata");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<bool>("mostra");
    QTest::addColumn<int>("punto");
    QTest::addColumn<bool>("nonvalido");
}

void TestOpzioni::intermedio_data() {
    colonnerisposte();
    for (const Risposta& r : RISPOSTE)
        QTest::newRow(r.nome) << r.annullata << QString::fromLatin1(r.risposta) << r.mostra
                              << r.punto << r.nonvalido;
}

// "@" is the last draw held, "@+1" one past it.
static QString risolvi(QString risposta, int numestrazioni) {
    return risposta.replace(QStringLiteral("@+1"), QString::number(numestrazioni + 1))
        .replace(QStringLiteral("@"), QString::number(numestrazioni));
}

void TestOpzioni::intermedio() {
    QFETCH(bool, annullata);
    QFETCH(QString, risposta);
    QFETCH(bool, mostra);
    QFETCH(int, punto);
    QFETCH(bool, nonvalido);
    prova::Programmadiprova p;
    Stato& s = programma();
    s.puntoinserimento = 7;
    const auto data =
        annullata ? std::nullopt : std::optional(risolvi(risposta, s.numestrazioni).toStdString());
    QCOMPARE(inserimentointermedio(s, data), mostra);
    QCOMPARE(s.modoaccoda, !mostra);
    QCOMPARE(s.puntoinserimento, punto < 0 ? s.numestrazioni : punto);
    QCOMPARE(p.registro.avvisi.size(), size_t(nonvalido));
    if (nonvalido) QCOMPARE(p.registro.avvisi[0], std::string("Il valore inserito non è valido."));
}

// ---- Through the main window ----

void TestOpzioni::intermediodamenuebarra_data() {
    colonnerisposte();
    QTest::addColumn<QString>("voce");
    for (const char* voce : {"insintmenu", "insint"})
        for (const Risposta& r : RISPOSTE)
            QTest::addRow("%s %s", voce, r.nome)
                << r.annullata << QString::fromLatin1(r.risposta) << r.mostra << r.punto
                << r.nonvalido << QString::fromLatin1(voce);
}

// The menu entry and the toolbar key behave alike: only a valid answer leaves appending
// mode, so nothing can be inserted at slot 1 by a cancelled or mistyped answer.
void TestOpzioni::intermediodamenuebarra() {
    QFETCH(QString, voce);
    QFETCH(bool, annullata);
    QFETCH(QString, risposta);
    QFETCH(bool, mostra);
    QFETCH(int, punto);
    QFETCH(bool, nonvalido);
    platform::BoxSeam scatole;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    s.puntoinserimento = 7;
    QAction* azione = a.m().voce(voce);
    QVERIFY(azione && azione->isEnabled());
    if (!annullata) scatole.queueInput(risolvi(risposta, s.numestrazioni));
    scatole.clearShown();
    azione->trigger();

    QCOMPARE(scatole.shown().size(), nonvalido ? 2 : 1);
    const platform::ShownBox& domanda = scatole.shown().front();
    QCOMPARE(domanda.kind, platform::ShownBox::Input);
    QCOMPARE(domanda.title, QStringLiteral("Inserimento intermedio di estrazione"));
    QCOMPARE(domanda.text, testo("Indicare il numero dell'estrazione dopo la quale ne verrà "
                                 "inserita una nuova:"));
    if (nonvalido) QCOMPARE(scatole.shown().back().text, testo("Il valore inserito non è valido."));
    QCOMPARE(a.aperta("inserimento"), mostra);
    QCOMPARE(s.modoaccoda, !mostra);
    QCOMPARE(s.puntoinserimento, punto < 0 ? s.numestrazioni : punto);
}

// A No to the start-year question changes nothing, not even the mark of the entry clicked.
void TestOpzioni::annoconnoperdamenuebarra() {
    platform::BoxSeam scatole;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    const int inizio = s.primaestrazione;
    QVERIFY(a.voce("opz1871")->isChecked());
    for (const char* voce : {"opz1939", "ini1939", "opz1871", "ini1871"}) {
        scatole.clearShown();
        a.voce(voce)->trigger();
        QCOMPARE(scatole.shown().size(), 1);
        QCOMPARE(scatole.shown()[0].title, QStringLiteral("Attenzione"));
        QCOMPARE(scatole.shown()[0].text, testo(DOMANDACAMBIOINIZIO));
        QCOMPARE(s.primaestrazione, inizio);
        QVERIFY2(a.voce("opz1871")->isChecked(), voce);
        QVERIFY2(!a.voce("opz1939")->isChecked(), voce);
    }
    scatole.queueAnswer(platform::Answer::Yes);
    a.voce("ini1945")->trigger();
    QVERIFY(primodellanno(s, s.primaestrazione, 1945));
    QVERIFY(a.voce("opz1945")->isChecked());
    QVERIFY(!a.voce("opz1871")->isChecked());
    QVERIFY(a.m().pannello(3)->text().startsWith(platform::plainText(s.primaestrazione) + " ("));
}

// The weekday modes from their entries: which commands stay available, what the status bar
// says afterwards.
void TestOpzioni::modidallafinestra() {
    platform::BoxSeam scatole;
    Avviato a;
    QVERIFY(a.programma);
    Stato& s = programma();
    for (const char* voce : INSERIMENTI)
        if (QString(voce) != "incolla") QVERIFY2(a.voce(voce)->isEnabled(), voce);

    a.voce("sabatomenu")->trigger();
    QCOMPARE(s.modoestrazioni, 1);
    for (const char* voce : INSERIMENTI)
        QVERIFY2(!a.voce(voce)->isEnabled(), voce);
    QVERIFY(a.voce("inifinmenu")->isEnabled());
    QVERIFY(a.voce("opz1939")->isEnabled());
    QVERIFY(a.m().pannello(3)->text().endsWith(QStringLiteral(" estrazioni > SABATO")));

    a.voce("solomercoledimenu")->trigger();
    QCOMPARE(s.modoestrazioni, 2);
    QVERIFY(!a.voce("opz1939")->isEnabled());
    QVERIFY(a.voce("opz1871")->isChecked()); // greyed, marks kept
    QVERIFY(a.voce("ini1939")->isEnabled()); // the toolbar keys stay
    QVERIFY(a.voce("estremi")->isEnabled());
    QVERIFY(a.m().pannello(3)->text().endsWith(QStringLiteral(" estrazioni > MERCOLEDI")));
    QCOMPARE(s.dateestrazioni[1].giornosettimana(), 4);

    a.voce("tuttemenu")->trigger();
    QCOMPARE(s.modoestrazioni, 0);
    QCOMPARE(s.primaestrazione, 1);
    QCOMPARE(s.ultimaestrazione, s.numestrazioni);
    for (const char* voce : {"insmenu", "insintmenu", "insfondo", "insint"})
        QVERIFY2(a.voce(voce)->isEnabled(), voce);
    QVERIFY(a.voce("opz1939")->isEnabled());
    QVERIFY(a.m().pannello(3)->text().endsWith(QStringLiteral(" estrazioni > TUTTE")));
    QVERIFY(a.p.archiviointatto());
}

// The program's own entry window gives the insertion entries from the start, and they come
// back with the whole archive.
void TestOpzioni::attivazionidallafinestra() {
    platform::BoxSeam scatole;
    Avviato a(false);
    QVERIFY(a.programma);
    Stato& s = programma();
    for (const char* voce : INSERIMENTI)
        QVERIFY2(a.voce(voce)->isEnabled(), voce);
    a.voce("sabatomenu")->trigger();
    a.voce("tuttemenu")->trigger();
    for (const char* voce : INSERIMENTI)
        QVERIFY2(a.voce(voce)->isEnabled(), voce);

    a.voce("attivaa")->trigger();
    QVERIFY(s.ambiattivi);
    QVERIFY(!a.voce("attambi_menu")->isEnabled());
    QVERIFY(!a.voce("attivaa")->isVisible());
    QVERIFY(a.m().pannello(4)->isEnabled());
    a.voce("attterni_menu")->trigger();
    QVERIFY(s.ternattivi);
    QVERIFY(!a.voce("attivat")->isVisible());
    QVERIFY(a.m().pannello(5)->isEnabled());

    a.voce("stfilemenu")->trigger();
    QVERIFY(s.stampasufile);
    QCOMPARE(a.m().pannello(6)->text(), QStringLiteral("Output: file"));
    a.voce("f6menu")->trigger();
    QCOMPARE(s.dimensionecarattere, 6);
    QVERIFY(!a.voce("f8menu")->isChecked());
    a.voce("barramenu2")->trigger();
    QCOMPARE(a.m().toolbar2()->isVisibleTo(&a.m()), a.voce("barramenu2")->isChecked());

    // Any recomputation drops the tables and gives their commands back.
    scatole.queueAnswer(platform::Answer::Yes);
    a.voce("opz1939")->trigger();
    QVERIFY(!s.ambiattivi && !s.ternattivi);
    QVERIFY(a.voce("attivaa")->isVisible() && a.voce("attambi_menu")->isEnabled());
    QVERIFY(!a.m().pannello(4)->isEnabled());
}

// "Carica sfondo..." opens among the user's pictures with no name typed in, whatever the
// backup left in the dialog, then where the last picture was; the backup still opens in
// the program folder.
void TestOpzioni::caricasfondoapretralefoto() {
    QTemporaryDir casa, altrove;
    QVERIFY(QDir(casa.path()).mkpath(QStringLiteral("Pictures")));
    const QByteArray primacasa = qgetenv("HOME");
    qputenv("HOME", casa.path().toLocal8Bit());
    const QString foto = altrove.filePath(QStringLiteral("foto.jpg"));
    QImage immagine(8, 8, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    QVERIFY(immagine.save(foto, "JPG"));
    {
        platform::BoxSeam scatole;
        platform::FileDialogSeam dialogo;
        Avviato a;
        QVERIFY(a.programma);
        dialogo.queueCancel();
        a.voce("cbmenu")->trigger();
        dialogo.queueChoice(foto);
        a.voce("menucaricasf")->trigger();
        dialogo.queueCancel();
        a.voce("sfondo")->trigger();
        dialogo.queueCancel();
        a.voce("cbmenu")->trigger();
        const auto& r = dialogo.requests();
        QCOMPARE(r.size(), 4);
        QCOMPARE(r[1].title, QStringLiteral("Carica immagine di sfondo"));
        QCOMPARE(r[1].fileName, QString());
        QCOMPARE(r[1].initialFolder, casa.filePath(QStringLiteral("Pictures")));
        QCOMPARE(r[2].fileName, QString());
        QCOMPARE(r[2].initialFolder, altrove.path());
        QCOMPARE(r[3].initialFolder, r[0].initialFolder);
        QCOMPARE(r[3].initialFolder, a.p.cartella.radice());
        QVERIFY(!a.m().sfondo().isNull());
    }
    qputenv("HOME", primacasa);
}

QTEST_MAIN(TestOpzioni)
#include "test_opzioni.moc"
