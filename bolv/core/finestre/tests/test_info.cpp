// The archive information window and its "System Info" stand-in.
#include "archiviodiprova.h"

#include "info.h"
#include "nomifinestre.h"

#include "help.h"
#include "messagebox.h"
#include "systeminfo.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace bolv;

namespace {

QString valore(QWidget& f, int i) {
    auto* l = f.findChild<QLabel*>(QStringLiteral("Label3(%1)").arg(i));
    if (!l) qFatal("no Label3(%d)", i);
    return l->text();
}

// PATH set for the life of the object.
struct Percorso {
    QByteArray prima = qgetenv("PATH");
    explicit Percorso(const QString& cartella) { qputenv("PATH", cartella.toLocal8Bit()); }
    ~Percorso() { qputenv("PATH", prima); }
};

} // namespace

class TestInfo : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void massimo_data();
    void massimo();
    void valori();
    void archiviovuoto();
    void seguelafinestradianalisi();
    void systeminfo();
    void guida();
};

void TestInfo::massimo_data() {
    QTest::addColumn<QList<QList<int>>>("ritardi"); // (number, wheel, delay) set in a zero table
    QTest::addColumn<QString>("testo");
    QTest::newRow("one largest") << QList<QList<int>>{{17, 1, 95}, {3, 4, 12}}
                                 << " 17 su Bari ,  95";
    QTest::newRow("tie: the lower wheel")
        << QList<QList<int>>{{5, 9, 40}, {80, 2, 40}} << " 80 su Cagliari ,  40";
    QTest::newRow("tie on a wheel: the lower number")
        << QList<QList<int>>{{60, 10, 7}, {11, 10, 7}} << " 11 su Venezia ,  7";
    QTest::newRow("all wheels column ignored")
        << QList<QList<int>>{{1, 11, 500}, {2, 5, 1}} << " 2 su Milano ,  1";
    QTest::newRow("every delay 0: no wheel") << QList<QList<int>>{} << " 0";
}

void TestInfo::massimo() {
    QFETCH(QList<QList<int>>, ritardi);
    QFETCH(QString, testo);
    Stato s;
    std::array<int32_t, 990> tabella{};
    for (const auto& r : ritardi)
        tabella[indicenumero(r[0], r[1])] = r[2];
    QCOMPARE(testomassimo(s, massimoritardo(tabella)), testo);
}

// The first date follows the analysis window, the last one the archive.
void TestInfo::valori() {
    prova::Programmadiprova p;
    Stato& s = programma();
    s.primaestrazione = 54;
    s.ultimaestrazione = 120;
    elabora(s);
    info f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Informazioni"));
    QCOMPARE(valore(f, 0), platform::plainText(s.numestrazioni));
    QCOMPARE(valore(f, 1), QStringLiteral("07.01.1939")); // slot 54: the first 1939 draw
    QCOMPARE(valore(f, 2), QStringLiteral("28.12.1946"));
    QCOMPARE(valore(f, 3), QStringLiteral("528.000 bytes"));
    QCOMPARE(valore(f, 4), testomassimo(s, massimoritardo(s.ritardinumeri)));
    QCOMPARE(valore(f, 5), testomassimo(s, massimoritardo(s.storicinumeri)));
    QVERIFY(valore(f, 5).contains(QStringLiteral(" su ")));
}

void TestInfo::archiviovuoto() {
    prova::Programmadiprova p(prova::immaginediprova(0));
    info f(programma());
    const QString attesi[] = {" 0", "", "", "528.000 bytes", " 0", " 0"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(valore(f, i), attesi[i]);
}

// Left open through a recomputation, it shows the figures of the new analysis window.
void TestInfo::seguelafinestradianalisi() {
    prova::Avviato a;
    QVERIFY(a.programma);
    a.voce("infarcmenu")->trigger();
    QWidget* f = platform::registry().existing(QString::fromLatin1(nomi::info));
    QVERIFY(f);
    QVERIFY(valore(*f, 1) != QStringLiteral("07.01.1939"));
    Stato& s = programma();
    s.primaestrazione = 54;
    elabora(s);
    QCOMPARE(platform::registry().existing(QString::fromLatin1(nomi::info)), f);
    QCOMPARE(valore(*f, 1), QStringLiteral("07.01.1939"));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(valore(*f, i), valoriinfo(s)[i]);
}

void TestInfo::systeminfo() {
    prova::Programmadiprova p;
    info f(programma());
    auto* Command1 = f.findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(Command1->text(), QStringLiteral("System Info"));
    QTemporaryDir cartella;
    {
        Percorso vuoto(cartella.path());
        platform::BoxSeam scatole;
        Command1->click();
        QCOMPARE(scatole.texts(),
                 QStringList{QStringLiteral("Informazioni di sistema non disponibili in questo "
                                            "momento")});
    }
    // A system-information program on the PATH is started, and nothing is said.
    const QString segno = cartella.filePath(QStringLiteral("avviato"));
    const QString touch = QStandardPaths::findExecutable(QStringLiteral("touch"));
    const QString programma = cartella.filePath(QStringLiteral("hardinfo"));
    QFile script(programma);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n'%1' '%2'\n").arg(touch, segno).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Percorso conprogramma(cartella.path());
    QCOMPARE(platform::findSystemInfoProgram(), programma);
    platform::BoxSeam scatole;
    Command1->click();
    QVERIFY(scatole.shown().isEmpty());
    QTRY_VERIFY(QFile::exists(segno));
}

void TestInfo::guida() {
    prova::Programmadiprova p;
    platform::HelpSeam guida;
    info f(programma());
    f.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    QCOMPARE(guida.requests().size(), 1);
    QCOMPARE(guida.requests()[0].context, 23);
}

QTEST_MAIN(TestInfo)
#include "test_info.moc"
