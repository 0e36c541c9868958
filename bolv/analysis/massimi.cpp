#include "massimi.h"

#include "calcolovincite.h"
#include "combinatoria.h"
#include "completamento.h"
#include "nomifinestre.h"
#include "pronosticiclassifica.h"

#include "filedialog.h"
#include "grid.h"
#include "messagebox.h"
#include "mousepointer.h"
#include "popupmenu.h"
#include "textformat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace bolv {

namespace {

const char* const INTESTAZIONI[7] = {"Ruota", "Combinazione", "Rit", "Ult.sortita",
                                     "Medio", "Sto",          "Fre"};
// Twips; widened as the widest texts of the columns ask (larghezzecolonne).
constexpr int LARGHEZZE[7] = {700, 2400, 700, 1200, 700, 700, 700};
// The wheel and the numbers of a group read as text, the figures as numbers.
constexpr Qt::Alignment SINISTRA = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment DESTRA = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment ALLINEAMENTI[7] = {SINISTRA, SINISTRA, DESTRA, SINISTRA,
                                           DESTRA,   DESTRA,   DESTRA};
const std::vector<int> COLONNESTAMPA = {0, 10, 40, 50, 63, 71, 78};
const char* const GRUPPI[9] = {"Coppie",  "Terzine", "Quartine", "Cinquine", "Sestine",
                               "Settine", "Ottine",  "Novine",   "Decine"};
constexpr int COLRIT = 2, COLULTIMA = 3, COLMEDIO = 4, COLSTO = 5, COLFRE = 6;
constexpr int INTERVALLOVETRINA = 500; // ms between two showings of a run's groups so far

QString gruppo(const std::vector<int>& numeri) {
    QStringList testi;
    for (int n : numeri)
        testi << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return testi.join(QLatin1Char('.'));
}

QString datauscita(const Stato& s, int slot) {
    return slot ? platform::formatDate(s.dateestrazioni[slot], QStringLiteral("dd.mm.yyyy"))
                : QStringLiteral("---");
}

} // namespace

massimi::massimi(Stato& s) : Finestra(s, nomi::massimi) {
    costruisci();
}

void massimi::costruisci() {
    setWindowTitle(QStringLiteral("Classifica Ritardi e Presenze"));
    auto* colonne = new QHBoxLayout;
    colonne->addWidget(costruisciscelte());
    colonne->addWidget(costruisciruote());
    colonne->addWidget(costruiscipulsanti());

    griglia = new platform::Grid(this);
    griglia->setObjectName(QStringLiteral("griglia"));
    griglia->setRows(16);
    griglia->setCols(7);
    griglia->setFixedRows(1);
    griglia->setFixedCols(0);
    for (int c = 0; c < 7; ++c) {
        griglia->setColWidth(c, LARGHEZZE[c]);
        griglia->setColAlignment(c, ALLINEAMENTI[c]);
    }
    intestagriglia();
    larghezzecolonne();
    connect(griglia, &platform::Grid::cellPressed, this, &massimi::griglia_MouseDown);

    prog = new QProgressBar(this);
    prog->setObjectName(QStringLiteral("prog"));
    prog->setRange(0, 100);
    prog->setValue(0);
    prog->setTextVisible(false);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(colonne);
    tutto->addWidget(costruiscietichette());
    tutto->addWidget(griglia, 1);
    tutto->addWidget(prog);
    // The whole table in view: every row and every column.
    const int cornice = 2 * griglia->frameWidth();
    griglia->setMinimumSize(griglia->horizontalHeader()->length() + cornice,
                            16 * griglia->verticalHeader()->defaultSectionSize() + cornice);

    lavoro = std::make_unique<Lavorolungo>(this, prog, Command6);
    Command2->setEnabled(false);
}

QWidget* massimi::costruisciscelte() {
    auto* riquadro = new QWidget(this);
    auto* g = new QGridLayout(riquadro);
    g->setContentsMargins(0, 0, 0, 0);
    Combo1 = new QComboBox(riquadro);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (int k = 2; k <= 10; ++k)
        Combo1->addItem(platform::plainText(k));
    Combo2 = new QComboBox(riquadro);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    if (s.ambiattivi) Combo2->addItem(QStringLiteral("Ambo"));
    if (s.ternattivi) Combo2->addItem(QStringLiteral("Terno"));
    Combo3 = new QComboBox(riquadro);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    for (int n = 1; n <= 15; ++n)
        Combo3->addItem(platform::plainText(n));
    Combo3->setCurrentIndex(9);
    g->addWidget(etichetta(QStringLiteral("Label2"), QStringLiteral("Quantità numeri:"), riquadro),
                 0, 0);
    g->addWidget(Combo1, 0, 1);
    g->addWidget(etichetta(QStringLiteral("Label1"), QStringLiteral("Sorte:"), riquadro), 1, 0);
    g->addWidget(Combo2, 1, 1);
    g->addWidget(etichetta(QStringLiteral("Label3"), QStringLiteral("Num. comb. :"), riquadro), 2,
                 0);
    g->addWidget(Combo3, 2, 1);

    auto* tipo = new QGroupBox(QStringLiteral("Tipo ricerca"), riquadro);
    auto* lt = new QVBoxLayout(tipo);
    Option1[0] = opzione(QStringLiteral("Option1"), 0, QStringLiteral("Ritardi"), tipo);
    Option1[1] = opzione(QStringLiteral("Option1"), 1, QStringLiteral("Presenze"), tipo);
    auto* ordine = new QWidget(tipo);
    auto* lo = new QHBoxLayout(ordine);
    lo->setContentsMargins(16, 0, 0, 0);
    Option2[0] = opzione(QStringLiteral("Option2"), 0, QStringLiteral("Massimi"), ordine);
    Option2[1] = opzione(QStringLiteral("Option2"), 1, QStringLiteral("Minimi"), ordine);
    lo->addWidget(Option2[0]);
    lo->addWidget(Option2[1]);
    lt->addWidget(Option1[0]);
    lt->addWidget(Option1[1]);
    lt->addWidget(ordine);
    Option1[0]->setChecked(true);
    Option2[0]->setChecked(true);
    Option2[0]->setEnabled(false);
    Option2[1]->setEnabled(false);
    for (QRadioButton* o : Option1)
        connect(o, &QRadioButton::toggled, this, [this] { Option1_Click(); });
    g->addWidget(tipo, 3, 0, 1, 2);

    Text1 = casellatesto(QStringLiteral("Text1"), riquadro);
    g->addWidget(etichetta(QStringLiteral("Label9"), QStringLiteral("Vincoli:"), riquadro), 4, 0);
    g->addWidget(Text1, 4, 1);
    Check2 = casella(QStringLiteral("Check2"), QStringLiteral("Tabella completa"), riquadro);
    g->addWidget(Check2, 5, 0, 1, 2);
    return riquadro;
}

QWidget* massimi::costruisciruote() {
    auto* ruote = new QGroupBox(QStringLiteral("Ruote"), this);
    auto* g = new QGridLayout(ruote);
    for (int i = 0; i <= 10; ++i) {
        Check1[i] = casella(nomecontrollo(QStringLiteral("Check1"), i),
                            QString::fromStdString(s.nomiruote[i]), ruote);
        g->addWidget(Check1[i], i % 6, i / 6);
        if (i < 10) Check1[i]->setChecked(s.configurazione[11 + i] == 1);
        connect(Check1[i], &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
    }
    const char* testi[2] = {"Tutte", "Nessuna"};
    for (int i = 0; i < 2; ++i) {
        Command7[i] = pulsante(
            nomecontrollo(QStringLiteral("Command7"), i), QString::fromLatin1(testi[i]),
            [this, i] { Command7_Click(i); }, ruote);
        g->addWidget(Command7[i], 6, i);
    }
    return ruote;
}

QWidget* massimi::costruiscipulsanti() {
    auto* riquadro = new QWidget(this);
    auto* l = new QVBoxLayout(riquadro);
    l->setContentsMargins(0, 0, 0, 0);
    Command1 = pulsante(
        QStringLiteral("Command1"), QStringLiteral("Elabora"), [this] { Command1_Click(); },
        riquadro);
    Command6 = pulsante(QStringLiteral("Command6"), QStringLiteral("Interrompi"), {}, riquadro);
    Command2 = pulsante(
        QStringLiteral("Command2"), QStringLiteral("Stampa Tabella"), [this] { Command2_Click(); },
        riquadro);
    Command3 = pulsante(
        QStringLiteral("Command3"), QStringLiteral("Crea file di pronostici"),
        [this] { Command3_Click(); }, riquadro);
    Command4 = pulsanteesci(QStringLiteral("Command4"), riquadro);
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command6),
                       static_cast<QWidget*>(Command2), static_cast<QWidget*>(Command3),
                       static_cast<QWidget*>(Command4)})
        l->addWidget(w);
    l->addWidget(pulsanteguida(QStringLiteral("Command8"), riquadro));
    l->addStretch();
    return riquadro;
}

QWidget* massimi::costruiscietichette() {
    auto* riquadro = new QWidget(this);
    auto* g = new QGridLayout(riquadro);
    g->setContentsMargins(0, 0, 0, 0);
    Label6 = etichetta(QStringLiteral("Label6"), {}, riquadro);
    Label4 = etichetta(QStringLiteral("Label4"), {}, riquadro);
    Label5 = etichetta(QStringLiteral("Label5"), {}, riquadro);
    Label7 = etichetta(QStringLiteral("Label7"), {}, riquadro);
    Label8 = etichetta(QStringLiteral("Label8"), {}, riquadro);
    g->addWidget(Label6, 0, 0);
    g->addWidget(Label4, 0, 1);
    g->addWidget(Label7, 1, 0);
    g->addWidget(Label8, 1, 1);
    g->addWidget(Label5, 2, 0);
    return riquadro;
}

void massimi::larghezzecolonne() {
    // No delay exceeds the analysis window; a draw adds at most ten pairs or triples of a
    // group to its presences on each of the ten wheels.
    const int finestra = s.ultimaestrazione - s.primaestrazione + 1;
    QStringList ruote;
    for (const std::string& nome : s.nomiruote)
        ruote << QString::fromStdString(nome).left(2);
    QStringList piularghi[7] = {ruote,
                                {gruppo(std::vector<int>(10, 88))},
                                {platform::plainText(finestra), QStringLiteral("mai s.")},
                                {datauscita(s, s.ultimaestrazione), QStringLiteral("---")},
                                {platform::formatNumber(finestra, QStringLiteral("####.0"))},
                                {QString::number(finestra)},
                                {QString::number(100L * finestra), platform::plainText(finestra)}};
    for (int c = 0; c < 7; ++c)
        griglia->fitColWidth(c, piularghi[c] << QString::fromLatin1(INTESTAZIONI[c]));
}

void massimi::intestagriglia() {
    platform::Grid::Batch batch(*griglia);
    griglia->clear();
    for (int c = 0; c < 7; ++c)
        griglia->setTextMatrix(0, c, QString::fromLatin1(INTESTAZIONI[c]));
}

void massimi::totcombinazioni() {
    const int k = Combo1->currentIndex() + 2;
    Label4->setText(QStringLiteral("Tot. combinazioni: ") +
                    platform::formatInteger(numcombinazioni(NUMERI, k), QStringLiteral("#,###")) +
                    QStringLiteral(" per ruota."));
}

void massimi::fatt_e_cicl() {
    const bool tutte = ultima.ruote == std::vector<int>{RUOTATUTTE};
    const int divisore = tutte ? 10 : 1;
    const double fattore = fattoreguadagno(s.tabellavincite, ultima.sorte, ultima.k, tutte);
    Label8->setText(QStringLiteral("Fattore di guadagno: ") +
                    platform::formatNumber(fattore, QStringLiteral("#,###.00")));
    const double ciclo = ciclicita(ultima.k, ultima.sorte) / divisore;
    Label7->setText(QStringLiteral("Ciclicità teorica media: ") +
                    platform::formatNumber(ciclo, QStringLiteral("###0.00")));
}

void massimi::blocca(bool incorso) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             Command1, Command2, Command3, Command4, Combo1, Combo2, Combo3, Option1[0], Option1[1],
             Command7[0], Command7[1], Text1, Check2})
        w->setEnabled(!incorso);
    for (QCheckBox* c : Check1)
        c->setEnabled(!incorso && (c == Check1[10] || !Check1[10]->isChecked()));
    const bool presenze = Option1[1]->isChecked();
    for (QRadioButton* o : Option2)
        o->setEnabled(!incorso && presenze);
}

// The inputs of a run, or nothing after the message that refuses them.
std::optional<Impostazioni> massimi::leggiimpostazioni() {
    Impostazioni imp;
    imp.n = Combo3->currentIndex() + 1;
    imp.k = Combo1->currentIndex() + 2;
    imp.sorte = Combo2->currentText() == QLatin1String("Terno") ? 3 : 2;
    if (imp.k < imp.sorte) {
        platform::message(imp.sorte == 2
                              ? QStringLiteral("Per la sorte di ambo occorre considerare almeno "
                                               "2 numeri!")
                              : QStringLiteral("Per la sorte di terno occorre considerare almeno "
                                               "3 numeri!"));
        return std::nullopt;
    }
    const auto vincoli = leggivincoli(Text1->text().toStdString(), imp.k);
    if (const auto* errore = std::get_if<Erroretesto>(&vincoli)) {
        platform::message(QString::fromStdString(errore->messaggio));
        return std::nullopt;
    }
    imp.vincoli = std::get<std::vector<int>>(vincoli);
    imp.ritardi = Option1[0]->isChecked();
    imp.ordine = !imp.ritardi && Option2[1]->isChecked() ? 2 : 1;
    if (Check1[10]->isChecked())
        imp.ruote = {RUOTATUTTE};
    else
        for (int w = 1; w <= 10; ++w)
            if (Check1[w - 1]->isChecked()) imp.ruote.push_back(w);
    return imp;
}

void massimi::Command1_Click() {
    QElapsedTimer tempo;
    tempo.start();
    for (QLabel* l : {Label5, Label7, Label8})
        l->clear();
    platform::setMousePointer(this, platform::Pointer::Hourglass);
    blocca(true);
    intestagriglia();
    classificate.clear();
    const std::optional<Impostazioni> imp = leggiimpostazioni();
    if (imp) {
        totcombinazioni();
        avviaclassifica(*imp);
        fatt_e_cicl();
        Label5->setText(QStringLiteral("Tempo di elaborazione: ") +
                        platform::formatNumber(tempo.elapsed() / 1000.0, QStringLiteral("##0.00")) +
                        QStringLiteral(" sec"));
    }
    blocca(false);
    platform::setMousePointer(this, platform::Pointer::Default);
    prog->setValue(0);
}

void massimi::avviaclassifica(const Impostazioni& imp) {
    QString titolo = QString::fromLatin1(GRUPPI[imp.k - 2]) +
                     (imp.sorte == 2 ? QStringLiteral(" per ambo") : QStringLiteral(" per terno"));
    if (imp.ruote == std::vector<int>{RUOTATUTTE}) titolo += QStringLiteral(" - Tutte");
    Label6->setText(titolo);
    const bool completa = Check2->isChecked();
    if (!(imp.sorte == 2 ? s.ambiattivi : s.ternattivi)) return;
    auto tavole =
        std::make_shared<const Tavole>(tavoleclassifica(s, imp.sorte, imp.ritardi, imp.ruote));
    // The best groups found so far show while the run goes on.
    auto vetrina = std::make_shared<Vetrina>();
    QTimer orologio;
    orologio.setInterval(INTERVALLOVETRINA);
    connect(&orologio, &QTimer::timeout, this, [&] {
        if (const auto righe = vetrina->novita()) mostrarighe(imp, *righe, false);
    });
    orologio.start();
    const auto esito = lavoro->esegui([tavole, imp, vetrina](Avanzamento& a) {
        return classifica(*tavole, imp, a, vetrina.get());
    });
    orologio.stop();
    if (!esito) return;
    intestagriglia();
    ultima = imp;
    classificate = esito->righe;
    if (esito->interrotta) Label6->setText(titolo + QStringLiteral(" (Ricerca non completata)"));
    mostrarighe(imp, esito->righe, completa && !esito->interrotta);
}

void massimi::mostrarighe(const Impostazioni& imp, const std::vector<Riga>& righe, bool completa) {
    platform::Grid::Batch batch(*griglia);
    const int colvalore = imp.ritardi ? COLRIT : COLFRE;
    for (int r = 1; r <= static_cast<int>(righe.size()); ++r) {
        const Riga& riga = righe[r - 1];
        const Statcombinazione st = statcombinazione(s, riga.numeri, imp.sorte, riga.ruota);
        griglia->setTextMatrix(r, 0, QString::fromStdString(s.nomiruote[riga.ruota - 1]).left(2));
        griglia->setTextMatrix(r, 1, gruppo(riga.numeri));
        griglia->setTextMatrix(r, colvalore, platform::plainText(riga.valore));
        if (imp.ritardi) griglia->setTextMatrix(r, COLULTIMA, datauscita(s, st.ultima));
        if (completa) {
            griglia->setTextMatrix(r, COLSTO, QString::number(st.storico));
            if (imp.ritardi)
                griglia->setTextMatrix(r, COLFRE, QString::number(st.presenze));
            else {
                griglia->setTextMatrix(r, COLRIT, QString::number(st.ritardo));
                griglia->setTextMatrix(r, COLULTIMA, datauscita(s, st.ultima));
            }
            if (const auto medio = ritardomedio(s, riga.numeri, imp.sorte, riga.ruota))
                griglia->setTextMatrix(r, COLMEDIO,
                                       platform::formatNumber(*medio, QStringLiteral("####.0")));
        }
        // A group that never came out in the window, whatever its delay counted.
        if (st.ultima == 0 && !griglia->textMatrix(r, COLRIT).isEmpty()) {
            griglia->setTextMatrix(r, COLRIT, QStringLiteral("mai s."));
            griglia->setTextMatrix(r, COLULTIMA, QStringLiteral("---"));
        }
    }
}

void massimi::Command2_Click() {
    Righe righe;
    righe[0] = QStringLiteral("Massimi Ritardi e Presenze");
    righe[1] = Label6->text();
    righe[2] = Label7->text();
    righe[3] = Label8->text();
    QString ruote = QStringLiteral("Ruote: ");
    if (ultima.ruote == std::vector<int>{RUOTATUTTE})
        ruote += QStringLiteral("Tutte");
    else
        for (int w : ultima.ruote)
            ruote += QString::fromStdString(s.nomiruote[w - 1]).left(2) + QLatin1Char(' ');
    righe[4] = ruote;
    stampaosalva(griglia->content(), righe, COLONNESTAMPA);
}

void massimi::Command3_Click() {
    platform::FileDialog& d = platform::commonDialog();
    d.setTitle(QStringLiteral("Crea file di pronostici"));
    d.setFilter(QStringLiteral("File di pronostici (*.pro)|*.pro"));
    d.setDefaultExtension(QStringLiteral("*.pro"));
    d.setFileName(QStringLiteral("pronostico.pro"));
    if (!d.showSave()) return;
    const QString nome = d.fileName();
    if (!confermascrittura(nome, QStringLiteral("Sostituire il file ?"))) return;
    if (!scrivisopra(nome.toStdString(), pronosticiclassifica(classificate, ultima.sorte)))
        platform::message(QStringLiteral("Nome di file non valido."));
}

void massimi::griglia_MouseDown(int riga, int colonna, Qt::MouseButton pulsante) {
    if (pulsante != Qt::LeftButton || colonna != 1 || riga < 1 ||
        griglia->textMatrix(riga, colonna).isEmpty())
        return;
    if (QMenu* menu = menuprincipale(QStringLiteral("menuric"))) platform::popup(menu);
}

Richiestaricerca massimi::richiestaricerca() const {
    // Column 0 names the wheel by its first two letters, "Tu" for all of them.
    const int r = griglia->row();
    const QString codice = griglia->textMatrix(r, 0);
    int ruota = 0;
    for (int w = 1; w <= RUOTATUTTE; ++w)
        if (QString::fromStdString(s.nomiruote[w - 1]).left(2) == codice) ruota = w;
    return {griglia->textMatrix(r, griglia->col()), ultima.sorte, ruotedi(ruota)};
}

void massimi::Check1_Click(int indice) {
    Command2->setEnabled(false);
    if (indice != 10) return;
    for (int i = 0; i < 10; ++i)
        Check1[i]->setEnabled(!Check1[10]->isChecked());
}

void massimi::Command7_Click(int indice) {
    for (QCheckBox* c : Check1)
        c->setChecked(indice == 0);
}

void massimi::Option1_Click() {
    for (QRadioButton* o : Option2)
        o->setEnabled(Option1[1]->isChecked());
}

} // namespace bolv
