#include "simul.h"

#include "combinatoria.h"
#include "lavorolungo.h"
#include "nomifinestre.h"

#include "messagebox.h"
#include "mousepointer.h"
#include "textformat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace bolv {

namespace {

const char* const SORTI[] = {"Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"};
const char* const RISULTATI[] = {
    "Ritardo Attuale",         "Ritardo Storico",           "Presenze",        "Simulate",
    "Ciclicità media teorica", "Ciclicità media effettiva", "Massimo rilevato"};
constexpr int INTERVALLOCONTATORI = 50; // ms: the counters repaint no more often than this

QString cifre(long v) {
    return QString::number(v);
}

} // namespace

simul::simul(Stato& s) : Finestra(s, nomi::simul) {
    costruisci();
    Form_Load();
}

simul::~simul() = default;

void simul::costruisci() {
    setWindowTitle(QStringLiteral("Simulazione"));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(riquadronumeri());
    colonna->addWidget(riquadrosorte());

    auto* estrazioni = new QHBoxLayout;
    Text1 = casellatesto(QStringLiteral("Text1"));
    estrazioni->addWidget(
        etichetta(QStringLiteral("Label1"), QStringLiteral("Numero estrazioni:")));
    estrazioni->addWidget(Text1);
    estrazioni->addWidget(pulsante(QStringLiteral("Command4"), QStringLiteral("+"),
                                   [this] { cambiaestrazioni(PASSOSIMULAZIONE); }));
    estrazioni->addWidget(pulsante(QStringLiteral("Command5"), QStringLiteral("-"),
                                   [this] { cambiaestrazioni(-PASSOSIMULAZIONE); }));
    colonna->addLayout(estrazioni);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Inizia simulazione"),
                                [this] { Command1_Click(); }));
    Command6 = pulsante(QStringLiteral("Command6"), QStringLiteral("Interrompi"), {});
    comandi->addWidget(Command6);
    comandi->addWidget(pulsante(QStringLiteral("Command2"), QStringLiteral("Resetta massimi"),
                                [this] { Command2_Click(); }));
    comandi->addWidget(pulsanteguida(QStringLiteral("Command3")));
    colonna->addLayout(comandi);

    prgb = new QProgressBar(this);
    prgb->setObjectName(QStringLiteral("prgb"));
    prgb->setRange(0, 100);
    prgb->setValue(0);
    colonna->addWidget(prgb);
    colonna->addWidget(riquadrorisultati());

    lavoro = std::make_unique<Lavorolungo>(this, prgb, Command6);
    orologio = new QTimer(this);
    orologio->setInterval(INTERVALLOCONTATORI);
    connect(orologio, &QTimer::timeout, this, [this] {
        if (const auto c = bacheca.leggi()) mostracontatori(*c);
    });
}

QWidget* simul::riquadronumeri() {
    auto* f = new QGroupBox(QStringLiteral("Numeri da controllare"), this);
    f->setObjectName(QStringLiteral("Frame1"));
    Text2 = casellatesto(QStringLiteral("Text2"), f);
    (new QVBoxLayout(f))->addWidget(Text2);
    return f;
}

QWidget* simul::riquadrosorte() {
    auto* f = new QGroupBox(QStringLiteral("Sorte"), this);
    f->setObjectName(QStringLiteral("Frame2"));
    auto* riga = new QHBoxLayout(f);
    for (int i = 0; i < 5; ++i) {
        Option1[i] = opzione(QStringLiteral("Option1"), i, QString::fromLatin1(SORTI[i]), f);
        riga->addWidget(Option1[i]);
    }
    return f;
}

QWidget* simul::riquadrorisultati() {
    auto* f = new QGroupBox(QStringLiteral("Risultati simulazione"), this);
    f->setObjectName(QStringLiteral("Frame3"));
    auto* griglia = new QGridLayout(f);
    for (int i = 0; i < 7; ++i) {
        griglia->addWidget(etichetta(nomecontrollo(QStringLiteral("Label2"), i),
                                     QString::fromUtf8(RISULTATI[i]), f),
                           i, 0);
        Label3[i] = etichetta(nomecontrollo(QStringLiteral("Label3"), i), {}, f);
        Label3[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
        Label3[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label3[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Label3[i]->setStyleSheet(QStringLiteral("background-color: rgb(192, 192, 192);"));
        griglia->addWidget(Label3[i], i, 1);
    }
    return f;
}

std::string simul::percorso() const {
    return s.percorso("simul.dat");
}

void simul::Form_Load() {
    Text1->setText(QStringLiteral("10000"));
    Option1[0]->setChecked(true);
    switch (caricamassimi(percorso(), massimirilevati)) {
    case Letturamassimi::letti:
        break;
    case Letturamassimi::danneggiati:
        platform::message(QStringLiteral("Il file simul.dat è danneggiato o non leggibile: i "
                                         "massimi rilevati ripartono da zero."));
        break;
    case Letturamassimi::noncreati:
        platform::message(messaggioscrittura(QString::fromStdString(percorso())));
        break;
    }
}

void simul::cambiaestrazioni(int passo) {
    const double v = platform::leadingValue(Text1->text());
    const bool puo = passo > 0 ? v < MAXESTRAZIONISIMULATE : v > PASSOSIMULAZIONE;
    // A huge negative text would not fit a whole number: from below it starts at 0.
    if (puo) Text1->setText(platform::plainText(std::lround(std::max(v, 0.0)) + passo));
}

void simul::errore() {
    platform::message(QStringLiteral("Errore nell'inserimento dei numeri."));
    platform::setMousePointer(nullptr, platform::Pointer::Default);
}

void simul::mostracontatori(const Contatori& c) {
    Label3[0]->setText(cifre(c.ritardoattuale));
    Label3[1]->setText(cifre(c.ritardostorico));
    Label3[2]->setText(cifre(c.presenze));
    Label3[3]->setText(cifre(c.simulate));
    Label3[5]->setText(c.presenze > 0 ? platform::formatNumber(double(c.simulate) / c.presenze,
                                                               QStringLiteral("#,##0.00"))
                                      : QStringLiteral("---"));
}

void simul::Command1_Click() {
    const double richieste = std::nearbyint(platform::leadingValue(Text1->text()));
    const int sorte = static_cast<int>(
        std::find_if(Option1.begin(), Option1.end(), [](auto* o) { return o->isChecked(); }) -
        Option1.begin() + 1);
    platform::setMousePointer(nullptr, platform::Pointer::Hourglass);
    const Numerisimulati letti = leggenumeri(Text2->text().toStdString(), sorte);
    if (letti.errore == Errorenumeri::nullo) {
        platform::message(
            QStringLiteral("Errore: è stato inserito un valore nullo o un punto finale."));
        platform::setMousePointer(nullptr, platform::Pointer::Default);
        return;
    }
    if (letti.errore == Errorenumeri::numeri) return errore();
    // The count is checked before it becomes a whole number of draws to run.
    if (!(richieste >= 1 && richieste <= MAXESTRAZIONISIMULATE)) {
        platform::message(
            QStringLiteral("Il numero di estrazioni deve essere compreso tra 1 e 1.000.000."));
        platform::setMousePointer(nullptr, platform::Pointer::Default);
        return;
    }
    const long n = static_cast<long>(richieste);
    const int k = static_cast<int>(letti.numeri.size());
    int32_t& massimo = massimirilevati[indicemassimo(k, sorte)];
    Label3[4]->setText(platform::formatNumber(ciclicita(k, sorte), QStringLiteral("#,##0.00")));
    Label3[6]->setText(platform::plainText(massimo));

    Bacheca* b = &bacheca;
    Sorgentecasuale* g = &generatoreprogramma();
    bacheca.svuota();
    orologio->start();
    const auto esito = lavoro->esegui([numeri = letti.numeri, sorte, n, g, b](Avanzamento& a) {
        return simula(numeri, sorte, n, *g, a, b);
    });
    orologio->stop();
    if (esito) {
        if (esito->mostrati) mostracontatori(*esito->mostrati);
        if (esito->ritardostorico > massimo) {
            massimo = static_cast<int32_t>(esito->ritardostorico);
            salva();
        }
        Label3[6]->setText(platform::plainText(massimo));
    }
    platform::setMousePointer(nullptr, platform::Pointer::Default);
    prgb->setValue(0);
}

void simul::Command2_Click() {
    massimirilevati = Massimi{};
    salva();
}

void simul::salva() {
    if (!salvamassimi(percorso(), massimirilevati))
        platform::message(messaggioscrittura(QString::fromStdString(percorso())));
}

} // namespace bolv
