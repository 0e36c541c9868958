// The configuration dialog: what it shows of "bolv.cfg", what it writes back, and that an
// unchanged save rewrites the file byte for byte.
#include "bolvmain.h"
#include "cartelladiprova.h"
#include "cfgform.h"
#include "controlli.h"
#include "datifile.h"
#include "provafinestre.h"

#include "help.h"
#include "messagebox.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace bolv;
using prova::controllo;

namespace {

// A file as the dialog itself writes it, with values in the slots it keeps untouched.
QByteArray configurazionediprova() {
    Slotconfigurazione c{};
    for (int i = 0; i < NUMCONFIG; ++i)
        c[i] = static_cast<int16_t>(1000 + 37 * i);
    const int16_t mostrati[][2] = {{1, 1},  {2, 0},  {3, 1},  {4, 1},  {5, 1},  {8, 2},
                                   {9, 1},  {11, 1}, {12, 0}, {13, 2}, {14, 1}, {15, 1},
                                   {16, 1}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 4}};
    for (const auto& [slot, valore] : mostrati)
        c[slot] = valore;
    c[6] = -1450; // the slip offsets may be negative
    const auto dati = immagineconfigurazione(c);
    return QByteArray(reinterpret_cast<const char*>(dati.data()), qsizetype(dati.size()));
}

int16_t slot(const QByteArray& cfg, int i) {
    return static_cast<int16_t>(uint8_t(cfg[2 * i]) | (uint8_t(cfg[2 * i + 1]) << 8));
}

} // namespace

class TestCfgform : public prova::Provafinestre {
    Q_OBJECT

    std::unique_ptr<prova::Cartelladiprova> cartella;
    std::unique_ptr<Stato> s;
    std::unique_ptr<bolvmain> m;

    cfgform* apri(const QByteArray& cfg) {
        cartella->scrivi("bolv.cfg", cfg);
        s->cartellaprogramma = cartella->radice().toStdString();
        if (!leggiconfigurazione(*s)) return nullptr;
        platform::registry().show("cfgform");
        return platform::registry().window<cfgform>("cfgform");
    }

    void salva(cfgform* f) { controllo<QPushButton>(f, "Command1")->click(); }

  private slots:
    void init() {
        Provafinestre::init();
        cartella = std::make_unique<prova::Cartelladiprova>();
        s = std::make_unique<Stato>();
        m = std::make_unique<bolvmain>(*s);
    }
    void cleanup() {
        m.reset();
        Provafinestre::cleanup();
    }

    void salvataggioinvariato() {
        platform::BoxSeam scatole;
        const QByteArray cfg = configurazionediprova();
        cfgform* f = apri(cfg);
        QVERIFY(f);
        QCOMPARE(controllo<QCheckBox>(f, "Check4")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(controllo<QCheckBox>(f, "Check5(0)")->text(), QStringLiteral("Bari"));
        salva(f);
        QCOMPARE(cartella->leggi("bolv.cfg"), cfg);
        QCOMPARE(scatole.texts(),
                 QStringList{"Le impostazioni di configurazione sono state salvate. Per rendere "
                             "attivi i cambiamenti chiudere e riavviare il programma."});
        QVERIFY(!platform::registry().isOpen("cfgform"));
    }

    void uncontrollounoslot_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("valore");
        QTest::newRow("Immagine di sfondo") << "Check2" << 1 << 0;
        QTest::newRow("benvenuto") << "Check1" << 2 << 1;
        QTest::newRow("1945") << "Option1(2)" << 3 << 2;
        QTest::newRow("Rotazione icona") << "Check3" << 4 << 0;
        QTest::newRow("Stampante") << "Option2(0)" << 5 << 0;
        QTest::newRow("Standard da grigio") << "Check4" << 8 << 1;
        QTest::newRow("Funzioni") << "Check6" << 9 << 0;
        QTest::newRow("Cagliari") << "Check5(1)" << 12 << 1;
        QTest::newRow("Firenze da grigio") << "Check5(2)" << 13 << 1;
        QTest::newRow("carattere 10") << "Option3(5)" << 21 << 5;
    }

    void uncontrollounoslot() {
        QFETCH(QString, nome);
        QFETCH(int, slot);
        QFETCH(int, valore);
        platform::BoxSeam scatole;
        const QByteArray cfg = configurazionediprova();
        cfgform* f = apri(cfg);
        f->findChild<QAbstractButton*>(nome)->click();
        salva(f);
        const QByteArray scritto = cartella->leggi("bolv.cfg");
        QCOMPARE(scritto.size(), cfg.size());
        for (int i = 0; i < NUMCONFIG; ++i)
            QCOMPARE(::slot(scritto, i), i == slot ? int16_t(valore) : ::slot(cfg, i));
        QCOMPARE(s->configurazione[slot], int16_t(valore));
    }

    void valorifuoriintervallo() {
        // Values no control can show are shown, and saved, as the defaults.
        platform::BoxSeam scatole;
        QByteArray cfg = configurazionediprova();
        const int16_t fuori[][3] = {{1, 5, 0}, {3, 7, 0},   {4, 2, 0},  {5, 9, 1},
                                    {8, 5, 0}, {14, -3, 0}, {21, 12, 3}};
        for (const auto& [i, valore, atteso] : fuori) {
            cfg[2 * i] = char(valore & 0xff);
            cfg[2 * i + 1] = char((valore >> 8) & 0xff);
        }
        cfgform* f = apri(cfg);
        QVERIFY(controllo<QRadioButton>(f, "Option1(0)")->isChecked());
        QVERIFY(controllo<QRadioButton>(f, "Option2(1)")->isChecked());
        QVERIFY(controllo<QRadioButton>(f, "Option3(3)")->isChecked());
        salva(f);
        const QByteArray scritto = cartella->leggi("bolv.cfg");
        for (const auto& [i, valore, atteso] : fuori)
            QCOMPARE(::slot(scritto, i), atteso);
    }

    void annullaeguida() {
        platform::BoxSeam scatole;
        platform::HelpSeam guida;
        const QByteArray cfg = configurazionediprova();
        cfgform* f = apri(cfg);
        controllo<QPushButton>(f, "Command2")->click();
        QCOMPARE(guida.requests().size(), 1);
        QCOMPARE(guida.requests().first().context, 22);
        controllo<QCheckBox>(f, "Check2")->click();
        controllo<QPushButton>(f, "Command3")->click();
        QVERIFY(!platform::registry().isOpen("cfgform"));
        QCOMPARE(cartella->leggi("bolv.cfg"), cfg);
        QVERIFY(scatole.shown().isEmpty());
    }

    void filenonscrivibile() {
        platform::BoxSeam scatole;
        const QByteArray cfg = configurazionediprova();
        cfgform* f = apri(cfg);
        const auto prima = s->configurazione;
        controllo<QCheckBox>(f, "Check2")->click();
        s->cartellaprogramma = cartella->percorso("manca").toStdString();
        salva(f);
        QCOMPARE(scatole.shown().size(), 1);
        QVERIFY(
            scatole.texts().first().startsWith("Impossibile scrivere il file di configurazione"));
        QVERIFY(s->configurazione == prima);
        QVERIFY(platform::registry().isOpen("cfgform"));
    }
};

QTEST_MAIN(TestCfgform)
#include "test_cfgform.moc"
