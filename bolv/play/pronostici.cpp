#include "pronostici.h"

#include "nomifinestre.h"

#include "filedialog.h"
#include "grid.h"
#include "messagebox.h"
#include "mousepointer.h"
#include "textformat.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace bolv {

namespace {

const QString NONVALIDO = QStringLiteral("Nome di file non valido.");
const QColor VERDE(0, 255, 0);
const QColor BIANCO(255, 255, 255);
constexpr int COLONNE = 8;

QString testo(const std::string& t) {
    return QString::fromStdString(t);
}

// The shared file dialog set for ".pro" files; the name it last held stays.
platform::FileDialog& dialogopronostici(const QString& titolo) {
    platform::FileDialog& d = platform::commonDialog();
    d.setTitle(titolo);
    d.setFilter(QStringLiteral("File di pronostici (*.pro)|*.pro"));
    d.setDefaultExtension(QStringLiteral("*.pro"));
    return d;
}

} // namespace

pronostici::pronostici(Stato& s) : Finestra(s, nomi::pronostici) {
    costruisci();
}

void pronostici::costruisci() {
    setWindowTitle(QStringLiteral("Gestore Pronostici"));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(etichetta(nomecontrollo(QStringLiteral("Label3"), 3),
                                 QStringLiteral("Gruppo di pronostici")));
    Grid = new platform::Grid(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setCols(COLONNE);
    Grid->setRows(1);
    Grid->setFixedRows(1);
    Grid->setFixedCols(0);
    const char* intestazioni[COLONNE] = {"Ruote", "Numeri", "Sorti", "M", "A", "T", "Q", "C"};
    for (int c = 0; c < COLONNE; ++c)
        Grid->setTextMatrix(0, c, QString::fromLatin1(intestazioni[c]));
    Grid->setColWidth(0, 2400);
    Grid->setColWidth(1, 2400);
    for (int c = 3; c < COLONNE; ++c)
        Grid->setColWidth(c, 380);
    // The wheels, numbers and sorti of a forecast read as text, its results as numbers.
    for (int c = 0; c < COLONNE; ++c)
        Grid->setColAlignment(c, (c < 3 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    // Every column in view, the scroll bar beside them.
    Grid->setMinimumSize(Grid->widthShowingAllColumns(), Grid->twipsToPixels(3000));
    connect(Grid, &platform::Grid::cellDoubleClicked, this, [this] { Grid_DblClick(); });
    colonna->addWidget(Grid, 1);
    colonna->addWidget(costruiscipronostico());
    colonna->addWidget(costruisciverifica());

    // The window opens on the last draw of the analysis window.
    connect(Slider1, &QSlider::valueChanged, this, &pronostici::mostraestrazione);
    mostraestrazione();
}

QWidget* pronostici::costruiscipronostico() {
    auto* Frame1 = new QGroupBox(QStringLiteral("Pronostico"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* griglia = new QGridLayout(Frame1);
    const char* didascalie[3] = {"Ruote", "Numeri", "Sorte"};
    for (int i = 0; i < 3; ++i)
        griglia->addWidget(etichetta(nomecontrollo(QStringLiteral("Label3"), i),
                                     QString::fromLatin1(didascalie[i]), Frame1),
                           i == 0 ? 0 : i + 1, 0);
    auto* ruote = new QGridLayout;
    for (int w = 0; w < 10; ++w) {
        Check1[w] =
            casella(nomecontrollo(QStringLiteral("Check1"), w), testo(s.nomiruote[w]), Frame1);
        ruote->addWidget(Check1[w], w / 5, w % 5);
    }
    const char* tutte[2] = {"Tutte", "Nessuna"};
    for (int i = 0; i < 2; ++i)
        ruote->addWidget(pulsante(
                             nomecontrollo(QStringLiteral("Command4"), i),
                             QString::fromLatin1(tutte[i]), [this, i] { Command4_Click(i); },
                             Frame1),
                         i, 5);
    griglia->addLayout(ruote, 0, 1, 2, 1);
    Text1 = casellatesto(QStringLiteral("Text1"), Frame1);
    griglia->addWidget(Text1, 2, 1);
    auto* sorti = new QHBoxLayout;
    for (int k = 0; k < 5; ++k) {
        Check2[k] = casella(nomecontrollo(QStringLiteral("Check2"), k),
                            QString(QLatin1Char(CODICISORTI[k])), Frame1);
        sorti->addWidget(Check2[k]);
    }
    sorti->addStretch();
    sorti->addWidget(pulsante(
        QStringLiteral("Command5"), QStringLiteral("Aggiungi pronostico"),
        [this] { Command5_Click(); }, Frame1));
    griglia->addLayout(sorti, 3, 1);
    return Frame1;
}

QWidget* pronostici::costruisciverifica() {
    auto* pannello = new QWidget(this);
    auto* griglia = new QGridLayout(pannello);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->addWidget(pulsante(
                           QStringLiteral("Command6"), QStringLiteral("Nuovo gruppo"),
                           [this] { Command6_Click(); }, pannello),
                       0, 0);
    griglia->addWidget(pulsante(
                           QStringLiteral("Command7"), QStringLiteral("Salva gruppo"),
                           [this] { Command7_Click(); }, pannello),
                       0, 1);
    griglia->addWidget(pulsante(
                           QStringLiteral("Command1"), QStringLiteral("Carica gruppo"),
                           [this] { Command1_Click(); }, pannello),
                       0, 2);
    griglia->addWidget(pulsanteguida(QStringLiteral("Command8"), pannello), 0, 3);
    griglia->addWidget(
        etichetta(QStringLiteral("Label1"), QStringLiteral("Estrazione di verifica:"), pannello), 1,
        0);
    Slider1 = new QSlider(Qt::Horizontal, pannello);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(500);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    // With no draws held there is nothing to check against.
    Slider1->setEnabled(s.numestrazioni > 0);
    Slider1->setRange(std::max(1, s.primaestrazione), std::max(1, s.ultimaestrazione));
    Slider1->setValue(Slider1->maximum());
    griglia->addWidget(Slider1, 1, 1, 1, 2);
    griglia->addWidget(pulsante(
                           QStringLiteral("Command3"), QStringLiteral("Ultima"),
                           [this] { Command3_Click(); }, pannello),
                       1, 3);
    Label2 = etichetta(QStringLiteral("Label2"), {}, pannello);
    griglia->addWidget(Label2, 2, 1, 1, 2);
    return pannello;
}

// Rows 1.. from the group and the last check: texts, counts and colours.
void pronostici::mostragruppo() {
    platform::Grid::Batch lotto(*Grid);
    Grid->setRows(static_cast<int>(gruppo.size()) + 1);
    for (size_t i = 0; i < gruppo.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        Grid->setTextMatrix(r, 0, testo(gruppo[i].ruote));
        Grid->setTextMatrix(r, 1, testo(gruppo[i].numeri));
        Grid->setTextMatrix(r, 2, testo(gruppo[i].sorti));
        for (int k = 0; k < 5; ++k) {
            Grid->setTextMatrix(r, 3 + k, testo(esiti[i].testo(k)));
            Grid->setCellBackColor(r, 3 + k, esiti[i].vincente(k) ? VERDE : BIANCO);
        }
    }
}

void pronostici::mostraestrazione() {
    if (s.numestrazioni < 1) return; // no draw to show or check against
    const int d = Slider1->value();
    Label2->setText(QStringLiteral("n.") + platform::plainText(d) + QStringLiteral("    ") +
                    platform::formatDate(s.dateestrazioni[d], QStringLiteral("dd.mm.yyyy")));
    verifica();
}

void pronostici::verifica() {
    platform::setMousePointer(nullptr, platform::Pointer::ArrowHourglass);
    for (size_t i = 0; i < gruppo.size(); ++i)
        esiti[i] = verificapronostico(s, Slider1->value(), gruppo[i]);
    mostragruppo();
    platform::setMousePointer(nullptr, platform::Pointer::Default);
}

void pronostici::Command5_Click() {
    Sceltapronostico scelta;
    for (int w = 0; w < 10; ++w)
        scelta.ruote[w] = Check1[w]->isChecked();
    for (int k = 0; k < 5; ++k)
        scelta.sorti[k] = Check2[k]->isChecked();
    scelta.numeri = Text1->text().toStdString();
    const Nuovopronostico nuovo = componipronostico(scelta, gruppo.size());
    if (!nuovo.messaggio.empty()) {
        platform::message(testo(nuovo.messaggio));
        return;
    }
    gruppo.push_back(nuovo.pronostico);
    esiti.emplace_back();
    mostragruppo();
}

void pronostici::Grid_DblClick() {
    const int r = Grid->row();
    if (gruppo.empty() || r < 1 || r > static_cast<int>(gruppo.size())) return;
    if (!platform::ask(QStringLiteral("Si desidera eliminare il pronostico dal gruppo?"),
                       QStringLiteral("Conferma eliminazione pronostico")))
        return;
    gruppo.erase(gruppo.begin() + (r - 1));
    esiti.erase(esiti.begin() + (r - 1));
    mostragruppo();
}

void pronostici::Command6_Click() {
    gruppo.clear();
    esiti.clear();
    mostragruppo();
}

void pronostici::Command7_Click() {
    platform::FileDialog& d = dialogopronostici(QStringLiteral("Salva gruppo di pronostici"));
    if (!d.showSave()) return;
    if (!scrivigruppo(d.fileName().toStdString(), gruppo)) platform::message(NONVALIDO);
}

void pronostici::Command1_Click() {
    platform::FileDialog& d = dialogopronostici(QStringLiteral("Leggi gruppo di pronostici"));
    if (!d.showOpen()) return;
    auto letto = leggigruppo(d.fileName().toStdString());
    if (!letto) {
        platform::message(NONVALIDO);
        return;
    }
    // The results of the previous group belong to other forecasts: all rows wait for the
    // next check.
    gruppo = std::move(*letto);
    esiti.assign(gruppo.size(), {});
    mostragruppo();
}

void pronostici::Command4_Click(int indice) {
    for (QCheckBox* c : Check1)
        c->setChecked(indice == 0);
}

void pronostici::Command3_Click() {
    // The slider ends at the last draw of the analysis window, which may come before the
    // last draw held. Already there, the button still checks the group (a loaded or new
    // one waits for a check).
    if (Slider1->value() == Slider1->maximum())
        mostraestrazione();
    else
        Slider1->setValue(Slider1->maximum());
}

} // namespace bolv
