// Where the headings of a grid stand: each cell of the fixed rows as the view that draws it
// shows it, against the data columns under it as their views show them, in the grid's
// coordinates, and its text whole.
#pragma once

#include "grid.h"

#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <algorithm>

namespace prova {

// The view that draws the cell: the fixed rows, the fixed columns, their corner or the grid.
inline const QTableView* vistadellacella(const platform::Grid& g, int riga, int colonna) {
    const bool fissariga = riga < g.fixedRows(), fissacolonna = colonna < g.fixedCols();
    if (!fissariga && !fissacolonna) return &g;
    const char* nome = !fissacolonna ? "fixedRows" : !fissariga ? "fixedCols" : "fixedCorner";
    return g.findChild<QTableView*>(QString::fromLatin1(nome), Qt::FindDirectChildrenOnly);
}

inline QRect cellamostrata(const platform::Grid& g, int riga, int colonna) {
    const QTableView* v = vistadellacella(g, riga, colonna);
    return v->visualRect(g.model()->index(riga, colonna))
        .translated(v->viewport()->mapTo(&g, QPoint()));
}

// The text and its margins in the font of the view that draws it.
inline int larghezzatesto(const QTableView& v, const QString& testo) {
    const int margine = v.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &v) + 1;
    return QFontMetrics(v.font()).horizontalAdvance(testo) + 2 * margine;
}

// One line for each heading out of place or cut short; none when all stand over their columns.
inline QStringList intestazionifuoriposto(const platform::Grid& g) {
    QStringList errori;
    const int dati = g.fixedRows();
    if (dati >= g.rows()) return errori;
    for (int r = 0; r < dati; ++r)
        for (int c = 0; c < g.cols();) {
            const QTableView* v = vistadellacella(g, r, c);
            const int ultima = c + std::max(v->columnSpan(r, c), 1) - 1;
            const QRect testa = cellamostrata(g, r, c);
            const int sinistra = cellamostrata(g, dati, c).left();
            const int destra = cellamostrata(g, dati, ultima).right();
            const QString testo = g.textMatrix(r, c);
            const auto dove = QStringLiteral("\"%1\" (row %2, columns %3-%4)")
                                  .arg(testo)
                                  .arg(r)
                                  .arg(c)
                                  .arg(ultima);
            if (testa.left() != sinistra || testa.right() != destra)
                errori << QStringLiteral("%1 at x %2..%3, its columns at %4..%5")
                              .arg(dove)
                              .arg(testa.left())
                              .arg(testa.right())
                              .arg(sinistra)
                              .arg(destra);
            const int serve = larghezzatesto(*v, testo);
            if (!testo.isEmpty() && serve > testa.width())
                errori << QStringLiteral("%1 cut: %2 px for %3")
                              .arg(dove)
                              .arg(testa.width())
                              .arg(serve);
            c = ultima + 1;
        }
    return errori;
}

} // namespace prova
