#include "estrazionale.h"

#include "listarighe.h"
#include "nomifinestre.h"
#include "ricercaestrazionale.h"
#include "testo.h"

#include "grid.h"
#include "messagebox.h"
#include "textformat.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bolv {

namespace {

constexpr int MASSIMADISTANZA = 10;
constexpr int LARGHEZZARUOTE = 1000; // twips, the wheel names
constexpr int LARGHEZZACELLA = 400;  // twips, a number cell
const QColor VERDE(0, 255, 0);

} // namespace

estrazionale::estrazionale(Stato& s) : Finestra(s, nomi::estrazionale) {
    costruisci();
}

void estrazionale::costruisci() {
    setWindowTitle(QStringLiteral("Ricerca estrazionale"));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(costruiscimodello());

    auto* comandi = new QHBoxLayout;
    Check1 = casella(QStringLiteral("Check1"), QStringLiteral("Considerare la posizione"));
    comandi->addWidget(Check1);
    comandi->addStretch();
    comandi->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Cerca"),
                                [this] { Command1_Click(); }));
    comandi->addWidget(pulsante(QStringLiteral("Clearbutt"), QStringLiteral("Clear"),
                                [this] { Clearbutt_Click(); }));
    comandi->addWidget(pulsanteguida(QStringLiteral("Command4")));
    colonna->addLayout(comandi);

    auto* esiti = new QHBoxLayout;
    auto* lista = new QVBoxLayout;
    List1 = new listarighe(QStringLiteral("List1"), this, [this](int r) { List1_Click(r); });
    lista->addWidget(List1, 1);
    Label1 = etichetta(QStringLiteral("Label1"));
    lista->addWidget(Label1);
    esiti->addLayout(lista);
    esiti->addWidget(costruiscipannelli(), 1);
    colonna->addLayout(esiti, 1);
}

// The template grid with the distance buttons over its outer blocks.
QWidget* estrazionale::costruiscimodello() {
    auto* pannello = new QWidget(this);
    auto* colonna = new QVBoxLayout(pannello);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(2);
    MSFlexGrid1 = new platform::Grid(pannello);
    // Each pair of buttons stands centred over the five columns of its block.
    const int blocco = MSFlexGrid1->twipsToPixels(5 * LARGHEZZACELLA);
    const auto coppia = [this, pannello, blocco](const QString& base, int& distanza) {
        auto* sopra = new QWidget(pannello);
        sopra->setFixedWidth(blocco);
        auto* l = new QHBoxLayout(sopra);
        l->setContentsMargins(0, 0, 0, 0);
        l->addStretch();
        const char* const testi[] = {"<", ">"};
        for (int i = 0; i < 2; ++i) {
            const int passo = i == 0 ? -1 : 1;
            QPushButton* b = pulsante(
                nomecontrollo(base, i), QString::fromLatin1(testi[i]),
                [this, &distanza, passo] { cambiadistanza(distanza, passo); }, sopra);
            b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<<<<")));
            l->addWidget(b);
        }
        l->addStretch();
        return sopra;
    };
    auto* pulsanti = new QHBoxLayout;
    pulsanti->setSpacing(0);
    pulsanti->addSpacing(MSFlexGrid1->twipsToPixels(LARGHEZZARUOTE));
    pulsanti->addWidget(coppia(QStringLiteral("Command2"), distanzaprima));
    pulsanti->addSpacing(blocco);
    pulsanti->addWidget(coppia(QStringLiteral("Command3"), distanzadopo));
    pulsanti->addStretch();
    colonna->addLayout(pulsanti);

    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    {
        platform::Grid::Batch batch(*MSFlexGrid1);
        MSFlexGrid1->setRows(11);
        MSFlexGrid1->setCols(16);
        MSFlexGrid1->setFixedRows(1);
        MSFlexGrid1->setFixedCols(1);
        MSFlexGrid1->setColWidth(0, LARGHEZZARUOTE);
        for (int c = 1; c <= 15; ++c) {
            MSFlexGrid1->setColWidth(c, LARGHEZZACELLA);
            MSFlexGrid1->setColAlignment(c, Qt::AlignCenter);
        }
        for (int w = 1; w <= 10; ++w) {
            MSFlexGrid1->setTextMatrix(w, 0, QString::fromStdString(s.nomiruote[w - 1]));
            for (int c = 6; c <= 10; ++c)
                MSFlexGrid1->setCellBackColor(w, c, VERDE);
        }
        MSFlexGrid1->setMergeMode(platform::MergeMode::Free);
        MSFlexGrid1->setMergeRow(0, true);
    }
    titoliblocchi();
    MSFlexGrid1->setFixedSize(MSFlexGrid1->twipsToPixels(LARGHEZZARUOTE + 15 * LARGHEZZACELLA + 60),
                              MSFlexGrid1->twipsToPixels(11 * 280 + 100));
    connect(MSFlexGrid1, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& i) { MSFlexGrid1_Click(i.row(), i.column()); });
    colonna->addWidget(MSFlexGrid1, 0, Qt::AlignLeft);
    return pannello;
}

// The three draws of a hit, each in a frame titled with its date.
QWidget* estrazionale::costruiscipannelli() {
    auto* pannello = new QWidget(this);
    auto* riga = new QHBoxLayout(pannello);
    riga->setContentsMargins(0, 0, 0, 0);
    const char* const nomi[] = {"Frame4", "Frame1", "Frame2"};
    for (int b = 0; b < 3; ++b) {
        pannelli[b] = new QGroupBox(pannello);
        pannelli[b]->setObjectName(QString::fromLatin1(nomi[b]));
        auto* g = new QGridLayout(pannelli[b]);
        g->setHorizontalSpacing(4);
        g->setVerticalSpacing(1);
        for (int w = 0; w < 10; ++w) {
            QLabel*& r = Label4[10 * b + w];
            r = etichetta(nomecontrollo(QStringLiteral("Label4"), 10 * b + w), {}, pannelli[b]);
            r->setMinimumWidth(r->fontMetrics().horizontalAdvance(QStringLiteral("WW")));
            g->addWidget(r, w, 0);
            for (int p = 0; p < 5; ++p) {
                const int i = 50 * b + 5 * w + p;
                Label5[i] = etichetta(nomecontrollo(QStringLiteral("Label5"), i), {}, pannelli[b]);
                Label5[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                Label5[i]->setMinimumWidth(
                    Label5[i]->fontMetrics().horizontalAdvance(QStringLiteral("000")));
                g->addWidget(Label5[i], w, p + 1);
            }
        }
        riga->addWidget(pannelli[b]);
    }
    return pannello;
}

void estrazionale::titoliblocchi() {
    const QString prima = QStringLiteral("Estrazione  n - %1").arg(distanzaprima);
    const QString dopo = QStringLiteral("Estrazione  n + %1").arg(distanzadopo);
    platform::Grid::Batch batch(*MSFlexGrid1);
    for (int p = 1; p <= 5; ++p) {
        MSFlexGrid1->setTextMatrix(0, p, prima);
        MSFlexGrid1->setTextMatrix(0, 5 + p, QStringLiteral("Estrazione n"));
        MSFlexGrid1->setTextMatrix(0, 10 + p, dopo);
    }
}

void estrazionale::MSFlexGrid1_Click(int riga, int colonna) {
    if (riga < 1 || riga > 10 || colonna < 1 || colonna > 15) return;
    const QString risposta = platform::inputBox(QStringLiteral("Numero? "));
    if (!cellavalida(risposta.toStdString())) {
        platform::message(QString::fromLatin1(ERRORECELLA));
        return;
    }
    MSFlexGrid1->setTextMatrix(riga, colonna, risposta);
}

void estrazionale::cambiadistanza(int& distanza, int passo) {
    if (distanza + passo >= 1 && distanza + passo <= MASSIMADISTANZA) distanza += passo;
    titoliblocchi();
}

void estrazionale::Clearbutt_Click() {
    platform::Grid::Batch batch(*MSFlexGrid1);
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 15; ++c)
            MSFlexGrid1->setTextMatrix(r, c, {});
}

void estrazionale::Command1_Click() {
    Interfaccia& ui = s.interfaccia();
    ui.mostramessaggio("Elaborazione in corso...");
    List1->imposta({});
    svuotapannelli();

    Modelloestrazionale m;
    for (int b = 0; b < 3; ++b)
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                m.celle[Modelloestrazionale::indice(b, w, p)] =
                    Val(MSFlexGrid1->textMatrix(w, 5 * b + p).toStdString());
    m.distanzaprima = distanzaprima;
    m.distanzadopo = distanzadopo;
    m.posizione = Check1->isChecked();
    estrazionitrovate = ricercaestrazionale(s, m);

    QStringList linee;
    linee.reserve(static_cast<qsizetype>(estrazionitrovate.size()));
    long h = 0;
    for (int n : estrazionitrovate)
        linee << platform::formatNumber(++h, QStringLiteral("00")) + QStringLiteral(" --> ") +
                     platform::formatDate(s.dateestrazioni[n], QStringLiteral("dd.mm.yyyy"));
    List1->imposta(std::move(linee));
    Label1->setText(h == 0 ? QStringLiteral("Nessuna corrispondenza trovata.")
                           : platform::plainText(h) + QStringLiteral(" corrispondenze trovate."));
    ultimadistanzaprima = distanzaprima;
    ultimadistanzadopo = distanzadopo;
    ui.chiudimessaggio();
}

void estrazionale::svuotapannelli() {
    for (QLabel* l : Label4)
        l->clear();
    for (QLabel* l : Label5)
        l->clear();
    for (QGroupBox* g : pannelli)
        g->setTitle({});
}

void estrazionale::List1_Click(int riga) {
    if (riga < 0 || static_cast<size_t>(riga) >= estrazionitrovate.size()) return;
    const int n = estrazionitrovate[static_cast<size_t>(riga)];
    const int estrazioni[3] = {n - ultimadistanzaprima, n, n + ultimadistanzadopo};
    for (int b = 0; b < 3; ++b) {
        const int d = estrazioni[b];
        pannelli[b]->setTitle(
            platform::formatDate(s.dateestrazioni[d], QStringLiteral("ddd dd.mm.yyyy")));
        for (int w = 1; w <= 10; ++w) {
            Label4[10 * b + w - 1]->setText(QString::fromStdString(s.nomiruote[w - 1]).left(2));
            for (int p = 1; p <= 5; ++p)
                Label5[50 * b + 5 * (w - 1) + p - 1]->setText(QString::number(s.estr(d, w, p)));
        }
    }
}

} // namespace bolv
