#include "vincite.h"

#include "calcolovincite.h"
#include "nomifinestre.h"

#include "grid.h"
#include "textformat.h"

#include <QLabel>
#include <QVBoxLayout>

namespace bolv {

namespace {
const QColor CIANO(0, 255, 255);
} // namespace

vincite::vincite(Stato& s) : Finestra(s, nomi::vincite) {
    costruisci();
}

void vincite::costruisci() {
    setWindowTitle(QStringLiteral("Tabella Vincite"));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(etichetta(QStringLiteral("Label6"),
                                 QStringLiteral("Tabella per il calcolo delle vincite")));
    auto* griglia = new platform::Grid(this);
    griglia->setObjectName(QStringLiteral("MSFlexGrid1"));
    colonna->addWidget(griglia, 1);
    QLabel* Label1 = etichetta(
        QStringLiteral("Label1"),
        QStringLiteral("La prima colonna indica il numero di numeri giocati, la seconda le "
                       "combinazioni realizzabili se escono tutti i numeri, la terza la vincita "
                       "per la sortita di una combinazione e la posta di 1 lira."));
    Label1->setWordWrap(true);
    colonna->addWidget(Label1);

    riempi(*griglia);
    // Every column in view beside the scroll bar, and half of the table.
    griglia->setMinimumSize(griglia->widthShowingAllColumns(), griglia->twipsToPixels(6000));
}

void vincite::riempi(platform::Grid& griglia) {
    const auto righe = righevincite(s.tabellavincite);
    platform::Grid::Batch lotto(griglia);
    griglia.setCols(3);
    griglia.setRows(1);
    griglia.setFixedRows(1);
    griglia.setFixedCols(0);
    griglia.setFontBold(true);
    // Equal counts of numbers played stand as one cell.
    griglia.setMergeMode(platform::MergeMode::RestrictRows);
    griglia.setMergeCol(0, true);
    griglia.setColWidth(1, 3000);
    griglia.setTextMatrix(0, 0, QStringLiteral("Numeri"));
    griglia.setTextMatrix(0, 1, QStringLiteral("Combinazioni"));
    griglia.setTextMatrix(0, 2, QStringLiteral("Vincita"));
    griglia.setRows(static_cast<int>(righe.size()) + 1);
    for (size_t i = 0; i < righe.size(); ++i) {
        const Rigavincite& v = righe[i];
        const int r = static_cast<int>(i) + 1;
        griglia.setTextMatrix(r, 0, platform::plainText(v.numeri));
        griglia.setTextMatrix(r, 1,
                              platform::plainText(static_cast<long>(v.combinazioni)) +
                                  QStringLiteral("  ") +
                                  QString::fromLatin1(SORTIPLURALI[v.sorte - 1]));
        griglia.setTextMatrix(r, 2, QString::fromStdString(Strsingolo(v.vincita)));
        if (v.numeri % 2 == 0)
            for (int c = 0; c < 3; ++c)
                griglia.setCellBackColor(r, c, CIANO);
    }
}

} // namespace bolv
