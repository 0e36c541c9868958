#include "archesteso.h"

#include "elabora.h"
#include "nomifinestre.h"
#include "testo.h"

#include "grid.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace bolv {

namespace {

const QColor CIANO(0, 255, 255);
const QColor VERDE(0, 255, 0);
constexpr int LARGHEZZADATA = 800;   // twips
constexpr int LARGHEZZANUMERO = 240; // twips
constexpr int ALTEZZA = 520;         // pixels
constexpr int CORNICE = 16;          // room for a child window's frame, pixels

QString qs(const std::string& t) {
    return QString::fromStdString(t);
}

int colonna(int w, int k) {
    return (w - 1) * 5 + k;
}

} // namespace

archesteso::archesteso(Stato& s) : Finestra(s, nomi::archesteso) {
    costruisci();
}

QSize archesteso::sizeHint() const {
    // Every column in view (the date, the 50 numbers, the scroll bar) where the main window's
    // client area is wide enough; else as wide as it is, the grid scrolling the rest.
    int larghezza = 2 * esteso->frameWidth() + esteso->verticalScrollBar()->sizeHint().width() +
                    2 * layout()->contentsMargins().left();
    for (int c = 0; c < esteso->cols(); ++c)
        larghezza += esteso->columnWidth(c);
    QSize misura(larghezza, ALTEZZA);
    if (const QMdiArea* area = platform::registry().mdiArea())
        misura = misura.boundedTo(area->viewport()->size() - QSize(CORNICE, 2 * CORNICE));
    return misura;
}

// A width in twips that holds campione in the grid's font, and never less than twips: the
// layout's widths were made for a narrower face than the desktop's.
int archesteso::larghezza(int twips, const QString& campione) const {
    return std::max(twips, esteso->twipsFor(campione));
}

void archesteso::costruisci() {
    setWindowTitle(QStringLiteral("Archivio - Visualizzazione estesa"));
    Label1 = etichetta(QStringLiteral("Label1"), QStringLiteral("Estrazioni dal"));
    esteso = new platform::Grid(this);
    esteso->setObjectName(QStringLiteral("esteso"));
    esteso->setCols(51);
    esteso->setFixedRows(1);
    esteso->setFixedCols(1);
    esteso->setFontSize(7);
    esteso->setMergeMode(platform::MergeMode::RestrictRows);
    const int numero = larghezza(LARGHEZZANUMERO, QStringLiteral("88"));
    esteso->setColWidth(0, larghezza(LARGHEZZADATA, QStringLiteral("00.00.0000")));
    for (int c = 1; c <= 50; ++c)
        esteso->setColWidth(c, numero);

    Command1 =
        pulsante(QStringLiteral("Command1"), QStringLiteral("<"), [this] { Command1_Click(); });
    Command1->setToolTip(QStringLiteral("Indietro di un anno"));
    Command2 =
        pulsante(QStringLiteral("Command2"), QStringLiteral(">"), [this] { Command2_Click(); });
    Command2->setToolTip(QStringLiteral("Avanti di un anno"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItem(QStringLiteral("Nessuno"));
    for (int n = 1; n <= 90; ++n)
        Combo1->addItem(qs(Str(n)));

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(etichetta(nomecontrollo(QStringLiteral("Label2"), 0),
                                 QStringLiteral("Numero da evidenziare")));
    comandi->addWidget(Combo1);
    comandi->addStretch();
    comandi->addWidget(
        etichetta(nomecontrollo(QStringLiteral("Label2"), 1), QStringLiteral("Previous")));
    comandi->addWidget(Command1);
    comandi->addWidget(Command2);
    comandi->addWidget(
        etichetta(nomecontrollo(QStringLiteral("Label2"), 2), QStringLiteral("Next")));
    comandi->addWidget(pulsanteguida(QStringLiteral("Command3")));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Label1);
    colonna->addWidget(esteso, 1);
    colonna->addLayout(comandi);

    anno = annofinoa(s, s.ultimaestrazione);
    // With no draws there is no year to show or to step from.
    for (QWidget* w : std::initializer_list<QWidget*>{Command1, Command2, Combo1})
        w->setEnabled(anno.has_value());
    connect(Combo1, &QComboBox::currentIndexChanged, this, &archesteso::Combo1_Click);
    Combo1_Click();
}

void archesteso::Combo1_Click() {
    const int i = Combo1->currentIndex();
    numeroevidenziato = i > 0 ? i : -1;
    compilaanno();
}

void archesteso::Command1_Click() {
    if (!anno) return;
    if (auto precedente = annoprecedente(s, *anno)) {
        anno = precedente;
        compilaanno();
    }
}

void archesteso::Command2_Click() {
    if (!anno) return;
    if (auto successivo = annosuccessivo(s, *anno)) {
        anno = successivo;
        compilaanno();
    }
}

void archesteso::compilaanno() {
    Interfaccia& ui = s.interfaccia();
    ui.mostramessaggio("Preparazione tabella in corso...");
    const int n = anno ? anno->fine - anno->inizio + 1 : 0;
    {
        platform::Grid::Batch lotto(*esteso);
        esteso->setRows(n + 1);
        esteso->clear();
        esteso->setMergeRow(0, true);
        intestazione();
        for (int r = 1; r <= n; ++r) {
            ui.progresso(percentuale(r - 1, n - 1));
            rigaestrazione(r, anno->inizio + r - 1);
        }
    }
    if (anno) {
        const auto breve = [&](int d) { return formatodata(s.dateestrazioni[d], "dd.mm.yy"); };
        Label1->setText(qs("Estrazioni dal " + breve(anno->inizio) + "  al " + breve(anno->fine) +
                           "   (" + Str(n) + " estrazioni)"));
    }
    ui.chiudimessaggio();
}

void archesteso::intestazione() {
    for (int c = 1; c <= 50; ++c)
        esteso->setTextMatrix(0, c, qs(s.nomiruote[(c - 1) / 5]));
}

void archesteso::rigaestrazione(int r, int d) {
    esteso->setTextMatrix(r, 0, qs(formatodata(s.dateestrazioni[d], "dd.mm.yyyy")));
    for (int w = 1; w <= 10; ++w)
        for (int k = 1; k <= 5; ++k) {
            const int numero = s.estr(d, w, k);
            const int c = colonna(w, k);
            esteso->setTextMatrix(r, c, QString::number(numero));
            // Bari, Firenze, Milano, Palermo and Torino in bands, so each wheel stands apart.
            if (w % 2 == 1) esteso->setCellBackColor(r, c, CIANO);
            if (numero == numeroevidenziato) esteso->setCellBackColor(r, c, VERDE);
        }
}

} // namespace bolv
