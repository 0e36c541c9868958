// "Terni Vergini": the counts per wheel, their total and the all-wheels count; the listing,
// complete or refused over the limit.
#include "archiviodiprova.h"
#include "controlli.h"

#include "terni.h"

#include "ambiterni.h"
#include "calcoloterni.h"
#include "textformat.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace bolv;
using prova::controllo;

namespace {
QString etichetta(QWidget* f, const char* base, int i) {
    return controllo<QLabel>(f, nomecontrollo(QString::fromLatin1(base), i))->text();
}
QListWidget* lista(QWidget* f, const char* nome) {
    return controllo<QListWidget>(f, QString::fromLatin1(nome));
}
void attivaterni(int prima, int ultima) {
    Stato& s = programma();
    s.primaestrazione = prima;
    s.ultimaestrazione = ultima;
    s.ternattivi = true;
    calcolaterni(s);
}
} // namespace

class TestTerni : public prova::Provafinestre {
    Q_OBJECT

  private slots:
    void conteggi();
    void elenco();
    void troppi();
};

void TestTerni::conteggi() {
    prova::Programmadiprova p;
    attivaterni(200, 700);
    const Stato& s = programma();
    terni f(programma());
    QCOMPARE(f.windowTitle(), QStringLiteral("Terni Vergini"));
    QCOMPARE(controllo<QGroupBox>(&f, QStringLiteral("Frame1"))->title(),
             QStringLiteral("Terni mai usciti dal ") +
                 platform::formatDate(s.dateestrazioni[200], QStringLiteral("dd.mm.yyyy")));
    long totale = 0;
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(etichetta(&f, "Label1", i), QString::fromStdString(s.nomiruote[i]) + ':');
        QCOMPARE(etichetta(&f, "Label2", i), platform::plainText(s.contaternivergini[i + 1]));
        totale += s.contaternivergini[i + 1];
    }
    QCOMPARE(etichetta(&f, "Label1", 10), QStringLiteral("Totale:"));
    QCOMPARE(etichetta(&f, "Label2", 10), platform::plainText(totale));
    QCOMPARE(etichetta(&f, "Label1", 11), QStringLiteral("Tutte:"));
    QCOMPARE(etichetta(&f, "Label2", 11), platform::plainText(s.contaternivergini[11]));
    QVERIFY(totale >= 10 * s.contaternivergini[11]);
}

// The first and the last triple, and one between, never drawn in the whole window.
void TestTerni::elenco() {
    prova::Finte finte;
    prova::Programmadiprova p;
    attivaterni(300, 500);
    Stato& s = programma();
    std::fill(s.ritarditerni.begin(), s.ritarditerni.end(), int16_t(0));
    for (const auto& [a, b, c] : {std::array{88, 89, 90}, std::array{1, 2, 3}, {5, 40, 77}})
        s.ritarditerni[indicetabterni(11, indiceterno(a, b, c))] = 201;
    terni f(programma());
    controllo<QPushButton>(&f, QStringLiteral("Command1"))->click();
    QVERIFY(finte.scatole.shown().isEmpty());
    QListWidget* List2 = lista(&f, "List2");
    QCOMPARE(List2->count(), 3);
    QCOMPARE(List2->item(0)->text(), QStringLiteral("01.02.03"));
    QCOMPARE(List2->item(1)->text(), QStringLiteral("05.40.77"));
    QCOMPARE(List2->item(2)->text(), QStringLiteral("88.89.90"));
    QListWidget* List1 = lista(&f, "List1");
    QCOMPARE(List1->count(), 201);
    for (int d : {300, 500})
        QCOMPARE(List1->item(d - 300)->text(),
                 platform::formatDate(s.dateestrazioni[d], QStringLiteral("dd.mm.yyyy")) +
                     QStringLiteral("    ") + platform::plainText(s.estr(d, 0, 5)));
    // Pressed again, the lists are built afresh.
    controllo<QPushButton>(&f, QStringLiteral("Command1"))->click();
    QCOMPARE(List2->count(), 3);
    QCOMPARE(List1->count(), 201);
}

// Past the limit: the message, and both lists left empty.
void TestTerni::troppi() {
    prova::Finte finte;
    prova::Programmadiprova p;
    attivaterni(500, 520);
    QVERIFY(programma().contaternivergini[11] > MAXTERNIVERGINI);
    terni f(programma());
    controllo<QPushButton>(&f, QStringLiteral("Command1"))->click();
    QCOMPARE(finte.scatole.texts(),
             QStringList{"I terni vergini, con le impostazioni correnti, sono troppi per essere "
                         "visualizzati nella lista. Modificare i limiti dell'archivio, "
                         "estendendoli, per eseguire correttamente questa funzione."});
    QCOMPARE(lista(&f, "List1")->count(), 0);
    QCOMPARE(lista(&f, "List2")->count(), 0);
}

QTEST_MAIN(TestTerni)
#include "test_terni.moc"
