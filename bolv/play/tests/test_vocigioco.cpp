// The slip-printing and systems windows open from their menu entries and toolbar keys.
#include "archiviodiprova.h"

#include "nomifinestre.h"

#include "windowregistry.h"

#include <QAction>
#include <QTest>

class TestVocigioco : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void apertura_data();
    void apertura();
};

void TestVocigioco::apertura_data() {
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("finestra");
    const QString stampa = QString::fromLatin1(bolv::nomi::stampa);
    const QString sistemi = QString::fromLatin1(bolv::nomi::sistemi);
    QTest::newRow("File, Stampa Schedina...") << "stampamenu" << stampa;
    QTest::newRow("toolbar key stampa") << "stampa" << stampa;
    QTest::newRow("Funzioni, Generatore Sistemi") << "sistemimenu" << sistemi;
    QTest::newRow("toolbar key sistemi") << "sistemi" << sistemi;
}

void TestVocigioco::apertura() {
    QFETCH(QString, voce);
    QFETCH(QString, finestra);
    prova::Avviato a;
    QAction* azione = a.voce(voce.toLatin1().constData());
    QVERIFY(azione && azione->isEnabled());
    azione->trigger();
    QWidget* f = platform::registry().existing(finestra);
    QVERIFY(f && f->isVisible());
}

QTEST_MAIN(TestVocigioco)
#include "test_vocigioco.moc"
