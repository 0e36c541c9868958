#include "superena.h"

#include "messager.h"
#include "nomifinestre.h"

#include "grid.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace bolv {

namespace {

constexpr int PAGINA = 500;    // draws a page
constexpr int RIGHEVISTE = 25; // rows in sight at the least
const char* const VOCI[] = {"Rit", "Sto", "Fre"};

} // namespace

superena::superena(Stato& s) : Finestra(s, nomi::superena) {
    costruisci();
    Form_Load();
}

void superena::costruisci() {
    setWindowTitle(QStringLiteral("Super EnaBolv"));
    auto* colonna = new QVBoxLayout(this);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsante(QStringLiteral("Command2"), QStringLiteral("Archivio"),
                                [this] { Command2_Click(); }));
    comandi->addWidget(pulsante(QStringLiteral("Command4"), QStringLiteral("Ritardi e Frequenze"),
                                [this] { Command4_Click(); }));
    for (int i = 0; i < 2; ++i) {
        Command3[i] = pulsante(nomecontrollo(QStringLiteral("Command3"), i),
                               i == 0 ? QStringLiteral("<") : QStringLiteral(">"),
                               [this, i] { Command3_Click(i); });
        comandi->addWidget(Command3[i]);
    }
    comandi->addStretch();
    comandi->addWidget(pulsanteguida(QStringLiteral("Command1")));
    colonna->addLayout(comandi);
    Label1 = etichetta(QStringLiteral("Label1"));
    colonna->addWidget(Label1);
    msf = new platform::Grid(this);
    msf->setObjectName(QStringLiteral("msf"));
    colonna->addWidget(msf, 1);
}

void superena::Form_Load() {
    mostramessaggio(QStringLiteral("Elaborazione tabella..."));
    tabella = calcolasestine(s);
    ultimaestrazione = s.ultimaestrazione;
    const int fine = std::clamp(ultimaestrazione + 1, 0, static_cast<int>(s.dateestrazioni.size()));
    date.assign(s.dateestrazioni.begin(), s.dateestrazioni.begin() + fine);
    nomiruote = s.nomiruote;
    chiudimessaggio();
    Command2_Click();
}

// A switch of view starts from an empty grid, so nothing of the other view stays behind.
void superena::nuovagriglia(int righe, int colonne, int fissere, int larghezza0, int larghezza) {
    platform::Grid::Batch batch(*msf);
    msf->clear();
    msf->setMergeRow(0, false);
    msf->setRows(righe);
    msf->setCols(colonne);
    msf->setFixedRows(fissere);
    msf->setFixedCols(1);
    msf->setColWidth(0, larghezza0);
    for (int c = 1; c < colonne; ++c)
        msf->setColWidth(c, larghezza);
}

// Every column in sight, and a good part of a page.
void superena::dimensiona() {
    msf->setMinimumSize(msf->widthShowingAllColumns(),
                        RIGHEVISTE * msf->verticalHeader()->defaultSectionSize());
    msf->scrollToTop();
    // The frame around the window grows with the view; it never shrinks under the user.
    QWidget* cornice = platform::registry().frame(QString::fromLatin1(nome()));
    if (!cornice) cornice = this;
    cornice->resize(cornice->size().expandedTo(cornice->sizeHint()));
}

void superena::Command2_Click() {
    fineperiodo = ultimaestrazione;
    for (QPushButton* b : Command3)
        b->setVisible(true);
    Label1->setText(QStringLiteral("Archivio"));
    nuovagriglia(PAGINA + 1, 11, 1, 1000, 500);
    for (int c = 1; c <= 7; ++c)
        msf->setTextMatrix(0, c,
                           QString::fromStdString(nomiruote[RUOTESESTINA[c - 1] - 1].substr(0, 2)));
    const char* const totali[] = {"Somma", "Pari", "Disp"};
    for (int c = 8; c <= 10; ++c) {
        const QString testo = QString::fromLatin1(totali[c - 8]);
        msf->setTextMatrix(0, c, testo);
        // Wide enough for its heading in the screen's font.
        const int serve = msf->fontMetrics().horizontalAdvance(testo) + 12;
        msf->setColWidth(c, std::max(700, 700 * serve / msf->twipsToPixels(700)));
    }
    dimensiona();
    mostraarchivio();
}

// The 500 draws ending at fineperiodo, oldest at the top. Draws before the first computed
// one show their date only.
void superena::mostraarchivio() {
    if (fineperiodo <= PAGINA) return;
    QStringList celle;
    for (int i = 1; i <= PAGINA; ++i) {
        const int d = fineperiodo - PAGINA + i;
        celle << platform::formatDate(date[d], QStringLiteral("dd.mm.yy"));
        const Sestina* riga = tabella.riga(d);
        for (int c = 0; c < 10; ++c)
            celle << (riga ? QString::number((*riga)[c]) : QString());
    }
    platform::Grid::Batch batch(*msf);
    msf->fillRows(1, std::move(celle));
}

void superena::Command3_Click(int indice) {
    if (indice == 0 && fineperiodo > PAGINA) fineperiodo -= PAGINA;
    if (indice == 1 && fineperiodo <= ultimaestrazione - PAGINA) fineperiodo += PAGINA;
    mostraarchivio();
}

void superena::Command4_Click() {
    fineperiodo = ultimaestrazione;
    for (QPushButton* b : Command3)
        b->setVisible(false);
    Label1->setText(QStringLiteral("Ritardi e frequenze dei 90 numeri"));
    nuovagriglia(92, 25, 2, std::max(300, msf->twipsFor(QStringLiteral("90"))), 500);
    msf->setMergeMode(platform::MergeMode::RestrictRows);
    msf->setMergeRow(0, true);
    for (int gruppo = 0; gruppo < 8; ++gruppo) {
        const QString nome = gruppo < 7
                                 ? QString::fromStdString(nomiruote[RUOTESESTINA[gruppo] - 1])
                                 : QStringLiteral("Nella sestina");
        for (int v = 0; v < 3; ++v) {
            msf->setTextMatrix(0, 3 * gruppo + v + 1, nome);
            msf->setTextMatrix(1, 3 * gruppo + v + 1, QString::fromLatin1(VOCI[v]));
        }
    }
    dimensiona();
    mostraritardi();
}

// With no draw computed there are no delays to tell: the rows hold the numbers only.
void superena::mostraritardi() {
    const bool vuota = tabella.righe.empty();
    QStringList celle;
    for (int n = 1; n <= 90; ++n) {
        celle << QString::number(n);
        for (const Statisticasestina& st : tabella.statistiche[n - 1]) {
            if (vuota)
                celle << QString() << QString() << QString();
            else
                celle << QString::number(ultimaestrazione - st.ultima)
                      << QString::number(st.storico) << QString::number(st.frequenza);
        }
    }
    platform::Grid::Batch batch(*msf);
    msf->fillRows(2, std::move(celle));
}

void superena::closeEvent(QCloseEvent* evento) {
    Finestra::closeEvent(evento);
    if (!evento->isAccepted()) return;
    if (QMainWindow* principale = platform::registry().mainWindow()) {
        principale->show();
        principale->activateWindow();
    }
}

} // namespace bolv
