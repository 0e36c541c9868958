#include "situ.h"

#include "messager.h"
#include "nomifinestre.h"

#include "grid.h"
#include "mousepointer.h"
#include "popupmenu.h"
#include "textformat.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace bolv {

namespace {

const char* const gradi[] = {"Molto Basso", "Basso", "Medio", "Alto", "Molto alto"};
const char* const anomalie[] = {"Nessuna", "Eccesso di numeri", "Carenza di numeri"};
const QColor bianco(255, 255, 255), ciano(0, 255, 255), verde(0, 255, 0), rosso(255, 0, 0);
constexpr int NUM = COLONNESITU - 1;
constexpr int PRIMARIGA = 2; // the row of delay 0

bool colonnanumero(int c) {
    return c >= 1 && c < NUM && c % 6 != 0;
}

QAction* voce(QMenu* menu, const char* nome) {
    return menu->findChild<QAction*>(QString::fromLatin1(nome));
}

} // namespace

situ::situ(Stato& s) : Finestra(s, nomi::situ) {
    costruisci();
    Form_Load();
}

void situ::costruisci() {
    setWindowTitle(QStringLiteral("Situazione estrazionale"));
    MSFlexGrid1 = new platform::Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setMinimumSize(860, 420);
    connect(MSFlexGrid1, &platform::Grid::cellPressed, this, &situ::MSFlexGrid1_MouseDown);

    auto* Frame2 = new QGroupBox(QStringLiteral("Dimensione carattere"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* caratteri = new QVBoxLayout(Frame2);
    const char* const dimensioni[] = {"Piccolo", "Normale"};
    for (int i = 0; i < 2; ++i) {
        Option1[i] =
            opzione(QStringLiteral("Option1"), i, QString::fromUtf8(dimensioni[i]), Frame2);
        caratteri->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool acceso) {
            if (acceso) Option1_Click(i);
        });
    }

    auto* Frame1 = new QGroupBox(QStringLiteral("Anomalie di distribuzione"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* marcature = new QGridLayout(Frame1);
    for (int i = 0; i < 3; ++i) {
        Option2[i] = opzione(QStringLiteral("Option2"), i, QString::fromUtf8(anomalie[i]), Frame1);
        marcature->addWidget(Option2[i], i, 0);
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool acceso) {
            if (acceso) critici(i);
        });
    }
    marcature->addWidget(
        etichetta(QStringLiteral("Label1"), QStringLiteral("Grado di anomalia:"), Frame1), 0, 1);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    marcature->addWidget(Combo1, 1, 1);

    Command2 = pulsante(QStringLiteral("Command2"), QStringLiteral("Stampa tabella"),
                        [this] { Command2_Click(); });
    Command2->setEnabled(false);
    auto* pulsanti = new QVBoxLayout;
    pulsanti->addWidget(Command2);
    pulsanti->addWidget(pulsanteguida(QStringLiteral("Command3")));
    pulsanti->addStretch();

    auto* sotto = new QHBoxLayout;
    sotto->addWidget(Frame2);
    sotto->addWidget(Frame1);
    sotto->addStretch();
    sotto->addLayout(pulsanti);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSFlexGrid1, 1);
    layout->addLayout(sotto);
}

QSize situ::sizeHint() const {
    QSize richiesta = Finestra::sizeHint();
    const QMargins margini = layout()->contentsMargins();
    const int tabella = MSFlexGrid1->widthShowingAllColumns();
    richiesta.setWidth(std::max(richiesta.width(), tabella + margini.left() + margini.right()));
    return richiesta;
}

void situ::Form_Load() {
    Option1[0]->setChecked(true);
    for (const char* g : gradi)
        Combo1->addItem(QString::fromUtf8(g));
    Combo1->setCurrentIndex(0);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &situ::Combo1_Click);
}

void situ::Option1_Click(int Index) {
    MSFlexGrid1->setFontBold(Index == 1);
    MSFlexGrid1->setFontSize(Index == 1 ? 8 : 6);
    // The layout's widths were made for a narrower face than the desktop's.
    larghezzacella = std::max(Index == 1 ? 300 : 230, MSFlexGrid1->twipsFor(QStringLiteral("88")));
    compilasitu();
}

void situ::Combo1_Click() {
    for (int i = 0; i < 3; ++i)
        if (Option2[i]->isChecked()) critici(i);
}

void situ::Command2_Click() {
    if (s.stampasufile)
        stampasitufile();
    else
        stampasitu();
}

void situ::compilasitu() {
    mostramessaggio(QStringLiteral("Compilazione tabella..."));
    platform::setMousePointer(this, platform::Pointer::ArrowHourglass);
    situazione = riempisitu(s);
    celle = cellesitu(situazione, s.nomiruote);
    scrivigriglia();
    Command2->setEnabled(true);
    for (int i = 0; i < 3; ++i)
        if (Option2[i]->isChecked()) critici(i);
    platform::setMousePointer(this, platform::Pointer::Default);
    chiudimessaggio();
}

void situ::scrivigriglia() {
    platform::Grid& g = *MSFlexGrid1;
    platform::Grid::Batch batch(g);
    g.clear();
    g.setCols(COLONNESITU);
    g.setRows(static_cast<int>(celle.size()));
    g.setFixedRows(2);
    g.setFixedCols(1);
    g.setMergeMode(platform::MergeMode::RestrictRows);
    g.setMergeRow(0, true);
    QStringList testi;
    testi.reserve(static_cast<qsizetype>(celle.size()) * COLONNESITU);
    for (const auto& riga : celle)
        for (const std::string& t : riga)
            testi << QString::fromStdString(t);
    g.fillRows(0, std::move(testi));
    g.setColWidth(0, larghezzacella + 160);
    for (int c = 1; c < NUM; ++c)
        g.setColWidth(c, c % 6 == 0 ? 8 : larghezzacella);
    g.setColWidth(NUM, std::max(500, g.twipsFor(g.textMatrix(0, NUM))));
    for (int c = 1; c <= NUM; ++c)
        g.setColAlignment(c, Qt::AlignHCenter | Qt::AlignTop);
    for (int r = 1; r < g.rows(); ++r)
        g.setCellBackColor(r, NUM, verde);
    for (size_t d = 0; d < situazione.numeri.size(); ++d)
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                if (situazione.rossi[d][5 * (w - 1) + p - 1])
                    g.setCellForeColor(static_cast<int>(d) + PRIMARIGA, 6 * (w - 1) + p, rosso);
}

void situ::critici(int modo) {
    platform::Grid& g = *MSFlexGrid1;
    const auto segni = bolv::critici(situazione, modo, Combo1->currentIndex());
    platform::Grid::Batch batch(g);
    for (size_t d = 0; d < segni.size(); ++d)
        for (int w = 1; w <= 10; ++w) {
            const Anomalia a = segni[d][w - 1];
            const QColor& sfondo = a == Anomalia::eccesso   ? ciano
                                   : a == Anomalia::carenza ? verde
                                                            : bianco;
            for (int p = 1; p <= 5; ++p)
                g.setCellBackColor(static_cast<int>(d) + PRIMARIGA, 6 * (w - 1) + p, sfondo);
        }
}

void situ::MSFlexGrid1_MouseDown(int riga, int colonna, Qt::MouseButton pulsante) {
    // Only the numbers have statistics: not the positions, counts or separators.
    if (pulsante != Qt::LeftButton || riga < PRIMARIGA || !colonnanumero(colonna)) return;
    const QString t = MSFlexGrid1->textMatrix(riga, colonna);
    QMenu* menunumero = menuprincipale(QStringLiteral("menunumero"));
    if (t.isEmpty() || !menunumero) return;
    const int i = colonna / 6, w = i + 1;
    const int n = t.toInt();
    const auto statistica = [&](const char* nome, const char* testo, int32_t valore) {
        if (QAction* a = voce(menunumero, nome))
            a->setText(QString::fromLatin1(testo) + platform::plainText(valore));
    };
    if (QAction* a = voce(menunumero, "titolomenu"))
        a->setText(platform::formatNumber(n, QStringLiteral("##")) + QStringLiteral(" su ") +
                   QString::fromStdString(s.nomiruote[i]));
    statistica("ritmenu", "Rit. ", s.ritardinumeri[indicenumero(n, w)]);
    statistica("stomenu", "Sto. ", s.storicinumeri[indicenumero(n, w)]);
    statistica("premenu", "Pre. ", s.presenzenumeri[indicenumero(n, w)]);
    platform::popup(menunumero);
}

Rapportotesto situ::rapporto() const {
    Rapportotesto r;
    for (const std::string& l : reportsitu(celle, dataultimaestrazione(s).toStdString()))
        r.linee << QString::fromStdString(l);
    r.titolo = QStringLiteral("Salva tabella su file di testo");
    r.proposto = QStringLiteral("Situazione estrazionale.txt");
    r.seesiste = QStringLiteral("Appendere la tabella al file ?");
    return r;
}

void situ::stampasitu() {
    stampatesto(s, rapporto());
}

void situ::stampasitufile() {
    salvatesto(rapporto());
}

} // namespace bolv
