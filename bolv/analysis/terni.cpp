#include "terni.h"

#include "calcoloterni.h"
#include "nomifinestre.h"

#include "messagebox.h"
#include "textformat.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace bolv {

namespace {
QString dataestrazione(const Stato& s, int d) {
    return platform::formatDate(s.dateestrazioni[d], QStringLiteral("dd.mm.yyyy"));
}
QString numero(int n) {
    return platform::formatNumber(n, QStringLiteral("00"));
}
} // namespace

terni::terni(Stato& s) : Finestra(s, nomi::terni) {
    costruisci();
}

void terni::costruisci() {
    setWindowTitle(QStringLiteral("Terni Vergini"));
    auto* principale = new QGridLayout(this);

    auto* Frame1 = new QGroupBox(
        QStringLiteral("Terni mai usciti dal ") + dataestrazione(s, s.primaestrazione), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* righe = new QGridLayout(Frame1);
    long totale = 0;
    for (int i = 0; i < 12; ++i) {
        QString nome;
        long conta;
        if (i < 10) {
            nome = QString::fromStdString(s.nomiruote[i]) + QLatin1Char(':');
            conta = s.contaternivergini[i + 1];
            totale += conta;
        } else if (i == 10) {
            nome = QStringLiteral("Totale:");
            conta = totale;
        } else {
            nome = QStringLiteral("Tutte:");
            conta = s.contaternivergini[11];
        }
        const int riga = i < 10 ? i : i + 1; // the rule stands between Venezia and the total
        righe->addWidget(etichetta(nomecontrollo(QStringLiteral("Label1"), i), nome, Frame1), riga,
                         0);
        righe->addWidget(etichetta(nomecontrollo(QStringLiteral("Label2"), i),
                                   platform::plainText(conta), Frame1),
                         riga, 1);
    }
    auto* Line1 = new QFrame(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    righe->addWidget(Line1, 10, 0, 1, 2);

    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    for (QListWidget* l : {List1, List2})
        l->setMinimumSize(190, 300);

    principale->addWidget(Frame1, 1, 0, 2, 1);
    principale->addWidget(pulsante(QStringLiteral("Command1"),
                                   QStringLiteral("Elenca terni mai usciti   >"),
                                   [this] { Command1_Click(); }),
                          3, 0);
    principale->addWidget(pulsanteguida(QStringLiteral("Command2")), 4, 0, Qt::AlignLeft);
    principale->addWidget(
        etichetta(QStringLiteral("Label3"), QStringLiteral("Lista terni mai usciti")), 0, 1);
    principale->addWidget(List2, 1, 1, 4, 1);
    principale->addWidget(
        etichetta(QStringLiteral("Label4"), QStringLiteral("Distribuzione terni mai usciti")), 0,
        2);
    principale->addWidget(List1, 1, 2, 4, 1);
}

void terni::Command1_Click() {
    List1->clear();
    List2->clear();
    const auto v = tabellaterni(s);
    if (!v) return; // the window exists only while the triple tables do
    const Ternivergini esito = elencaternivergini(s, *v);
    if (esito.troppi) {
        platform::message(QStringLiteral(
            "I terni vergini, con le impostazioni correnti, sono troppi per essere visualizzati "
            "nella lista. Modificare i limiti dell'archivio, estendendoli, per eseguire "
            "correttamente questa funzione."));
        return;
    }
    QStringList voci;
    voci.reserve(static_cast<qsizetype>(esito.terni.size()));
    for (const auto& [a, b, c] : esito.terni)
        voci << numero(a) + QLatin1Char('.') + numero(b) + QLatin1Char('.') + numero(c);
    List2->addItems(voci);
    QStringList distribuzione;
    for (int d = s.primaestrazione; d <= s.ultimaestrazione; ++d)
        distribuzione << dataestrazione(s, d) + QStringLiteral("    ") +
                             platform::plainText(s.estr(d, 0, 5));
    List1->addItems(distribuzione);
}

} // namespace bolv
