#include "sincro.h"

#include "calcolosincro.h"
#include "nomifinestre.h"

#include "grid.h"
#include "textcolumns.h"
#include "textformat.h"

#include <QGridLayout>
#include <QPushButton>
#include <algorithm>

namespace bolv {

namespace {
constexpr int COLONNESTAMPA[7] = {1, 13, 30, 50, 70, 90, 110};
// Room for "N. numeri" and for a delay with its date.
constexpr int LARGHEZZE[3] = {1000, 1150, 1900};

QString dataestrazione(const Stato& s, int d) {
    return platform::formatDate(s.dateestrazioni[d], QStringLiteral("dd.mm.yyyy"));
}
} // namespace

QStringList righesincro(const platform::GridContent& griglia) {
    platform::TextColumns testo;
    testo.newLine();
    for (int r = 0; r <= 20; ++r) {
        for (int c = 0; c < 7; ++c) {
            testo.tab(COLONNESTAMPA[c]);
            testo.write(platform::formatText(griglia.text(r, c), QStringLiteral("00")));
        }
        testo.newLine();
    }
    testo.newLine();
    return testo.lines();
}

sincro::sincro(Stato& s) : Finestra(s, nomi::sincro) {
    costruisci();
    calcolasincronismi();
}

void sincro::costruisci() {
    setWindowTitle(QStringLiteral("Sincronismi"));
    MSFlexGrid1 = new platform::Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    {
        platform::Grid::Batch lotto(*MSFlexGrid1);
        MSFlexGrid1->setRows(23);
        MSFlexGrid1->setCols(7);
        MSFlexGrid1->setFixedRows(1);
        MSFlexGrid1->setFixedCols(2);
        MSFlexGrid1->setMergeMode(platform::MergeMode::Free);
        MSFlexGrid1->setMergeCol(0, true);
        // The wheel and row names centred; a "Sto" cell carries its date, so the delays
        // of a column start at its left edge, "Att" and "Sto" alike.
        for (int c = 0; c < 7; ++c) {
            MSFlexGrid1->setColWidth(c, LARGHEZZE[std::min(c, 2)]);
            MSFlexGrid1->setColAlignment(c, (c < 2 ? Qt::AlignHCenter : Qt::AlignLeft) |
                                                Qt::AlignVCenter);
        }
        MSFlexGrid1->setTextMatrix(0, 1, QStringLiteral("N. numeri"));
        for (int k = 1; k <= 5; ++k)
            MSFlexGrid1->setTextMatrix(0, k + 1, platform::plainText(k));
        for (int i = 0; i < 11; ++i) {
            const QString nome =
                i < 10 ? QString::fromStdString(s.nomiruote[i]) : QStringLiteral("Massimo");
            MSFlexGrid1->setTextMatrix(2 * i + 1, 0, nome);
            MSFlexGrid1->setTextMatrix(2 * i + 2, 0, nome);
            MSFlexGrid1->setTextMatrix(2 * i + 1, 1, QStringLiteral("Att"));
            MSFlexGrid1->setTextMatrix(2 * i + 2, 1, QStringLiteral("Sto"));
        }
    }
    MSFlexGrid1->setMinimumSize(
        MSFlexGrid1->twipsToPixels(LARGHEZZE[0] + LARGHEZZE[1] + 5 * LARGHEZZE[2]) + 30,
        MSFlexGrid1->twipsToPixels(23 * 275));
    auto* principale = new QGridLayout(this);
    principale->addWidget(MSFlexGrid1, 0, 0, 1, 3);
    principale->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Stampa"),
                                   [this] { Command1_Click(); }),
                          1, 0);
    principale->addWidget(pulsanteguida(QStringLiteral("Command2")), 1, 1);
    principale->setColumnStretch(2, 1);
}

void sincro::calcolasincronismi() {
    const Sincronismi r = bolv::calcolasincronismi(s);
    platform::Grid::Batch lotto(*MSFlexGrid1);
    const auto cella = [&](int w, int k, bool storico) {
        const int ritardo = (storico ? r.storico : r.attuale)[w - 1][k - 1];
        if (ritardo < 0) return QString();
        QString t = platform::plainText(ritardo);
        if (storico)
            t += QStringLiteral(" (") + dataestrazione(s, r.estrazionestorico[w - 1][k - 1]) +
                 QLatin1Char(')');
        return t;
    };
    for (int w = 1; w <= 10; ++w)
        for (int k = 1; k <= 5; ++k) {
            MSFlexGrid1->setTextMatrix(2 * w - 1, k + 1, cella(w, k, false));
            MSFlexGrid1->setTextMatrix(2 * w, k + 1, cella(w, k, true));
        }
    for (int k = 1; k <= 5; ++k) {
        if (const int w = r.massimoattuale[k - 1])
            MSFlexGrid1->setTextMatrix(21, k + 1, cella(w, k, false));
        if (const int w = r.massimostorico[k - 1])
            MSFlexGrid1->setTextMatrix(22, k + 1, cella(w, k, true));
    }
}

void sincro::Command1_Click() {
    Rapportotesto r;
    r.linee = righesincro(MSFlexGrid1->content());
    r.dimensionescelta = false;
    r.titolo = QStringLiteral("Salva tabella su file di testo");
    r.proposto = QStringLiteral("sincronismi.txt");
    r.seesiste = QStringLiteral("Appendere al file ?");
    stampaosalva(r);
}

} // namespace bolv
