#include "stampa.h"

#include "nomifinestre.h"

#include "messagebox.h"
#include "printer.h"
#include "textformat.h"
#include "units.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace bolv {

// A box of the slip: white, or green once marked; a click turns it over.
class Casellaschedina : public QLabel {
  public:
    Casellaschedina(const QString& nome, QWidget* padre, std::optional<Casella> c = {})
        : QLabel(padre), posto(c) {
        setObjectName(nome);
        setAutoFillBackground(true);
        setAlignment(Qt::AlignCenter);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        colora();
    }
    bool marcata() const { return segnata; }
    std::optional<Casella> casella() const { return posto; }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        segnata = !segnata;
        colora();
    }

  private:
    void colora() {
        QPalette p = palette();
        p.setColor(QPalette::Window, segnata ? QColor(0, 255, 0) : QColor(255, 255, 255));
        p.setColor(QPalette::WindowText, Qt::black);
        setPalette(p);
    }
    std::optional<Casella> posto;
    bool segnata = false;
};

namespace {

constexpr int TWIPSPIXEL = platform::twipsPerInch / 96;
constexpr int px(int twips) {
    return twips / TWIPSPIXEL;
}
constexpr int LATO = px(255);  // a box
constexpr int PASSO = px(300); // from one box to the next
const char* const COLONNEIMPORTI[] = {"50K", "40K", "30K", "20K", "10K", "5K",  "4K",
                                      "3K",  "2K",  "1K",  "500", "400", "300", "200",
                                      "100", "50",  "40",  "30",  "20",  "10"};
const char* const LETTEREIMPORTI[] = {"T", "E", "A", "T", "Q", "C"};

} // namespace

stampa::stampa(Stato& s) : Finestra(s, nomi::stampa) {
    costruisci();
}

void stampa::costruisci() {
    setWindowTitle(QStringLiteral("Stampa Schedina"));
    QFont piccolo = font();
    piccolo.setPixelSize(10);
    setFont(piccolo);
    caselle();
    didascalie();
    QWidget* f = parametri();
    f->move(px(4680), px(2520));
    f->resize(f->sizeHint().expandedTo(QSize(px(4695), px(1995))));
    pulsanteguida(QStringLiteral("Command4"))->setGeometry(px(9480), px(3780), px(1395), px(315));
    pulsante(QStringLiteral("Command1"), QStringLiteral("Stampa"), [this] {
        Command1_Click();
    })->setGeometry(px(9480), px(4140), px(1395), px(315));
    setFixedSize(childrenRect().united(QRect(0, 0, px(10995), px(4605))).size() + QSize(4, 4));
}

Casellaschedina* stampa::casella(const QString& base, int indice, int x, int y, Casella c) {
    auto* b = new Casellaschedina(nomecontrollo(base, indice), this, c);
    b->setGeometry(x, y, LATO, LATO);
    scatole.push_back(b);
    return b;
}

// Created in the order "Stampa" scans them: numbers, "Sistemi", "Giocate multiple",
// wheels, stakes row by row.
void stampa::caselle() {
    using G = Gruppocaselle;
    for (int i = 0; i < 90; ++i)
        casella(QStringLiteral("Label4"), i, px(60) + PASSO * (i % 10), px(360) + PASSO * (i / 10),
                {G::numeri, i})
            ->setText(QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    for (int j = 0; j < 10; ++j)
        casella(QStringLiteral("Label6"), j, px(60) + PASSO * j, px(3420), {G::sistemi, j});
    for (int j = 0; j < 10; ++j)
        casella(QStringLiteral("Label7"), j, px(60) + PASSO * j, px(3960), {G::multiple, j});
    for (int i = 0; i <= 10; ++i) {
        const int y = i == 10 ? px(3960) : px(360) + PASSO * i;
        casella(QStringLiteral("Label5"), i, px(3960), y, {G::ruote, i});
        etichetta(nomecontrollo(QStringLiteral("Label3"), i),
                  QString::fromStdString(s.nomiruote[static_cast<size_t>(i)]))
            ->setGeometry(px(3240) - 8, y, px(3960 - 3240) + 6, LATO);
    }
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 20; ++c)
            casella(QStringLiteral("Label8"), 20 * r + c, px(4620 + 300 * c + 120 * (c / 5)),
                    px(360) + PASSO * r, {G::importi, 20 * r + c});
}

void stampa::didascalie() {
    const struct {
        const char* testo;
        int x, y;
    } titoli[] = {{"Numeri", 60, 60},
                  {"Ruote", 3240, 60},
                  {"Sistemi", 60, 3180},
                  {"Giocate multiple", 60, 3720},
                  {"Importo di giocata", 4620, 60}};
    int i = 0;
    for (const auto& t : titoli) {
        QLabel* l =
            etichetta(nomecontrollo(QStringLiteral("Label2"), i++), QString::fromLatin1(t.testo));
        l->setStyleSheet(QStringLiteral("color: rgb(192, 64, 0); font-weight: bold;"));
        l->move(px(t.x), px(t.y));
        l->adjustSize();
    }
    for (int r = 0; r < 6; ++r)
        etichetta(nomecontrollo(QStringLiteral("Label11"), r),
                  QString::fromLatin1(LETTEREIMPORTI[r]))
            ->setGeometry(px(4380), px(360) + PASSO * r, px(240), LATO);
    // The stake captions stand one box apart: narrower than the rest.
    QFont didascaliaimporti = font();
    didascaliaimporti.setPixelSize(8);
    for (int c = 0; c < 20; ++c) {
        QLabel* l = etichetta(nomecontrollo(QStringLiteral("Label12"), c),
                              QString::fromLatin1(COLONNEIMPORTI[c]));
        l->setGeometry(px(4620 + 300 * c + 120 * (c / 5)) - 3, px(2160), LATO + 6, LATO);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setFont(didascaliaimporti);
    }
}

QWidget* stampa::parametri() {
    auto* f = new QGroupBox(QStringLiteral("Parametri"), this);
    f->setObjectName(QStringLiteral("Frame1"));
    auto* g = new QGridLayout(f);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(2);
    const char* const nomi[] = {"Offset orizzontale", "Offset verticale"};
    const Limitioffset limiti[] = {LIMITIORIZZONTALE, LIMITIVERTICALE};
    const int slot[] = {SLOTORIZZONTALE, SLOTVERTICALE};
    for (int i = 0; i < 2; ++i) {
        g->addWidget(
            etichetta(nomecontrollo(QStringLiteral("Label9"), i), QString::fromLatin1(nomi[i]), f),
            i, 0);
        Label1[i] = new Casellaschedina(nomecontrollo(QStringLiteral("Label1"), i), f);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label1[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
        Label1[i]->setText(platform::plainText(limiti[i].limita(s.configurazione[slot[i]])));
        g->addWidget(Label1[i], i, 1);
        for (int d = 0; d < 2; ++d) {
            const int indice = 2 * i + d;
            QPushButton* b = pulsante(
                nomecontrollo(QStringLiteral("Command2"), indice),
                d == 0 ? QStringLiteral("-") : QStringLiteral("+"),
                [this, indice] { Command2_Click(indice); }, f);
            b->setFixedWidth(24);
            g->addWidget(b, i, 2 + d);
        }
    }
    g->addWidget(
        pulsante(
            QStringLiteral("Command3"), QStringLiteral("Salva"), [this] { Command3_Click(); }, f),
        2, 0);
    QLabel* avviso = etichetta(
        QStringLiteral("Label10"),
        QStringLiteral("Attenzione: non viene controllata la correttezza della schedina giocata, "
                       "pertanto verrà stampata anche una schedina errata."),
        f);
    avviso->setWordWrap(true);
    g->addWidget(avviso, 3, 0, 1, 4);
    return f;
}

int stampa::offset(int i) const {
    const Limitioffset limiti = i == 0 ? LIMITIORIZZONTALE : LIMITIVERTICALE;
    const double v = std::nearbyint(platform::leadingValue(Label1[i]->text()));
    return limiti.limita(static_cast<int>(std::clamp(v, -32768.0, 32767.0)));
}

// The offsets stop where a mark would leave the page.
void stampa::Command2_Click(int indice) {
    const int i = indice / 2;
    const int passo = indice % 2 == 0 ? -PASSOOFFSET : PASSOOFFSET;
    const Limitioffset limiti = i == 0 ? LIMITIORIZZONTALE : LIMITIVERTICALE;
    Label1[i]->setText(platform::plainText(limiti.limita(offset(i) + passo)));
}

void stampa::Command3_Click() {
    const int h = offset(0), v = offset(1);
    bool salvato = false;
    if (!cambia([&](Stato& stato) { salvato = salvaoffset(stato, h, v); })) return;
    if (!salvato)
        platform::message(QStringLiteral("Impossibile scrivere il file di configurazione "
                                         "bolv.cfg: gli offset non sono stati salvati."));
}

// Always on the printer, whatever the output setting: the marks only mean something on
// the paper slip.
void stampa::Command1_Click() {
    std::vector<Casella> marcate;
    for (const Casellaschedina* b : scatole)
        if (b->marcata()) marcate.push_back(*b->casella());
    const std::vector<Segno> segni = segnischedina(marcate, offset(0), offset(1));
    auto stampante = platform::openPrinter();
    if (!stampante) return;
    for (const Segno& m : segni)
        stampante->circle(m.x, m.y, RAGGIOSEGNO, true);
    stampante->endDoc();
}

} // namespace bolv
