#include "archivio2.h"

#include "archivio.h"
#include "cerchio.h"
#include "editazione.h"
#include "nomifinestre.h"
#include "ricercaestrazioni.h"
#include "sodi.h"

#include "grid.h"
#include "messagebox.h"
#include "textcolumns.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

namespace bolv {

namespace {

const QColor CIANO(0, 255, 255);
const QColor VERDE(0, 255, 0);
const QString FORMATODATA = QStringLiteral("ddd dd.mm.yyyy");
const char* const MODIFICATO = "L'archivio è stato modificato e salvato. Il programma provvederà "
                               "ora alla sua rilettura.";
const char* const FUORIINTERVALLO = "Un valore inserito non rientra nell'intervallo specificato";
const QString RIGA = QString(28, QLatin1Char('-'));
// Wide enough for the headers ("1-2") in the bold font: at 400 twips they were cut short.
constexpr int LARGHEZZASODI = 540;

QStringList vocifiltro() {
    QStringList voci = {QStringLiteral("Tutti i numeri"), QStringLiteral("Ritardi all'estrazione"),
                        QStringLiteral("Gemelli"),        QStringLiteral("Pari"),
                        QStringLiteral("Dispari"),        QStringLiteral("1-30"),
                        QStringLiteral("31-60"),          QStringLiteral("61-90")};
    for (int i = 0; i <= 9; ++i)
        voci << QStringLiteral("Cadenza %1").arg(i);
    for (int i = 0; i <= 8; ++i)
        voci << QStringLiteral("Decina %1").arg(i);
    for (int i = 1; i <= 9; ++i)
        voci << QStringLiteral("Figura %1").arg(i);
    for (int i = 1; i <= 8; ++i)
        voci << QStringLiteral("Cifra %1").arg(i);
    voci << QStringLiteral("Cifra 9/0");
    return voci;
}

// The grid as large as its cells, so the window shows it whole.
void adatta(platform::Grid* g) {
    int larghezza = 2 * g->frameWidth(), altezza = 2 * g->frameWidth();
    for (int c = 0; c < g->cols(); ++c)
        larghezza += g->columnWidth(c);
    for (int r = 0; r < g->rows(); ++r)
        altezza += g->rowHeight(r);
    g->setFixedSize(larghezza, altezza);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString testo(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString numeroestrazione(int d) {
    return QStringLiteral("(n.") + platform::plainText(d) + QLatin1Char(')');
}

} // namespace

archivio2::archivio2(Stato& s) : Finestra(s, nomi::archivio2) {
    costruisci();
}

void archivio2::costruisci() {
    setWindowTitle(QStringLiteral("Archivio Estrazioni"));
    auto* griglia = new QGridLayout(this);
    griglia->addWidget(costruiscitestata(), 0, 0, 1, 2);
    griglia->addWidget(costruiscinavigazione(), 1, 0);
    griglia->addWidget(costruiscitabella(), 1, 1);
    griglia->addWidget(costruiscieditazione(), 2, 0, 1, 2);

    // With no draw held there is nothing to show or edit.
    const bool vuoto = s.numestrazioni < 1;
    estrazionecorrente = vuoto ? 0 : s.ultimaestrazione;
    VScroll1->setRange(s.primaestrazione, std::max(s.primaestrazione, s.numestrazioni));
    VScroll1->setValue(s.ultimaestrazione);
    VScroll1->setEnabled(!vuoto);
    Frame1->setEnabled(!vuoto);
    Command5->setEnabled(platform::registry().isDefined(QString::fromLatin1(nomi::inserimento)));
    connect(VScroll1, &QScrollBar::valueChanged, this, &archivio2::VScroll1_Change);
    visualizzaestrazione();
}

QWidget* archivio2::costruiscitestata() {
    auto* w = new QWidget(this);
    auto* riga = new QHBoxLayout(w);
    riga->setContentsMargins(0, 0, 0, 0);
    Label4 = etichetta(QStringLiteral("Label4"), {}, w);
    Label5 = etichetta(QStringLiteral("Label5"), {}, w);
    Label2 = etichetta(QStringLiteral("Label2"), {}, w);
    Label9 = etichetta(QStringLiteral("Label9"), {}, w);
    const std::pair<const char*, QLabel*> campi[] = {{"Data estrazione:", Label4},
                                                     {"Numero estr.:", Label5},
                                                     {"Ind. ann.:", Label2},
                                                     {"Ind. mens.:", Label9}};
    const char* nomi[] = {"Label3", "Label6", "Label8", "Label10"};
    for (int i = 0; i < 4; ++i) {
        riga->addWidget(etichetta(QString::fromLatin1(nomi[i]), testo(campi[i].first), w));
        QFont grassetto = campi[i].second->font();
        grassetto.setBold(true);
        campi[i].second->setFont(grassetto);
        campi[i].second->setMinimumWidth(
            campi[i].second->fontMetrics().horizontalAdvance(QStringLiteral("mmm 00.00.0000")));
        riga->addWidget(campi[i].second);
    }
    riga->addStretch();
    return w;
}

QWidget* archivio2::costruiscinavigazione() {
    auto* w = new QWidget(this);
    auto* colonna = new QGridLayout(w);
    colonna->setContentsMargins(0, 0, 0, 0);
    tabestr = new platform::Grid(w);
    tabestr->setObjectName(QStringLiteral("tabestr"));
    impostatabestr();
    connect(tabestr, &platform::Grid::cellDoubleClicked, this, &archivio2::tabestr_DblClick);
    VScroll1 = new QScrollBar(Qt::Vertical, w);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    colonna->addWidget(tabestr, 0, 0);
    colonna->addWidget(VScroll1, 0, 1);

    auto* passi = new QGridLayout;
    const char* didascalie[] = {"<", "<<", ">>", ">"};
    const char* etichette[] = {"-1", "-50", "+50", "+1"};
    for (int i = 0; i < 4; ++i) {
        passi->addWidget(pulsante(
                             nomecontrollo(QStringLiteral("Command9"), i),
                             QString::fromLatin1(didascalie[i]), [this, i] { Command9_Click(i); },
                             w),
                         0, i);
        QLabel* l = etichetta(nomecontrollo(QStringLiteral("Label7"), i),
                              QString::fromLatin1(etichette[i]), w);
        l->setAlignment(Qt::AlignCenter);
        passi->addWidget(l, 1, i);
    }
    colonna->addLayout(passi, 1, 0, 1, 2);

    auto* comandi = new QGridLayout;
    QPushButton* vaidata = pulsante(
        QStringLiteral("Command2"), QStringLiteral("Vai a data"), [this] { Command2_Click(); }, w);
    vaidata->setToolTip(
        QStringLiteral("Si sposta all'estrazione piu' prossima alla data specificata"));
    QPushButton* vainumero = pulsante(
        QStringLiteral("Command3"), QStringLiteral("Vai a numero"), [this] { Command3_Click(); },
        w);
    vainumero->setToolTip(
        QStringLiteral("Si sposta all'estrazione corrispondente al numero specificato"));
    QPushButton* estesa = pulsante(
        QStringLiteral("Command10"), QStringLiteral("Visualizzaz. Estesa"),
        [this] { Command10_Click(); }, w);
    estesa->setToolTip(QStringLiteral("Visualizza tutte le estrazioni di un anno"));
    estesa->setEnabled(platform::registry().isDefined(QString::fromLatin1(nomi::archesteso)));
    comandi->addWidget(vaidata, 0, 0);
    comandi->addWidget(vainumero, 0, 1);
    comandi->addWidget(pulsante(
                           QStringLiteral("Command1"), QStringLiteral("Stampa Estrazione"),
                           [this] { Command1_Click(); }, w),
                       1, 0);
    comandi->addWidget(estesa, 1, 1);
    comandi->addWidget(pulsanteguida(QStringLiteral("Command8"), w), 1, 2);
    colonna->addLayout(comandi, 2, 0, 1, 2);

    auto* filtro = new QHBoxLayout;
    filtro->addWidget(
        etichetta(nomecontrollo(QStringLiteral("Label1"), 0), QStringLiteral("Filtro:"), w));
    Combo1 = new QComboBox(w);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(vocifiltro());
    Combo1->setCurrentIndex(0);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &archivio2::VScroll1_Change);
    filtro->addWidget(Combo1, 1);
    colonna->addLayout(filtro, 3, 0, 1, 2);
    colonna->setRowStretch(4, 1);
    return w;
}

void archivio2::impostatabestr() {
    {
        platform::Grid::Batch lotto(*tabestr);
        intestatabestr();
    }
    adatta(tabestr);
}

void archivio2::intestatabestr() {
    tabestr->setRows(11);
    tabestr->setCols(8);
    tabestr->setFixedRows(1);
    tabestr->setFixedCols(1);
    tabestr->setFontBold(true);
    tabestr->setFontSize(10);
    const char* intestazioni[] = {"", "I", "II", "III", "IV", "V", "somma", "media"};
    for (int c = 0; c < 8; ++c)
        tabestr->setTextMatrix(0, c, QString::fromLatin1(intestazioni[c]));
    for (int c = 1; c <= 7; ++c)
        tabestr->setColAlignment(c, Qt::AlignHCenter | Qt::AlignTop);
    tabestr->setColWidth(0, 1100);
    for (int c = 1; c <= 5; ++c)
        tabestr->setColWidth(c, 500);
    tabestr->setColWidth(6, 900);
    tabestr->setColWidth(7, 800);
    for (int r = 1; r <= 10; ++r) {
        tabestr->setTextMatrix(r, 0, QString::fromStdString(s.nomiruote[r - 1]));
        tabestr->setCellBackColor(r, 6, CIANO);
        tabestr->setCellBackColor(r, 7, CIANO);
    }
}

QWidget* archivio2::costruiscitabella() {
    auto* w = new QWidget(this);
    auto* colonna = new QVBoxLayout(w);
    colonna->setContentsMargins(0, 0, 0, 0);
    Label1_1 = etichetta(nomecontrollo(QStringLiteral("Label1"), 1),
                         QStringLiteral("Somme tra gli estratti"), w);
    sodi = new platform::Grid(w);
    sodi->setObjectName(QStringLiteral("sodi"));
    impostasodi();
    colonna->addWidget(Label1_1);
    colonna->addWidget(sodi);

    auto* sotto = new QHBoxLayout;
    auto* Frame2 = new QGroupBox(QStringLiteral("Tipo tabella e opzioni"), w);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* opzioni = new QVBoxLayout(Frame2);
    Option1[0] =
        opzione(QStringLiteral("Option1"), 0, QStringLiteral("Somme tra gli estratti"), Frame2);
    Option1[1] =
        opzione(QStringLiteral("Option1"), 1, QStringLiteral("Distanze tra gli estratti"), Frame2);
    Option1[0]->setChecked(true);
    Check1 = casella(QStringLiteral("Check1"), QStringLiteral("Evidenzia valori uguali isotopi"),
                     Frame2);
    Check2 = casella(QStringLiteral("Check2"), QStringLiteral("Evidenzia somme 90"), Frame2);
    Check3 = casella(QStringLiteral("Check3"), QStringLiteral("Evidenzia distanze 45"), Frame2);
    Check4 = casella(QStringLiteral("Check4"), QStringLiteral("Mostra solo tabella estratti"), w);
    for (int i = 0; i < 2; ++i) {
        opzioni->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
            if (scelta) Option1_Click(i);
        });
    }
    for (QCheckBox* c : {Check1, Check2, Check3}) {
        opzioni->addWidget(c);
        connect(c, &QCheckBox::toggled, this, &archivio2::visualizzaestrazione);
    }
    connect(Check4, &QCheckBox::toggled, this, &archivio2::Check4_Click);
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(Frame2);
    sinistra->addWidget(Check4);
    sinistra->addStretch();
    sotto->addLayout(sinistra);

    auto* cerchio = new QVBoxLayout;
    cerchio->addWidget(etichetta(nomecontrollo(QStringLiteral("Label1"), 2),
                                 QStringLiteral("Cerchio ciclometrico"), w));
    Combo2 = new QComboBox(w);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    for (int i = 0; i < 10; ++i)
        Combo2->addItem(QString::fromStdString(s.nomiruote[i]));
    Combo2->setCurrentIndex(0);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &archivio2::visualizzaestrazione);
    Picture1 = new Cerchio(w);
    cerchio->addWidget(Combo2);
    cerchio->addWidget(Picture1, 1);
    sotto->addLayout(cerchio, 1);
    colonna->addLayout(sotto, 1);
    return w;
}

void archivio2::impostasodi() {
    {
        platform::Grid::Batch lotto(*sodi);
        sodi->setRows(11);
        sodi->setCols(11);
        sodi->setFixedRows(1);
        sodi->setFixedCols(1);
        sodi->setFontBold(true);
        sodi->setFontSize(10);
        for (int c = 0; c <= 10; ++c) {
            sodi->setColWidth(c, LARGHEZZASODI);
            sodi->setColAlignment(c, Qt::AlignCenter);
        }
    }
    adatta(sodi);
}

QWidget* archivio2::costruiscieditazione() {
    Frame1 = new QGroupBox(QStringLiteral("Editazione"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riga = new QHBoxLayout(Frame1);
    struct Bottone {
        const char* nome;
        const char* didascalia;
        const char* suggerimento;
        void (archivio2::*azione)();
    };
    const Bottone bottoni[] = {
        {"Command11", "Modifica Data", "Modifica la data dell'estrazione visualizzata",
         &archivio2::Command11_Click},
        {"Command4", " Cancella Estrazione", "Elimina l'estrazione visualizzata dall'archivio",
         &archivio2::Command4_Click},
        {"Command5", " Inserisci Estrazione", "Inserisce un'estrazione dopo quella visualizzata",
         &archivio2::Command5_Click},
        {"Command6", " Scambia Estrazioni", "Scambia tra loro due estrazioni dell'archivio",
         &archivio2::Command6_Click},
        {"Command7", "  Sposta  Estrazione", "Sposta un'estrazione nell'archivio",
         &archivio2::Command7_Click},
        {"Command12", "Salva Archivio", nullptr, &archivio2::Command12_Click},
    };
    for (const Bottone& b : bottoni) {
        const auto azione = b.azione;
        QPushButton* p = pulsante(
            QString::fromLatin1(b.nome), QString::fromLatin1(b.didascalia),
            [this, azione] { (this->*azione)(); }, Frame1);
        if (b.suggerimento) p->setToolTip(QString::fromLatin1(b.suggerimento));
        riga->addWidget(p);
        if (b.azione == &archivio2::Command5_Click) Command5 = p;
    }
    return Frame1;
}

void archivio2::visualizzaestrazione() {
    const int d = estrazionecorrente;
    if (d == 0) return;
    Label4->setText(platform::formatDate(s.dateestrazioni[d], FORMATODATA));
    Label5->setText(platform::plainText(d) + QStringLiteral(" /") +
                    platform::plainText(s.numestrazioni));
    Label2->setText(platform::plainText(s.progressivi[d - 1]));
    Label9->setText(platform::plainText(s.progressivi[d - 1 + NUMSLOT]));
    mostranumeri(d, Combo1->currentIndex());
    if (mostrasodi) riempisodi(d);
    disegnacerchio(d);
}

void archivio2::mostranumeri(int d, int filtro) {
    platform::Grid::Batch lotto(*tabestr);
    const bool ritardi = filtro == FILTRORITARDI;
    for (int w = 1; w <= RUOTE; ++w) {
        std::array<int, 5> valori{};
        for (int p = 1; p <= 5; ++p) {
            const int v = s.estr(d, w, p);
            const int ritardo = s.ritardiuscita[indicearchivio(d, w, p)];
            valori[p - 1] = ritardi ? ritardo : v;
            if (ritardi)
                tabestr->setTextMatrix(w, p, QString::number(ritardo));
            else if (filtro >= 0)
                tabestr->setTextMatrix(w, p, nelfiltro(filtro, v) ? QString::number(v) : QString());
        }
        const Sommaruota r = sommaruota(valori);
        tabestr->setTextMatrix(w, 6, platform::plainText(r.somma));
        tabestr->setTextMatrix(w, 7, platform::formatNumber(r.media, QStringLiteral("##0.0")));
    }
}

void archivio2::riempisodi(int d) {
    Ruote ruote;
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            ruote[w - 1][p - 1] = s.estr(d, w, p);
    Opzionisodi opzioni;
    opzioni.somme = Option1[0]->isChecked();
    opzioni.isotopi = Check1->isChecked();
    opzioni.somme90 = Check2->isChecked();
    opzioni.distanze45 = Check3->isChecked();
    const Tabellasodi t = tabellasodi(ruote, opzioni);

    platform::Grid::Batch lotto(*sodi);
    sodi->clear();
    for (int c = 1; c <= 10; ++c)
        sodi->setTextMatrix(0, c,
                            QStringLiteral("%1-%2").arg(COPPIE[c - 1][0]).arg(COPPIE[c - 1][1]));
    for (int w = 1; w <= 10; ++w) {
        sodi->setTextMatrix(w, 0, QString::fromStdString(s.nomiruote[w - 1]).left(2));
        for (int c = 1; c <= 10; ++c) {
            sodi->setTextMatrix(w, c, platform::plainText(t.valori[w - 1][c - 1]));
            if (t.evidenziate[w - 1][c - 1]) sodi->setCellBackColor(w, c, VERDE);
        }
    }
}

void archivio2::disegnacerchio(int d) {
    ruotacerchio = static_cast<uint8_t>(Combo2->currentIndex() + 1);
    std::array<int, 5> numeri;
    for (int p = 1; p <= 5; ++p)
        numeri[p - 1] = s.estr(d, ruotacerchio, p);
    Picture1->disegna(poligonocerchio(numeri));
}

void archivio2::VScroll1_Change() {
    if (s.numestrazioni < 1) return;
    estrazionecorrente = VScroll1->value();
    visualizzaestrazione();
}

void archivio2::Command9_Click(int indice) {
    VScroll1->setValue(passo(VScroll1->value(), indice, s.primaestrazione, s.numestrazioni));
}

void archivio2::Command2_Click() {
    const QString formato = QStringLiteral("dd.mm.yyyy");
    const QString domanda =
        testo("Inserisci la data dell'estrazione dell'archivio che vuoi visualizzare nel formato "
              "gg/mm/aaaa. Il separatore dei numeri può essere qualunque.") +
        QChar(13) +
        QStringLiteral("Gli anni antecedenti il 1900 vanno indicati per esteso (es: 1890)") +
        QChar(13) + QStringLiteral(" (Il valore deve essere compreso tra ") +
        platform::formatDate(s.dateestrazioni[s.primaestrazione], formato) + QStringLiteral(" e ") +
        platform::formatDate(s.dateestrazioni[std::max(1, s.numestrazioni)], formato) +
        QStringLiteral(") :");
    const QString risposta = platform::inputBox(domanda, QStringLiteral("Vai alla data..."));
    if (risposta.isEmpty()) return;
    const auto data = leggidatacercata(risposta.toStdString());
    if (!data) {
        platform::message(testo("La data inserita non è valida."));
        return;
    }
    const int d = cercadata(s, *data);
    if (d == 0) {
        platform::message(QStringLiteral(
            "Estrazione non trovata. Verificare che la data immessa rientri nei limiti indicati. "
            "Settare eventualmente un diverso punto di inizio per l'archivio estrazioni."));
        return;
    }
    VScroll1->setValue(d);
}

void archivio2::Command3_Click() {
    const QString domanda = QStringLiteral("Inserisci il numero dell'estrazione dell'archivio che "
                                           "vuoi visualizzare (valore compreso tra ") +
                            platform::plainText(s.primaestrazione) + QStringLiteral(" e ") +
                            platform::plainText(s.numestrazioni) + QStringLiteral(") :");
    const QString risposta =
        platform::inputBox(domanda, QStringLiteral("Vai all'estrazione numero..."));
    if (risposta.isEmpty()) return;
    const Esitonumero esito = cercanumero(s, risposta.toStdString());
    for (const std::string& m : esito.messaggi)
        platform::message(QString::fromStdString(m));
    if (esito.slot > 0) VScroll1->setValue(esito.slot);
}

QStringList archivio2::righeruote() const {
    platform::TextColumns righe;
    for (int r = 1; r <= 10; ++r) {
        righe.write(tabestr->textMatrix(r, 0));
        for (int c = 1; c <= 5; ++c) {
            righe.tab(3 * c + 10);
            righe.write(platform::formatText(tabestr->textMatrix(r, c), QStringLiteral("00")));
        }
        righe.newLine();
    }
    return righe.lines();
}

void archivio2::Command1_Click() {
    const QString titolo = QStringLiteral("Estrazione di ") + Label4->text();
    Rapportotesto r;
    r.linee << RIGA << titolo << RIGA << righeruote() << RIGA << QString() << QString();
    r.stampate << titolo << QString() << righeruote();
    r.dimensionescelta = false;
    r.titolo = QStringLiteral("Salva estrazione su file di testo");
    r.proposto = Label4->text() + QStringLiteral(".txt");
    r.seesiste = testo("Appendere l'estrazione al file ?");
    stampaosalva(r);
}

void archivio2::Command10_Click() {
    platform::registry().show(QString::fromLatin1(nomi::archesteso));
}

void archivio2::Check4_Click() {
    const bool solotabella = Check4->isChecked();
    mostrasodi = !solotabella;
    for (QWidget* c : {static_cast<QWidget*>(Option1[0]), static_cast<QWidget*>(Option1[1]),
                       static_cast<QWidget*>(Check1), static_cast<QWidget*>(Check2),
                       static_cast<QWidget*>(Check3)})
        c->setEnabled(!solotabella);
    if (solotabella) {
        sodi->clear();
        Label1_1->clear();
        return;
    }
    visualizzaestrazione();
    Label1_1->setText(Option1[0]->isChecked() ? QStringLiteral("Somme tra gli estratti")
                                              : QStringLiteral("Differenze tra gli estratti"));
}

void archivio2::Option1_Click(int indice) {
    visualizzaestrazione();
    Label1_1->setText(indice == 0 ? QStringLiteral("Somme tra gli estratti")
                                  : QStringLiteral("Distanze tra gli estratti"));
}

bool archivio2::scrivi(const Scritturaarchivio& scrittura, const QString& messaggio) {
    bool scritto = false;
    cambia([&](Stato& st) {
        scritto =
            cambiaarchivio(st, scrittura, [messaggio](Stato&) { platform::message(messaggio); });
    });
    return scritto;
}

void archivio2::Command11_Click() {
    if (!archiviomodificabile(s)) return;
    const int d = estrazionecorrente;
    if (!platform::ask(QStringLiteral("Si desidera modificare la data dell'estrazione "
                                      "visualizzata ") +
                           numeroestrazione(d) + QLatin1Char('?'),
                       QStringLiteral("Modifica data")))
        return;
    const QString giorno = platform::inputBox(
        QStringLiteral("Immettere il giorno della nuova data:"), QStringLiteral("Giorno"));
    const QString mese = platform::inputBox(QStringLiteral("Immettere il mese della nuova data:"),
                                            QStringLiteral("Mese"));
    const QString anno = platform::inputBox(QStringLiteral("Immettere l'anno  della nuova data:"),
                                            QStringLiteral("Anno"));
    if (giorno.isEmpty() || mese.isEmpty() || anno.isEmpty()) return;
    const auto data = nuovadata(giorno.toStdString(), mese.toStdString(), anno.toStdString());
    if (!data) {
        platform::message(testo("La data inserita non è valida."));
        return;
    }
    scrivi(modificaestrazioni([d, nuova = *data](Stato& st) { ridataestrazione(st, d, nuova); }),
           testo(MODIFICATO));
}

void archivio2::Command12_Click() {
    if (!archiviomodificabile(s)) return;
    if (!archiviomodificato) {
        platform::message(QStringLiteral("Nessuna modifica e' stata apportata all'archivio, per "
                                         "cui non e' necessario salvare."));
        return;
    }
    if (!platform::ask(QStringLiteral("Verra' salvato l'archivio con le eventuali modifiche "
                                      "apportate. Procedere?"),
                       QStringLiteral("Salva Archivio")))
        return;
    scrivi([](Stato& st) { return scriviarchivio(st); }, testo(MODIFICATO));
}

void archivio2::Command4_Click() {
    if (!archiviomodificabile(s)) return;
    const int c = estrazionecorrente;
    if (!platform::ask(testo("Prima di cancellare delle estrazioni è consigliabile creare un "
                             "backup dell'archivio, utilizzando la funzione <File-Crea Backup> . "
                             "Procedere con la cancellazione dell'estrazione visualizzata ") +
                       numeroestrazione(c) + QLatin1Char('?')))
        return;
    if (scrivi(scritturacancellazione(c), testo(MODIFICATO)))
        platform::registry().show(QString::fromLatin1(nomi::archivio2));
}

void archivio2::Command5_Click() {
    if (!archiviomodificabile(s)) return;
    const int d = estrazionecorrente;
    if (!platform::ask(QStringLiteral("Inserire un'estrazione nell'archivio dopo quella "
                                      "visualizzata ") +
                           numeroestrazione(d) + QStringLiteral(" ?"),
                       QStringLiteral("Inserimento intermedio di estrazione")))
        return;
    if (cambia([d](Stato& st) { inserimentodopo(st, d); }))
        platform::registry().show(QString::fromLatin1(nomi::inserimento));
}

bool archivio2::duevalori(const QString& titolo, const QString& primo, const QString& secondo,
                          int& a, int& b) {
    const auto x = slotdigitato(s, platform::inputBox(primo, titolo).toStdString());
    const auto y = slotdigitato(s, platform::inputBox(secondo, titolo).toStdString());
    if (!x || !y) {
        platform::message(QString::fromLatin1(FUORIINTERVALLO));
        return false;
    }
    a = *x;
    b = *y;
    return true;
}

void archivio2::Command6_Click() {
    if (!archiviomodificabile(s)) return;
    int a = 0, b = 0;
    if (!platform::ask(QStringLiteral("Si desidera scambiare tra loro due estrazioni ?"),
                       QStringLiteral("Scambio di estrazioni")) ||
        !duevalori(QStringLiteral("Scambia estrazioni"),
                   QStringLiteral("Immettere il numero della prima estrazione dello scambio:"),
                   QStringLiteral("Immettere il numero della seconda estrazione dello scambio:"), a,
                   b))
        return;
    scrivi(modificaestrazioni([a, b](Stato& st) { scambiaestrazioni(st, a, b); }),
           testo("L'archivio è stato modificato e le modifiche sono state salvate. Il programma "
                 "provvederà ora alla sua rilettura."));
}

void archivio2::Command7_Click() {
    if (!archiviomodificabile(s)) return;
    int a = 0, b = 0;
    if (!platform::ask(QStringLiteral("Si desidera spostare un'estrazione ?"),
                       QStringLiteral("Spostamento di estrazione")) ||
        !duevalori(QStringLiteral("Sposta estrazione"),
                   QStringLiteral("Immettere il numero dell'estrazione da spostare:"),
                   QStringLiteral("Immettere il numero della nuova posizione:"), a, b))
        return;
    scrivi(modificaestrazioni([a, b](Stato& st) { spostaestrazione(st, a, b); }),
           testo(MODIFICATO));
}

void archivio2::tabestr_DblClick(int r, int c) {
    if (c == 6) platform::message(QStringLiteral("Non vorrai mica modificare la somma!!!"));
    if (c > 5 || r == 0 || c == 0 || estrazionecorrente == 0) return;
    if (!archiviomodificabile(s)) return;
    const int d = estrazionecorrente;
    const QString domanda = QStringLiteral("Modificare questo numero? (") +
                            platform::plainText(s.estr(d, r, c)) + QStringLiteral(" su ") +
                            QString::fromStdString(s.nomiruote[r - 1]) + QStringLiteral(" )");
    if (platform::messageBox(domanda, platform::Buttons::YesNo, platform::Icon::Critical,
                             QStringLiteral("Modifica di estratto")) != platform::Answer::Yes)
        return;
    const QString risposta = platform::inputBox(QStringLiteral("Immettere il nuovo valore: "));
    const double x = platform::leadingValue(risposta);
    if (!(x >= 0 && x <= 90)) {
        platform::message(QStringLiteral("Valore immesso non valido."));
        return;
    }
    const int n = static_cast<int>(std::nearbyint(x));
    if (!cambia([d, r, c, n](Stato& st) { modificanumero(st, d, r, c, n); })) return;
    tabestr->setTextMatrix(r, c, risposta);
    platform::message(QStringLiteral(
        "L'archivio è stato modificato ma per rendere permanenti le modifiche occorre salvarlo. "
        "Premere il pulsante <Salva Archivio> se si desidera salvare i cambiamenti."));
    archiviomodificato = true;
}

} // namespace bolv
