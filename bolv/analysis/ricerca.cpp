#include "ricerca.h"

#include "assetemporale.h"
#include "listarighe.h"
#include "nomifinestre.h"

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
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace bolv {

namespace {

const char* const TITOLIRISULTATI[] = {
    "Presenze",          "Ritardo Attuale",           "Ritardo Storico", "Data dello storico",
    "Ciclicità Teorica", "Ciclicità Media Effettiva", "Scompenso"};
const QColor GIALLO(255, 255, 0);
constexpr int LARGHEZZAVALORI = 1900; // twips

QString estremo(const Stato& s, int d) {
    if (d < 1 || d > s.numestrazioni) return platform::plainText(d);
    return platform::plainText(d) + QStringLiteral(" - ") +
           platform::formatDate(s.dateestrazioni[d], QStringLiteral("dd.mm.yy"));
}

QString oppure(const std::optional<double>& v, const char* schema) {
    return v ? platform::formatNumber(*v, QString::fromLatin1(schema)) : QStringLiteral("---");
}

} // namespace

std::array<bool, 10> ruotedi(int ruota) {
    std::array<bool, 10> ruote{};
    for (int i = 0; i < 10; ++i)
        ruote[i] = ruota == 11 || ruota == i + 1;
    return ruote;
}

ricerca::ricerca(Stato& s) : Finestra(s, nomi::ricerca) {
    costruisci();
}

void ricerca::imposta(const Richiestaricerca& r) {
    Text1->setText(r.numeri);
    Option1[std::clamp(r.sorte, 1, 5) - 1]->setChecked(true);
    for (int i = 0; i < 10; ++i)
        Check1[i]->setChecked(r.ruote[i]);
}

void ricerca::costruisci() {
    setWindowTitle(QStringLiteral("Ricerca Statistica"));
    auto* griglia = new QGridLayout(this);
    griglia->addWidget(costruiscidati(), 0, 0);
    griglia->addWidget(costruisciesiti(), 0, 1);
    griglia->addWidget(costruisciestrazione(), 0, 2);

    Label3 = etichetta(QStringLiteral("Label3"), estremo(s, s.primaestrazione));
    Label6 = etichetta(QStringLiteral("Label6"), estremo(s, s.ultimaestrazione));
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    asse = new assetemporale(this);
    asse->imposta(s.primaestrazione, s.ultimaestrazione);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    griglia->addWidget(asse, 1, 0, 1, 3);
    auto* estremi = new QHBoxLayout;
    estremi->addWidget(Label3);
    estremi->addStretch();
    estremi->addWidget(Label6);
    griglia->addLayout(estremi, 2, 0, 1, 3);
    griglia->addWidget(ProgressBar1, 3, 0, 1, 3);
    Text1->setFocus();
}

// The inputs: numbers, sorte, wheels and the commands.
QWidget* ricerca::costruiscidati() {
    auto* pannello = new QWidget(this);
    auto* colonna = new QVBoxLayout(pannello);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(new QLabel(QStringLiteral("Numeri da cercare:"), pannello));
    Text1 = casellatesto(QStringLiteral("Text1"), pannello);
    colonna->addWidget(Text1);

    auto* sorte = new QGroupBox(QStringLiteral("Sorte"), pannello);
    auto* righesorte = new QVBoxLayout(sorte);
    const char* const sorti[] = {"Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"};
    for (int i = 0; i < 5; ++i) {
        Option1[i] = opzione(QStringLiteral("Option1"), i, QString::fromLatin1(sorti[i]), sorte);
        righesorte->addWidget(Option1[i]);
    }
    Option1[1]->setChecked(true);
    colonna->addWidget(sorte);

    auto* ruote = new QGroupBox(QStringLiteral("Ruote"), pannello);
    auto* righeruote = new QGridLayout(ruote);
    for (int i = 0; i < 10; ++i) {
        Check1[i] = casella(nomecontrollo(QStringLiteral("Check1"), i),
                            QString::fromStdString(s.nomiruote[i]), ruote);
        Check1[i]->setChecked(s.configurazione[10 + i + 1] != 0);
        righeruote->addWidget(Check1[i], i % 5, i / 5);
    }
    righeruote->addWidget(pulsante(
                              QStringLiteral("Command2"), QStringLiteral("Seleziona tutte"),
                              [this] { spunta(true); }, ruote),
                          5, 0, 1, 2);
    righeruote->addWidget(pulsante(
                              QStringLiteral("Command3"), QStringLiteral("Deseleziona tutte"),
                              [this] { spunta(false); }, ruote),
                          6, 0, 1, 2);
    colonna->addWidget(ruote);
    auto* comandi = new QHBoxLayout;
    QPushButton* elabora = pulsante(
        QStringLiteral("Command1"), QStringLiteral("Elabora"), [this] { Command1_Click(); },
        pannello);
    comandi->addWidget(elabora);
    comandi->addWidget(pulsanteguida(QStringLiteral("Command4"), pannello));
    colonna->addLayout(comandi);
    colonna->addStretch();
    return pannello;
}

// The results and the frequency of the delays.
QWidget* ricerca::costruisciesiti() {
    auto* pannello = new QWidget(this);
    auto* colonna = new QVBoxLayout(pannello);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(new QLabel(QStringLiteral("Risultati Ricerca"), pannello));
    MSFlexGrid1 = new platform::Grid(pannello);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    {
        platform::Grid::Batch batch(*MSFlexGrid1);
        MSFlexGrid1->setRows(7);
        MSFlexGrid1->setCols(2);
        MSFlexGrid1->setFixedRows(0);
        MSFlexGrid1->setFixedCols(1);
        MSFlexGrid1->setColWidth(0, 2300);
        // Wide enough for a weekday and a four-digit year in today's fonts.
        MSFlexGrid1->setColWidth(1, LARGHEZZAVALORI);
        // The figures at the right, also a delay in brackets, a decimal comma or the date.
        MSFlexGrid1->setColAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        for (int r = 0; r < 7; ++r)
            MSFlexGrid1->setTextMatrix(r, 0, QString::fromUtf8(TITOLIRISULTATI[r]));
    }
    colonna->addWidget(MSFlexGrid1);
    colonna->addWidget(new QLabel(QStringLiteral("Freq. dei ritardi:"), pannello));
    MSFlexGrid2 = new platform::Grid(pannello);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    {
        platform::Grid::Batch batch(*MSFlexGrid2);
        MSFlexGrid2->setRows(1);
        MSFlexGrid2->setCols(2);
        MSFlexGrid2->setFixedRows(1);
        MSFlexGrid2->setFixedCols(0);
        MSFlexGrid2->setColWidth(0, 800);
        MSFlexGrid2->setColWidth(1, 800);
        MSFlexGrid2->setTextMatrix(0, 0, QStringLiteral("Rit"));
        MSFlexGrid2->setTextMatrix(0, 1, QStringLiteral("Fre"));
    }
    colonna->addWidget(MSFlexGrid2, 1);
    const int larghezza = MSFlexGrid1->twipsToPixels(2300 + LARGHEZZAVALORI + 120);
    MSFlexGrid1->setFixedSize(larghezza, MSFlexGrid1->twipsToPixels(7 * 270 + 60));
    MSFlexGrid2->setMaximumWidth(MSFlexGrid2->twipsToPixels(1600 + 400));
    return pannello;
}

// The hit list and the draw of the selected hit.
QWidget* ricerca::costruisciestrazione() {
    auto* riquadro = new QGroupBox(QStringLiteral("Lista Presenze"), this);
    auto* colonna = new QVBoxLayout(riquadro);
    List1 = new listarighe(QStringLiteral("List1"), riquadro, [this](int r) { List1_Click(r); });
    colonna->addWidget(List1, 1);

    auto* estrazione = new QGridLayout;
    estrazione->setHorizontalSpacing(2);
    for (int w = 0; w < 10; ++w) {
        Label4[w] = etichetta(nomecontrollo(QStringLiteral("Label4"), w), {}, riquadro);
        Label4[w]->setMinimumWidth(
            Label4[w]->fontMetrics().horizontalAdvance(QStringLiteral("WW")));
        estrazione->addWidget(Label4[w], w, 0);
        for (int p = 0; p < 5; ++p) {
            QLabel*& l = Label5[5 * w + p];
            l = etichetta(nomecontrollo(QStringLiteral("Label5"), 5 * w + p), {}, riquadro);
            l->setAlignment(Qt::AlignCenter);
            l->setAutoFillBackground(true);
            l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000")));
            estrazione->addWidget(l, w, p + 1);
        }
    }
    colonna->addLayout(estrazione);
    return riquadro;
}

void ricerca::spunta(bool valore) {
    for (QCheckBox* c : Check1)
        c->setChecked(valore);
}

void ricerca::Command1_Click() {
    platform::setMousePointer(nullptr, platform::Pointer::Hourglass);
    List1->hide();
    List1->imposta({});
    asse->cancella();
    uscite.clear();
    MSFlexGrid2->setRows(1);

    int sorte = 1;
    while (sorte < 5 && !Option1[sorte - 1]->isChecked())
        ++sorte;
    std::array<bool, 10> ruote{};
    for (int i = 0; i < 10; ++i)
        ruote[i] = Check1[i]->isChecked();
    const auto c = readinput(Text1->text().toStdString(), sorte, ruote);
    if (c)
        mostra(*c, ricercaroutine(s, *c));
    else
        platform::message(QString::fromUtf8(ERRORERICERCA));
    platform::setMousePointer(nullptr, platform::Pointer::Default);
    List1->show();
}

void ricerca::mostra(const Combinazione& c, const Esitoricerca& e) {
    mostrarisultati(e);
    QStringList frequenze;
    for (size_t r = 1; r < e.frequenzeritardi.size(); ++r)
        if (e.frequenzeritardi[r] != 0)
            frequenze << platform::plainText(static_cast<long>(r))
                      << platform::plainText(e.frequenzeritardi[r]);
    {
        platform::Grid::Batch batch(*MSFlexGrid2);
        MSFlexGrid2->fillRows(1, std::move(frequenze));
    }
    asse->segna(e.estrazioniuscita);

    uscite = e.uscite;
    numeri = c.numeri;
    QStringList linee;
    linee.reserve(static_cast<qsizetype>(uscite.size()) + 1);
    for (const Uscita& u : uscite)
        linee << platform::formatDate(s.dateestrazioni[u.estrazione],
                                      QStringLiteral("dd.mm.yyyy")) +
                     QStringLiteral("  ") + QString::fromStdString(s.nomiruote[u.ruota - 1]);
    if (e.oltre) linee << QStringLiteral("etc.");
    const bool vuota = linee.isEmpty();
    List1->imposta(std::move(linee));
    if (!vuota) List1->setCurrentIndex(List1->model()->index(0, 0));
}

void ricerca::mostrarisultati(const Esitoricerca& e) {
    const QString storico =
        e.storicoassente
            ? QStringLiteral("(") + platform::plainText(e.ritardomassimo) + QStringLiteral(" )")
            : platform::plainText(e.ritardomassimo);
    const QString data = e.estrazionemassimo == 0
                             ? QStringLiteral("---")
                             : platform::formatDate(s.dateestrazioni[e.estrazionemassimo],
                                                    QStringLiteral("ddd dd.mm.yyyy"));
    const QString valori[7] = {
        platform::plainText(static_cast<long>(e.presenze)),
        platform::plainText(e.ritardoattuale),
        storico,
        data,
        platform::formatNumber(e.ciclicitateorica, QStringLiteral("#######0.00")),
        oppure(e.ciclicitaeffettiva, "###0.0"),
        oppure(e.scompenso, "######0.0"),
    };
    platform::Grid::Batch batch(*MSFlexGrid1);
    for (int r = 0; r < 7; ++r)
        MSFlexGrid1->setTextMatrix(r, 1, valori[r]);
    ProgressBar1->setValue(0);
}

void ricerca::List1_Click(int riga) {
    // The "etc." line past the listed hits shows nothing.
    if (riga < 0 || static_cast<size_t>(riga) >= uscite.size()) return;
    const Uscita u = uscite[static_cast<size_t>(riga)];
    for (int w = 1; w <= 10; ++w) {
        Label4[w - 1]->setText(QString::fromStdString(s.nomiruote[w - 1]).left(2));
        for (int p = 1; p <= 5; ++p) {
            const int n = s.estr(u.estrazione, w, p);
            QLabel* l = Label5[5 * (w - 1) + p - 1];
            l->setText(QString::number(n));
            const bool segnato =
                w == u.ruota && std::find(numeri.begin(), numeri.end(), n) != numeri.end();
            QPalette colori = l->palette();
            colori.setColor(QPalette::Window, segnato ? GIALLO : palette().color(QPalette::Window));
            colori.setColor(QPalette::WindowText, Qt::black);
            l->setPalette(colori);
        }
    }
}

} // namespace bolv
