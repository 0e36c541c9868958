#include "estratti.h"

#include "nomifinestre.h"

#include "grid.h"
#include "textformat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bolv {

namespace {
// Wide enough for "100,00" in the grid's bold font.
constexpr int LARGHEZZAPOS = 600, LARGHEZZA = 820;
const char* const ORDINI[11] = {"Num", "Rit", "Sto", "Pre", "R/P", "R/S",
                                "Rm2", "Rm3", "Rm4", "Rm5", "Cicl"};
const char* const INTESTAZIONI[13] = {"Pos", "Num", "Rit", "RPos", "Sto", "Pre", "R/P",
                                      "R/S", "Rm2", "Rm3", "Rm4",  "Rm5", "Cicl"};
// The grid column each ordering button sorts on.
constexpr int COLONNEORDINE[11] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12};

QString rapporto(double v) {
    return v < 0 ? QStringLiteral("---") : platform::formatNumber(v, QStringLiteral("##0.00"));
}

// Columns 1..12 of the row of number n.
QStringList celle(const Statestratto& e, int n) {
    QStringList c{platform::formatNumber(n, QStringLiteral("#0")),
                  platform::formatNumber(e.rit, QStringLiteral("##0")),
                  platform::plainText(e.rpos),
                  platform::formatNumber(e.sto, QStringLiteral("##0")),
                  platform::formatNumber(e.pre, QStringLiteral("###0")),
                  rapporto(e.rp),
                  rapporto(e.rs)};
    for (double m : e.rm)
        c << rapporto(m);
    c << platform::formatNumber(e.cicl, QStringLiteral("##0.00"));
    return c;
}
} // namespace

estratti::estratti(Stato& s) : Finestra(s, nomi::estratti) {
    tabella = calcolaestratti(s);
    costruisci();
    scrivitab();
}

void estratti::costruisci() {
    setWindowTitle(QStringLiteral("Tabella Ambate"));
    auto* principale = new QGridLayout(this);
    auto* ruote = new QGroupBox(QStringLiteral("Ruota"), this);
    auto* ordini = new QGroupBox(QStringLiteral("Ordinamento"), this);
    auto* colonnaruote = new QVBoxLayout(ruote);
    auto* colonnaordini = new QVBoxLayout(ordini);
    for (int i = 0; i < 11; ++i) {
        Option1[i] =
            opzione(QStringLiteral("Option1"), i, QString::fromStdString(s.nomiruote[i]), ruote);
        colonnaruote->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Option2[i] = opzione(QStringLiteral("Option2"), i, QString::fromLatin1(ORDINI[i]), ordini);
        colonnaordini->addWidget(Option2[i]);
        connect(Option2[i], &QRadioButton::clicked, this, [this] { scrivitab(); });
    }
    Option1[0]->setChecked(true);
    Option2[0]->setChecked(true);

    Label2 = etichetta(QStringLiteral("Label2"), QStringLiteral("Ruota di Bari"));
    QFont grassetto = Label2->font();
    grassetto.setBold(true);
    Label2->setFont(grassetto);

    MSFlexGrid1 = new platform::Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    {
        platform::Grid::Batch lotto(*MSFlexGrid1);
        MSFlexGrid1->setRows(91);
        MSFlexGrid1->setCols(13);
        MSFlexGrid1->setFixedRows(1);
        MSFlexGrid1->setFixedCols(0);
        MSFlexGrid1->setFontBold(true);
        for (int c = 0; c < 13; ++c) {
            MSFlexGrid1->setTextMatrix(0, c, QString::fromLatin1(INTESTAZIONI[c]));
            MSFlexGrid1->setColWidth(c, c == 0 ? LARGHEZZAPOS : LARGHEZZA);
            if (c > 0) MSFlexGrid1->setColAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);
        }
        for (int r = 1; r <= 90; ++r) {
            MSFlexGrid1->setCellForeColor(r, 1, QColor(255, 0, 0));
            MSFlexGrid1->setCellForeColor(r, 0, QColor(255, 0, 255));
        }
    }
    MSFlexGrid1->setMinimumSize(MSFlexGrid1->twipsToPixels(LARGHEZZAPOS + 12 * LARGHEZZA) + 30,
                                MSFlexGrid1->twipsToPixels(7500));

    auto* pulsanti = new QVBoxLayout;
    pulsanti->addWidget(pulsante(QStringLiteral("Command2"), QStringLiteral("Stampa"),
                                 [this] { Command2_Click(); }));
    pulsanti->addWidget(pulsanteguida(QStringLiteral("Command3")));
    pulsanti->addStretch();

    principale->addWidget(Label2, 0, 0, 1, 3);
    principale->addWidget(MSFlexGrid1, 1, 0, 3, 1);
    principale->addWidget(ruote, 1, 1);
    principale->addWidget(ordini, 1, 2);
    principale->addLayout(pulsanti, 2, 1, 1, 2);
}

int estratti::colonnaordine() const {
    for (int i = 0; i < 11; ++i)
        if (Option2[i]->isChecked()) return COLONNEORDINE[i];
    return 1;
}

// The rows are ordered by the values themselves, so "10" follows "9" and "12,50" follows
// "12,25" whatever their texts.
void estratti::scrivitab() {
    const auto ordine = ordineestratti(tabella, ruota, colonnaordine());
    QStringList testi;
    testi.reserve(90 * 13);
    for (int r = 0; r < 90; ++r) {
        const int n = ordine[r];
        testi << platform::plainText(r + 1) << celle(tabella[ruota - 1][n - 1], n);
    }
    MSFlexGrid1->fillRows(1, std::move(testi));
}

void estratti::Option1_Click(int indice) {
    ruota = indice + 1;
    Label2->setText(indice >= 10 ? QStringLiteral("Tutte le ruote")
                                 : QStringLiteral("Ruota di ") +
                                       QString::fromStdString(s.nomiruote[indice]));
    scrivitab();
}

void estratti::Command2_Click() {
    Righe righe;
    righe[0] = QStringLiteral("Tabella Estratti");
    righe[1] = Label2->text();
    stampaosalva(MSFlexGrid1->content(), righe, {0, 6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 66, 72});
}

} // namespace bolv
