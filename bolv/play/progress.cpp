#include "progress.h"

#include "nomifinestre.h"

#include "grid.h"
#include "messagebox.h"
#include "mousepointer.h"
#include "textformat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

namespace bolv {

namespace {

const char* const FINANZIARI[] = {"Capitale:", "Guadagno min:", "Guad min %:"};
const char* const GIOCATA[] = {
    "Numeri per bolletta:", "Numero bollette:",    "Numero ruote:", "Sorte:",
    "Estrazioni di gioco:", "Estraz. di recupero:"};
const int MINIMI[] = {1, 1, 1, 1, 1, 0};
const int MASSIMI[] = {10, 10, 10, 5, MAXESTRAZIONIGIOCO, 1};
const char* const INTESTAZIONI[] = {"Estr.", "Posta", "Investito", "Vincita", "Utile", "Utile %"};
const int LARGHEZZE[] = {700, 1500, 1500, 1500, 1500, 1500}; // twips
constexpr int LARGHEZZACURSORE = 160;                        // pixels

// A text read as a number: its blanks ignored, then its leading number.
double numero(const QLineEdit* t) {
    QString testo = t->text();
    testo.remove(QLatin1Char(' '));
    return platform::leadingValue(testo);
}

// "#,###": grouped by thousands, 0 as an empty cell. Whole lire in 64 bits never pass
// through a double.
QString lire(int64_t v) {
    return v == 0 ? QString() : QLocale().toString(static_cast<qlonglong>(v));
}

} // namespace

progress::progress(Stato& s) : Finestra(s, nomi::progress) {
    costruisci();
}

void progress::costruisci() {
    setWindowTitle(QStringLiteral("Progressioni"));
    auto* colonna = new QVBoxLayout(this);
    auto* parametri = new QHBoxLayout;
    parametri->addWidget(riquadrofinanziario());
    parametri->addWidget(riquadrogiocata());
    colonna->addLayout(parametri);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Elabora"),
                                [this] { Command1_Click(); }));
    Command3 = pulsante(QStringLiteral("Command3"), QStringLiteral("Stampa"),
                        [this] { Command3_Click(); });
    Command3->setEnabled(false); // nothing to print before the first plan
    comandi->addWidget(Command3);
    comandi->addWidget(pulsanteguida(QStringLiteral("Command2")));
    comandi->addStretch();
    colonna->addLayout(comandi);

    MSFlexGrid1 = new platform::Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    colonna->addWidget(MSFlexGrid1, 1);
    preparagriglia();
}

QWidget* progress::riquadrofinanziario() {
    auto* f = new QGroupBox(QStringLiteral("Parametri finanziari"), this);
    auto* griglia = new QGridLayout(f);
    for (int i = 0; i < 3; ++i) {
        Text1[i] = casellatesto(nomecontrollo(QStringLiteral("Text1"), i), f);
        griglia->addWidget(etichetta(nomecontrollo(QStringLiteral("Label1"), i),
                                     QString::fromLatin1(FINANZIARI[i]), f),
                           i, 0);
        griglia->addWidget(Text1[i], i, 1);
    }
    griglia->setRowStretch(3, 1);
    return f;
}

QWidget* progress::riquadrogiocata() {
    auto* f = new QGroupBox(QStringLiteral("Parametri giocata"), this);
    auto* griglia = new QGridLayout(f);
    for (int i = 0; i < 6; ++i) {
        Slider1[i] = new QSlider(Qt::Horizontal, f);
        Slider1[i]->setObjectName(nomecontrollo(QStringLiteral("Slider1"), i));
        Slider1[i]->setRange(MINIMI[i], MASSIMI[i]);
        Slider1[i]->setValue(MINIMI[i]);
        Slider1[i]->setPageStep(1);
        Slider1[i]->setMinimumWidth(LARGHEZZACURSORE);
        Label2[i] = etichetta(nomecontrollo(QStringLiteral("Label2"), i), {}, f);
        Label2[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")));
        griglia->addWidget(etichetta(nomecontrollo(QStringLiteral("Label3"), i),
                                     QString::fromLatin1(GIOCATA[i]), f),
                           i, 0);
        griglia->addWidget(Slider1[i], i, 1);
        griglia->addWidget(Label2[i], i, 2);
        connect(Slider1[i], &QSlider::valueChanged, this, [this, i] { aggiornaetichette(i); });
        aggiornaetichette(i);
    }
    Slider1[5]->setMaximum(1);
    return f;
}

void progress::preparagriglia() {
    MSFlexGrid1->setCols(6);
    MSFlexGrid1->setRows(2);
    MSFlexGrid1->setFixedRows(1);
    MSFlexGrid1->setFixedCols(0);
    int larghezza = 0;
    for (int c = 0; c < 6; ++c) {
        MSFlexGrid1->setTextMatrix(0, c, QString::fromLatin1(INTESTAZIONI[c]));
        MSFlexGrid1->setColWidth(c, LARGHEZZE[c]);
        larghezza += MSFlexGrid1->twipsToPixels(LARGHEZZE[c]);
    }
    // Grouped amounts and per cents are numbers to the eye: right-aligned like the rest.
    for (int c = 1; c < 6; ++c)
        MSFlexGrid1->setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    // The whole plan in sight: every column, and a row for each of the 20 draws.
    const int bordo = 2 * MSFlexGrid1->frameWidth();
    MSFlexGrid1->setMinimumSize(
        larghezza + bordo + MSFlexGrid1->verticalScrollBar()->sizeHint().width(),
        (MAXESTRAZIONIGIOCO + 1) * MSFlexGrid1->verticalHeader()->defaultSectionSize() + bordo);
}

// The recovery draws never exceed the draws to play.
void progress::aggiornaetichette(int i) {
    Label2[i]->setText(QString::number(Slider1[i]->value()));
    if (!Slider1[5]) return; // still being built
    if (Slider1[5]->value() > Slider1[4]->value()) Slider1[5]->setValue(Slider1[4]->value());
    Slider1[5]->setMaximum(Slider1[4]->value());
}

Giocata progress::ingressi() const {
    Giocata g;
    g.capitale = std::nearbyint(numero(Text1[0]));
    g.guadagnominimo = std::nearbyint(numero(Text1[1]));
    g.guadagnopercento = numero(Text1[2]);
    g.numeri = Slider1[0]->value();
    g.bollette = Slider1[1]->value();
    g.ruote = Slider1[2]->value();
    g.sorte = Slider1[3]->value();
    g.estrazionigioco = Slider1[4]->value();
    g.estrazionirecupero = Slider1[5]->value();
    return g;
}

void progress::Command1_Click() {
    platform::setMousePointer(nullptr, platform::Pointer::Hourglass);
    const Giocata g = ingressi();
    const Piano piano = pianifica(g, s.tabellavincite);
    if (piano.esito == Esitopiano::pronto)
        mostra(piano.tappe);
    else
        avvisa(piano.esito, g.ruote);
    platform::setMousePointer(nullptr, platform::Pointer::Default);
}

void progress::avvisa(Esitopiano esito, int ruote) {
    QString testo;
    switch (esito) {
    case Esitopiano::capitaleeccessivo:
        testo = QStringLiteral("Il capitale deve essere minore di 1.000.000.000.");
        break;
    case Esitopiano::sortealta:
        testo = QStringLiteral("La sorte impostata e' superiore al numero di numeri giocati. "
                               "Cambiare i valori.");
        break;
    case Esitopiano::nonimpostati:
        testo = QStringLiteral("Il capitale e il guadagno minimo devono essere impostati.");
        break;
    case Esitopiano::nonremunerativo:
        testo = QStringLiteral(
            "Il tipo di gioco impostato non e' remunerativo per qualsiasi importo giocato.");
        break;
    case Esitopiano::capitaleinsufficiente:
        testo =
            ruote < 10
                ? QStringLiteral("Il capitale non e' sufficiente a garantire il guadagno voluto.")
                : QStringLiteral("Il capitale non e' sufficiente a garantire il "
                                 "guadagno voluto sul numero di estrazioni impostato.");
        break;
    case Esitopiano::pronto:
        return;
    }
    platform::message(testo);
}

void progress::mostra(const std::vector<Tappa>& tappe) {
    QStringList celle;
    for (size_t i = 0; i < tappe.size(); ++i) {
        const Tappa& t = tappe[i];
        celle << QString::number(i + 1) << lire(t.posta) << lire(t.investito) << lire(t.vincita)
              << lire(t.utile)
              << platform::formatNumber(t.utilepercento * 100, QStringLiteral("#0.0")) +
                     QLatin1Char('%');
    }
    platform::Grid::Batch batch(*MSFlexGrid1);
    MSFlexGrid1->setRows(1);
    MSFlexGrid1->fillRows(1, std::move(celle));
    Command3->setEnabled(true);
}

void progress::Command3_Click() {
    Righe righe;
    righe[0] = QStringLiteral("Elaborazione Progressioni");
    righe[1] = QStringLiteral("Progressione");
    stampaosalva(MSFlexGrid1->content(), righe, {0, 9, 19, 29, 39, 49});
}

} // namespace bolv
