#include "ambi.h"

#include "nomifinestre.h"

#include "grid.h"
#include "messagebox.h"
#include "textformat.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bolv {

namespace {
const char* const STATISTICHE[3] = {"Rit Attuali", "Rit Storici", "Presenze"};
const char* const ETICHETTE[3] = {"Ritardi Attuali", "Ritardi Storici ", "Presenze"};

// Room for "Cagliari" and for five digits.
constexpr int LARGHEZZA = 920;

QString numero(int n) {
    return platform::formatNumber(n, QStringLiteral("00"));
}
} // namespace

ambi::ambi(Stato& s) : Finestra(s, nomi::ambi) {
    // Opened only while the pair tables are active (the main window sees to it).
    if (const auto v = tabellaambi(s)) tabella = copiaambi(*v);
    costruisci();
    riempiambi();
}

void ambi::costruisci() {
    setWindowTitle(QStringLiteral("Tutti gli ambi"));
    auto* principale = new QGridLayout(this);

    MSFlexGrid1 = new platform::Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setCols(12);
    MSFlexGrid1->setRows(1);
    MSFlexGrid1->setFixedRows(1);
    MSFlexGrid1->setFixedCols(1);
    MSFlexGrid1->setTextMatrix(0, 0, QStringLiteral("Ambo"));
    for (int w = 1; w <= RUOTATUTTE; ++w)
        MSFlexGrid1->setTextMatrix(0, w, QString::fromStdString(s.nomiruote[w - 1]));
    // A pair is two numbers joined, not a figure: at the left; the figures at the right.
    for (int c = 0; c < 12; ++c) {
        MSFlexGrid1->setColWidth(c, LARGHEZZA);
        MSFlexGrid1->setColAlignment(c,
                                     (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    MSFlexGrid1->setMinimumSize(MSFlexGrid1->twipsToPixels(12 * LARGHEZZA) + 30,
                                MSFlexGrid1->twipsToPixels(5000));

    auto* visualizza = new QGroupBox(QStringLiteral("Visualizza"), this);
    auto* righevis = new QVBoxLayout(visualizza);
    for (int i = 0; i < 3; ++i) {
        Option1[i] =
            opzione(QStringLiteral("Option1"), i, QString::fromLatin1(STATISTICHE[i]), visualizza);
        righevis->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    Option1[0]->setChecked(true);

    auto* ordina = new QGroupBox(QStringLiteral("Ordina su"), this);
    auto* righeord = new QGridLayout(ordina);
    for (int i = 0; i < 12; ++i) {
        const QString testo =
            i < 11 ? QString::fromStdString(s.nomiruote[i]) : QStringLiteral("Ambi");
        Option2[i] = opzione(QStringLiteral("Option2"), i, testo, ordina);
        righeord->addWidget(Option2[i], i % 6, i / 6);
        connect(Option2[i], &QRadioButton::clicked, this, [this] { riempiambi(); });
    }
    Option2[11]->setChecked(true);

    auto* capo = new QGroupBox(QStringLiteral("Capogioco"), this);
    Combo1 = new QComboBox(capo);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItem(QStringLiteral("Nessuno"));
    for (int n = 1; n <= 90; ++n)
        Combo1->addItem(platform::plainText(n));
    Combo1->setCurrentIndex(1);
    (new QVBoxLayout(capo))->addWidget(Combo1);
    // A head number chosen from the list, or typed and confirmed with Enter (not at every
    // key, which would refuse "1" on the way to "10").
    connect(Combo1, &QComboBox::activated, this,
            [this](int indice) { Combo1_Click(Combo1->itemText(indice)); });
    connect(Combo1->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { Combo1_Click(Combo1->currentText()); });

    Label1 = etichetta(QStringLiteral("Label1"), QString::fromLatin1(ETICHETTE[0]));
    QFont grassetto = Label1->font();
    grassetto.setBold(true);
    Label1->setFont(grassetto);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsante(QStringLiteral("Command2"), QStringLiteral("Stampa su file"),
                                [this] { Command2_Click(); }));
    comandi->addWidget(pulsanteguida(QStringLiteral("Command1")));

    auto* lato = new QVBoxLayout;
    lato->addWidget(Label1);
    lato->addWidget(visualizza);
    lato->addWidget(ordina);
    lato->addWidget(capo);
    lato->addLayout(comandi);
    lato->addStretch();
    principale->addWidget(MSFlexGrid1, 0, 0);
    principale->addLayout(lato, 0, 1);
}

// The rows are placed in their order by the values themselves (never by their text), and
// rewritten at every change.
void ambi::riempiambi() {
    int colonna = 12;
    for (int i = 0; i < 12; ++i)
        if (Option2[i]->isChecked()) colonna = i + 1;
    const std::vector<int> righe = righeambi(tabella, capogioco, statistica, colonna);
    QStringList testi;
    testi.reserve(static_cast<qsizetype>(righe.size()) * 12);
    for (int k : righe) {
        const Ambo& a = tabella[k];
        testi << numero(a.a) + QLatin1Char('.') + numero(a.b);
        for (int v : a.valori[statistica])
            testi << QString::number(v);
    }
    platform::Grid::Batch lotto(*MSFlexGrid1);
    MSFlexGrid1->setRows(1);
    MSFlexGrid1->fillRows(1, std::move(testi));
}

void ambi::Option1_Click(int indice) {
    statistica = indice;
    Label1->setText(QString::fromLatin1(ETICHETTE[indice]));
    riempiambi();
}

void ambi::Combo1_Click(const QString& testo) {
    const auto h = capogiocoambi(testo.toStdString());
    if (!h) {
        platform::message(QStringLiteral("Capogioco non valido: scegliere \"Nessuno\" oppure un "
                                         "numero da 1 a 90."));
        Combo1->setCurrentIndex(capogioco);
        Combo1->setEditText(Combo1->itemText(capogioco));
        return;
    }
    Combo1->setCurrentIndex(*h);
    if (*h == capogioco) return; // already shown
    capogioco = *h;
    riempiambi();
}

void ambi::Command2_Click() {
    Righe righe;
    righe[0] = QStringLiteral("Tabella degli ambi");
    righe[1] = QStringLiteral("Ambi");
    righe[2] = QStringLiteral("Capogioco: ") + Combo1->itemText(capogioco);
    salvatesto(rapportogriglia(s, MSFlexGrid1->content(), righe,
                               {0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 99}));
}

} // namespace bolv
