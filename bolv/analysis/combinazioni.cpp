#include "combinazioni.h"

#include "combinatoria.h"
#include "nomifinestre.h"
#include "probabilita.h"

#include "grid.h"
#include "textformat.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace bolv {

namespace {

// Twips, all six columns: room for a probability's ten decimals in today's fonts.
constexpr int LARGHEZZACOLONNA = 1750;

QString titolo(combinazioni::Tabella t) {
    switch (t) {
    case combinazioni::Tabella::combinazioni:
        return QStringLiteral("Combinazioni");
    case combinazioni::Tabella::probabilita:
        return QStringLiteral("Probabilità");
    case combinazioni::Tabella::ciclicita:
        return QStringLiteral("Ciclicità teorica");
    case combinazioni::Tabella::equita:
        return QStringLiteral("Indice di Equità");
    }
    return {};
}

// Cell (n numbers played, sorte k) of table t.
QString cella(combinazioni::Tabella t, int n, int k, const Stato& s) {
    const QString trattino = QStringLiteral("-");
    switch (t) {
    case combinazioni::Tabella::combinazioni: {
        const auto c = numcombinazioni(n, k);
        return c <= 0 ? QStringLiteral("0") : platform::formatInteger(c, QStringLiteral("#,###"));
    }
    case combinazioni::Tabella::probabilita: {
        const double p = probabilita(n, k);
        return p <= 0 ? trattino : platform::formatNumber(p, QStringLiteral("0.0000000000"));
    }
    case combinazioni::Tabella::ciclicita: {
        const double c = ciclicita(n, k);
        return c <= 0 ? trattino : platform::formatNumber(c, QStringLiteral("#,###.00"));
    }
    case combinazioni::Tabella::equita:
        if (n >= 11) return {};
        if (numcombinazioni(n, k) <= 0) return trattino;
        return platform::formatNumber(indiceequita(s.tabellavincite, n, k),
                                      QStringLiteral("0.00000"));
    }
    return {};
}

} // namespace

combinazioni::combinazioni(Stato& s) : Finestra(s, nomi::combinazioni) {
    costruisci();
}

void combinazioni::costruisci() {
    setWindowTitle(QStringLiteral("Tabelle Statistiche"));
    auto* griglia = new QGridLayout(this);
    Label1 = etichetta(QStringLiteral("Label1"));
    QFont grassetto = Label1->font();
    grassetto.setBold(true);
    Label1->setFont(grassetto);
    griglia->addWidget(Label1, 0, 0, 1, 5);

    fGrid1 = new platform::Grid(this);
    fGrid1->setObjectName(QStringLiteral("fGrid1"));
    {
        platform::Grid::Batch batch(*fGrid1);
        fGrid1->setRows(91);
        fGrid1->setCols(6);
        fGrid1->setFixedRows(1);
        fGrid1->setFixedCols(1);
        fGrid1->setTextMatrix(0, 0, QStringLiteral("Nri / Sorte"));
        for (int c = 0; c < 6; ++c) {
            fGrid1->setColWidth(c, LARGHEZZACOLONNA);
            if (c == 0) continue;
            fGrid1->setTextMatrix(0, c, platform::plainText(c));
            // Every table's figures line up on the right, decimals or not.
            fGrid1->setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
        for (int n = 1; n <= 90; ++n)
            fGrid1->setTextMatrix(n, 0, platform::plainText(n));
    }
    // Wide enough for the six columns and the scroll bar; tall enough for a useful page.
    fGrid1->setMinimumSize(fGrid1->twipsToPixels(6 * LARGHEZZACOLONNA + 500),
                           fGrid1->twipsToPixels(5000));
    griglia->addWidget(fGrid1, 1, 0, 1, 5);

    const std::pair<const char*, Tabella> pulsanti[] = {
        {"Command1", Tabella::combinazioni},
        {"Command2", Tabella::probabilita},
        {"Command3", Tabella::ciclicita},
        {"Command5", Tabella::equita},
    };
    const char* const testi[] = {"Combinazioni", "Probabilità", "Ciclicità Teorica",
                                 "Indice di Equità"};
    for (int i = 0; i < 4; ++i) {
        const Tabella t = pulsanti[i].second;
        griglia->addWidget(pulsante(QString::fromLatin1(pulsanti[i].first),
                                    QString::fromUtf8(testi[i]), [this, t] { mostra(t); }),
                           2, i);
    }
    griglia->addWidget(pulsanteguida(QStringLiteral("Command4")), 2, 4);
    mostra(Tabella::combinazioni);
}

void combinazioni::mostra(Tabella t) {
    Label1->setText(titolo(t));
    QStringList testi;
    testi.reserve(90 * 6);
    for (int n = 1; n <= 90; ++n) {
        testi << platform::plainText(n);
        for (int k = 1; k <= 5; ++k)
            testi << cella(t, n, k, s);
    }
    platform::Grid::Batch batch(*fGrid1);
    fGrid1->fillRows(1, std::move(testi));
}

} // namespace bolv
