// The started program opens the five windows from their menu entries and toolbar keys, the
// pair and triple windows once their tables are active.
#include "archiviodiprova.h"

#include "ambi.h"
#include "capogioco.h"
#include "estratti.h"
#include "sincro.h"
#include "terni.h"

#include <QTest>

using namespace bolv;

class TestVociAnalisi : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apre_data();
    void apre();
};

void TestVociAnalisi::apre_data() {
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("finestra");
    QTest::newRow("menu Ambate") << "ambmenu"
                                 << "estratti";
    QTest::newRow("key tabelleest") << "tabelleest"
                                    << "estratti";
    QTest::newRow("menu Tutti gli ambi") << "tuttiambi_menu"
                                         << "ambi";
    QTest::newRow("key tutti") << "tutti"
                               << "ambi";
    QTest::newRow("menu Capogioco") << "capomenu"
                                    << "capogioco";
    QTest::newRow("key capogioco") << "capogioco"
                                   << "capogioco";
    QTest::newRow("menu Terni Vergini") << "ternimenu"
                                        << "terni";
    QTest::newRow("key tvergini") << "tvergini"
                                  << "terni";
    QTest::newRow("menu Sincronismi") << "sincromenu"
                                      << "sincro";
    QTest::newRow("key sincro") << "sincro"
                                << "sincro";
}

void TestVociAnalisi::apre() {
    QFETCH(QString, voce);
    QFETCH(QString, finestra);
    prova::Finte finte;
    prova::Avviato a;
    QVERIFY(a.programma);
    a.voce("attambi_menu")->trigger();
    a.voce("attterni_menu")->trigger();
    QAction* v = a.voce(qPrintable(voce));
    QVERIFY(v && v->isEnabled());
    v->trigger();
    QWidget* f = platform::registry().existing(finestra);
    QVERIFY(f && platform::registry().frame(finestra)->isVisible());
    const bool giusta = (finestra == "estratti" && dynamic_cast<estratti*>(f)) ||
                        (finestra == "ambi" && dynamic_cast<ambi*>(f)) ||
                        (finestra == "capogioco" && dynamic_cast<capogioco*>(f)) ||
                        (finestra == "terni" && dynamic_cast<terni*>(f)) ||
                        (finestra == "sincro" && dynamic_cast<sincro*>(f));
    QVERIFY(giusta);
    QVERIFY(finte.scatole.shown().isEmpty());
}

QTEST_MAIN(TestVociAnalisi)
#include "test_vocianalisi.moc"
