#include "capogioco.h"

#include "calcolocapogioco.h"
#include "nomifinestre.h"

#include "grid.h"
#include "messagebox.h"
#include "mousepointer.h"
#include "textformat.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace bolv {

namespace {
// Room for "Ambi + Ritardati" and "Post-Antipatici".
constexpr int LARGHEZZA = 1750;
const char* const INTESTAZIONI[6] = {"",           "Ambi + Ritardati", "Simpatici",
                                     "Antipatici", "Post-Simpatici",   "Post-Antipatici"};

QString cinquina(const Cinquina& c) {
    QStringList t;
    for (int n : c)
        t << platform::formatNumber(n, QStringLiteral("00"));
    return t.join(QLatin1Char('.'));
}

QString didascalia(int n) {
    return QStringLiteral("Calcola sulle ultime ") + platform::plainText(n) +
           QStringLiteral(" estrazioni");
}
} // namespace

capogioco::capogioco(Stato& s) : Finestra(s, nomi::capogioco) {
    costruisci();
}

void capogioco::costruisci() {
    setWindowTitle(QStringLiteral("Capogioco (Simpatici / Antipatici)"));
    const int lunghezza = std::max(1, s.ultimaestrazione - s.primaestrazione + 1);
    auto* principale = new QGridLayout(this);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (int n = 1; n <= 90; ++n)
        Combo1->addItem(platform::plainText(n));
    auto* capo = new QHBoxLayout;
    capo->addWidget(etichetta(QStringLiteral("Label1"), QStringLiteral("Capogioco:")));
    capo->addWidget(Combo1);
    capo->addStretch();

    Frame1 = new QGroupBox(didascalia(lunghezza), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    slider1 = new QSlider(Qt::Horizontal, Frame1);
    slider1->setObjectName(QStringLiteral("slider1"));
    slider1->setRange(1, lunghezza);
    slider1->setValue(lunghezza);
    slider1->setToolTip(QStringLiteral("Scegliere l'estrazione di partenza per il conteggio"));
    (new QHBoxLayout(Frame1))->addWidget(slider1);

    Grid1 = new platform::Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    {
        platform::Grid::Batch lotto(*Grid1);
        Grid1->setRows(11);
        Grid1->setCols(6);
        for (int c = 0; c < 6; ++c) {
            Grid1->setTextMatrix(0, c, QString::fromLatin1(INTESTAZIONI[c]));
            Grid1->setColWidth(c, LARGHEZZA);
        }
        for (int w = 1; w <= 10; ++w)
            Grid1->setTextMatrix(w, 0, QString::fromStdString(s.nomiruote[w - 1]));
    }
    Grid1->setMinimumSize(Grid1->twipsToPixels(6 * LARGHEZZA) + 10, Grid1->twipsToPixels(11 * 300));

    Command2 = pulsante(QStringLiteral("Command2"), QStringLiteral("Stampa"),
                        [this] { Command2_Click(); });
    Command2->setEnabled(false);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Ricerca"),
                                [this] { Command1_Click(); }));
    comandi->addWidget(Command2);
    comandi->addWidget(pulsanteguida(QStringLiteral("Command3")));
    comandi->addStretch();

    principale->addLayout(capo, 0, 0);
    principale->addWidget(Frame1, 1, 0);
    principale->addWidget(Grid1, 2, 0);
    principale->addLayout(comandi, 3, 0);

    // The grid no longer matches the choice: "Stampa" waits for the next "Ricerca".
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Command2->setEnabled(false); });
    connect(slider1, &QSlider::valueChanged, this, &capogioco::Slider1_Scroll);
}

void capogioco::Slider1_Scroll() {
    Frame1->setTitle(didascalia(slider1->value()));
    Command2->setEnabled(false);
}

void capogioco::Command1_Click() {
    const auto v = tabellaambi(s);
    if (!v) {
        platform::message(
            QStringLiteral("Per utilizzare questa funzione è necessario prima attivare gli ambi"));
        return;
    }
    platform::setMousePointer(nullptr, platform::Pointer::ArrowHourglass);
    const Tabellacapogioco t =
        calcolacapogioco(s, *v, Combo1->currentIndex() + 1, slider1->value());
    platform::setMousePointer(nullptr, platform::Pointer::Default);
    platform::Grid::Batch lotto(*Grid1);
    for (int w = 1; w <= 10; ++w)
        for (int c = 0; c < 5; ++c)
            Grid1->setTextMatrix(w, c + 1, cinquina(t[w - 1][c]));
    Command2->setEnabled(true);
}

void capogioco::Command2_Click() {
    Righe righe;
    righe[0] = QStringLiteral("NUMERI SIMPATICI");
    righe[1] = QStringLiteral("CAPOGIOCO ") + Combo1->currentText();
    righe[2] = QStringLiteral("Calcoli basati sulle ultime ") +
               platform::plainText(slider1->value()) + QStringLiteral(" estrazioni");
    stampaosalva(Grid1->content(), righe, {0, 11, 30, 46, 62, 78});
}

} // namespace bolv
