#include "tabform.h"

#include "nomifinestre.h"

#include "grid.h"
#include "popupmenu.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace bolv {

namespace {

const char* const gruppi[GRUPPIFORMAZIONI] = {"Ambi",     "Terzine", "Quartine",
                                              "Cinquine", "Sestine", "Lunghette"};

// The family captions of each group; an empty caption is a family the group lacks.
const char* const famiglie[GRUPPIFORMAZIONI][FAMIGLIEFORMAZIONI] = {
    {"Gemelli", "Vertibili", "Consecutivi", "Complementari", "Biunivoci", "Triplicati",
     "Simmetrici", "Diametrali"},
    {"Triangolari", "Consecutive", "Pari", "Dispari", "", "", "", ""},
    {"Cifra Composta", "Cifra Zerata", "Radicali", "Bicifriche", "Cifra Complementare",
     "Numero Raddoppiato", "", ""},
    {"Consecutive", "Dispari", "Pari", "Pentagonali", "", "", "", ""},
    {"Somma 273", "Cifra Composta", "Tricifriche", "Circolari", "Passo Multiplo", "Consecutive",
     "Esagonali", "Distanza 45"},
    {"Decine Naturali", "Decine Simmetriche", "Cadenze", "Figure", "Controfigure", "Base Gemellare",
     "Cifra Pura", "Cifra Impura"},
};

const char* const sorti[] = {"Ambata", "Ambo", "Terno"};
const char* const ordini[] = {"Ambi", "Ritardi", "Presenze", "R/P"};
const char* const intestazioni[] = {"Formazione", "Rit", "Pre", "R/P"};
constexpr int larghezze[] = {2480, 650, 650, 850};
const std::vector<int> colonnestampa = {0, 34, 42, 50};
constexpr int TERNO = 2;     // Option2 index of "Terno"
constexpr int LUNGHETTE = 6; // the group whose title is its family alone

template <size_t N> int indice(const std::array<QRadioButton*, N>& pulsanti) {
    for (size_t i = 0; i < N; ++i)
        if (pulsanti[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

QString testoformazione(const std::vector<int>& numeri) {
    QStringList parti;
    for (int n : numeri)
        parti << platform::formatNumber(n, QStringLiteral("00"));
    return parti.join(QLatin1Char('.'));
}

// The wheel of the maximum in yellow on a dark blue ground of its own, where it reads; the
// others in black on the window's ground.
void colora(QRadioButton* b, bool marcata) {
    QPalette p = b->palette();
    const QColor testo = marcata ? QColor(255, 255, 0) : QColor(Qt::black);
    p.setColor(QPalette::WindowText, testo);
    p.setColor(QPalette::ButtonText, testo);
    p.setColor(b->backgroundRole(),
               marcata ? QColor(0, 0, 128) : b->parentWidget()->palette().color(QPalette::Window));
    b->setPalette(p);
    b->setAutoFillBackground(marcata);
}

} // namespace

tabform::tabform(Stato& s) : Finestra(s, nomi::tabform) {
    costruisci();
    Form_Load();
}

QGroupBox* tabform::cornice(const QString& nome, const QString& titolo) {
    auto* c = new QGroupBox(titolo, this);
    c->setObjectName(nome);
    return c;
}

template <size_t N>
void tabform::opzioni(std::array<QRadioButton*, N>& pulsanti, const QString& base, QGroupBox* padre,
                      void (tabform::*gestore)(int), int colonne) {
    auto* griglia = new QGridLayout(padre);
    griglia->setContentsMargins(6, 2, 6, 2);
    griglia->setVerticalSpacing(0);
    const int righe = (static_cast<int>(N) + colonne - 1) / colonne;
    for (size_t i = 0; i < N; ++i) {
        const int j = static_cast<int>(i);
        pulsanti[i] = opzione(base, j, QString(), padre);
        griglia->addWidget(pulsanti[i], j % righe, j / righe);
        connect(pulsanti[i], &QRadioButton::toggled, this, [this, gestore, j](bool acceso) {
            if (acceso) (this->*gestore)(j);
        });
    }
}

void tabform::costruisci() {
    setWindowTitle(QStringLiteral("Tabelle"));
    QGroupBox* Frame3 = cornice(QStringLiteral("Frame3"), QString());
    QGroupBox* Frame5 = cornice(QStringLiteral("Frame5"), QString());
    QGroupBox* Frame1 = cornice(QStringLiteral("Frame1"), QStringLiteral("Ruota"));
    QGroupBox* Frame2 = cornice(QStringLiteral("Frame2"), QStringLiteral("Sorte"));
    QGroupBox* Frame4 = cornice(QStringLiteral("Frame4"), QStringLiteral("Ordina per"));
    opzioni(Option3, QStringLiteral("Option3"), Frame3, &tabform::Option3_Click, 6);
    opzioni(Option5, QStringLiteral("Option5"), Frame5, &tabform::Option5_Click, 4);
    opzioni(Option1, QStringLiteral("Option1"), Frame1, &tabform::Option1_Click, 2);
    opzioni(Option2, QStringLiteral("Option2"), Frame2, &tabform::Option2_Click, 1);
    opzioni(Option4, QStringLiteral("Option4"), Frame4, &tabform::Option4_Click, 1);
    for (int i = 0; i < GRUPPIFORMAZIONI; ++i)
        Option3[i]->setText(QString::fromUtf8(gruppi[i]));
    for (int i = 0; i < 3; ++i)
        Option2[i]->setText(QString::fromUtf8(sorti[i]));
    for (int i = 0; i < 4; ++i)
        Option4[i]->setText(QString::fromUtf8(ordini[i]));

    Grid1 = new platform::Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    connect(Grid1, &platform::Grid::cellPressed, this, &tabform::Grid1_MouseDown);
    Label1 = etichetta(QStringLiteral("Label1"));
    Label2 = etichetta(QStringLiteral("Label2"));
    QFont grassetto = Label1->font();
    grassetto.setBold(true);
    Label1->setFont(grassetto);
    Label2->setFont(grassetto);
    Command1 = pulsante(QStringLiteral("Command1"), QStringLiteral("Stampa"),
                        [this] { Command1_Click(); });
    Command1->setEnabled(false);

    auto* destra = new QVBoxLayout;
    destra->addWidget(Frame1);
    destra->addWidget(Frame2);
    destra->addWidget(Frame4);
    destra->addStretch();
    destra->addWidget(Command1);
    destra->addWidget(pulsanteguida(QStringLiteral("Command8")));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Frame3, 0, 0, 1, 2);
    layout->addWidget(Frame5, 1, 0, 1, 2);
    layout->addWidget(Label1, 2, 0);
    layout->addWidget(Label2, 3, 0);
    layout->addWidget(Grid1, 4, 0);
    layout->addLayout(destra, 2, 1, 3, 1);
    layout->setRowStretch(4, 1);
}

void tabform::Form_Load() {
    pronta = false;
    Grid1->setFontBold(true);
    Grid1->setCols(4);
    Grid1->setRows(1);
    Grid1->setFixedRows(1);
    Grid1->setFixedCols(0);
    // Two numbers ("57.75") would otherwise stand to the right, as a decimal number does;
    // the figures stand to the right, also a delay marked "*" or a ratio's decimal comma.
    Grid1->setColAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 1; c < 4; ++c)
        Grid1->setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough from the start for the longest rows: ten numbers, a delay of four digits
    // never out, large presences and ratios.
    const char* const campioni[] = {"00.00.00.00.00.00.00.00.00.00", " 8000*", " 99999", "9999,00"};
    int pixel = 0;
    for (int c = 0; c < 4; ++c) {
        Grid1->setTextMatrix(0, c, QString::fromUtf8(intestazioni[c]));
        pixel += Grid1->twipsToPixels(
            std::max(larghezze[c], larghezzatesto(QString::fromLatin1(campioni[c]))));
    }
    Grid1->setMinimumWidth(pixel + 24); // and the vertical scroll bar
    allargacolonne();
    Grid1->setMinimumHeight(320);

    Option2[1]->setChecked(true);
    if (!s.ambiattivi) {
        Option2[1]->setEnabled(false);
        Option2[0]->setChecked(true);
    }
    if (!s.ternattivi) Option2[2]->setEnabled(false);
    Option1[0]->setChecked(true);
    Option4[0]->setChecked(true);
    for (int i = 0; i < 11; ++i)
        Option1[i]->setText(QString::fromStdString(s.nomiruote[i]));
}

void tabform::richiedi() {
    if (!pronta || richiesta) return;
    richiesta = true;
    QTimer::singleShot(0, this, [this] {
        richiesta = false;
        compila();
    });
}

void tabform::Option1_Click(int Index) {
    Label2->setText(Index == 10
                        ? QStringLiteral("Tutte le ruote")
                        : QStringLiteral("Ruota di ") + QString::fromStdString(s.nomiruote[Index]));
    richiedi();
}

void tabform::Option2_Click(int Index) {
    richiedi();
    if (Index == TERNO) {
        Option3[0]->setEnabled(false);
        if (Option3[0]->isChecked()) Option3[1]->setChecked(true);
    } else {
        Option3[0]->setEnabled(true);
    }
}

void tabform::Option3_Click(int Index) {
    // A pair family has no triples: the sorte leaves "Terno" before the family shows.
    if (Index == 0 && Option2[TERNO]->isChecked())
        Option2[Option2[1]->isEnabled() ? 1 : 0]->setChecked(true);
    Option5[0]->setChecked(true);
    for (int f = 0; f < FAMIGLIEFORMAZIONI; ++f) {
        const QString testo = QString::fromUtf8(famiglie[Index][f]);
        Option5[f]->setText(testo);
        Option5[f]->setEnabled(f < 4 || !testo.isEmpty());
    }
    richiedi();
}

void tabform::Option4_Click(int) {
    richiedi();
}

void tabform::Option5_Click(int) {
    richiedi();
    pronta = true;
}

void tabform::compila() {
    const auto sorte = static_cast<Sorte>(indice(Option2) + 1);
    const int w = indice(Option1) + 1;
    const auto ordine = static_cast<Ordine>(indice(Option4) + 1);
    const int g = indice(Option3) + 1;
    const int f = indice(Option5) + 1;
    const Tabellaformazioni t = compilaformazioni(s, g, f, sorte);
    riempigriglia(t, w, ordine);
    const QString famiglia = Option5[f - 1]->text();
    Label1->setText(g == LUNGHETTE ? famiglia
                                   : Option3[g - 1]->text() + QLatin1Char(' ') + famiglia);
    evidenzia(ruotamassima(t, ordine));
    Command1->setEnabled(!t.formazioni.empty());
    emit compilata();
}

void tabform::riempigriglia(const Tabellaformazioni& t, int w, Ordine ordine) {
    QStringList testi;
    for (int r : ordineformazioni(t, w, ordine)) {
        const Valoriformazione& v = t.valori[r][w - 1];
        testi << testoformazione(t.formazioni[r])
              << platform::plainText(v.ritardo) + (v.maiuscita ? QStringLiteral("*") : QString())
              << platform::plainText(v.presenze)
              << (v.rapporto ? platform::formatNumber(*v.rapporto, QStringLiteral("##0.00"))
                             : QString());
    }
    platform::Grid::Batch batch(*Grid1);
    Grid1->setRows(1);
    Grid1->fillRows(1, std::move(testi));
    allargacolonne();
}

int tabform::larghezzatesto(const QString& testo) const {
    const int pixel = QFontMetrics(Grid1->font()).horizontalAdvance(testo) + 12;
    return pixel * platform::twipsPerInch / Grid1->logicalDpiX();
}

void tabform::allargacolonne() {
    // The widths are the least a column has: long formations (Lunghette) and delays of four
    // digits with their mark need more in the grid's bold font.
    for (int c = 0; c < 4; ++c) {
        int twips = larghezze[c];
        for (int r = 0; r < Grid1->rows(); ++r)
            twips = std::max(twips, larghezzatesto(Grid1->textMatrix(r, c)));
        Grid1->setColWidth(c, twips);
    }
}

void tabform::evidenzia(int ruota) {
    for (int i = 0; i < 11; ++i)
        colora(Option1[i], i + 1 == ruota);
}

void tabform::scegli(int gruppo, int famiglia) {
    if (gruppo >= 0 && gruppo < static_cast<int>(Option3.size())) Option3[gruppo]->setChecked(true);
    if (famiglia >= 0 && famiglia < static_cast<int>(Option5.size()))
        Option5[famiglia]->setChecked(true);
}

void tabform::Grid1_MouseDown(int riga, int colonna, Qt::MouseButton pulsante) {
    // Only a formation can be searched: not its figures nor the heading.
    if (pulsante != Qt::LeftButton || colonna != 0 || riga < Grid1->fixedRows() ||
        Grid1->textMatrix(riga, colonna).isEmpty())
        return;
    if (QMenu* menu = menuprincipale(QStringLiteral("menuric"))) platform::popup(menu);
}

Richiestaricerca tabform::richiestaricerca() const {
    return {Grid1->textMatrix(Grid1->row(), Grid1->col()), indice(Option2) + 1,
            ruotedi(indice(Option1) + 1)};
}

void tabform::Command1_Click() {
    Righe righe;
    righe[0] = QStringLiteral("Tabelle Formazioni Omogenee");
    righe[1] = Label1->text();
    righe[2] = Label2->text();
    righe[3] = QStringLiteral("Sorte: ") + Option2[indice(Option2)]->text();
    stampaosalva(Grid1->content(), righe, colonnestampa);
}

} // namespace bolv
