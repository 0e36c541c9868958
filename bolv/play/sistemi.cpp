#include "sistemi.h"

#include "combinatoria.h"
#include "lavorolungo.h"
#include "nomifinestre.h"

#include "messagebox.h"
#include "mousepointer.h"
#include "textformat.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace bolv {

// The list "Sviluppo": the lines of the last system, made into text only when shown.
class Sviluppo : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    void imposta(Sistema nuovo) {
        beginResetModel();
        sistema = std::move(nuovo);
        endResetModel();
    }
    QString riga(int i) const {
        return QString::fromStdString(testoriga(sistema.riga(static_cast<size_t>(i))));
    }
    int rowCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : static_cast<int>(sistema.righe());
    }
    QVariant data(const QModelIndex& indice, int ruolo) const override {
        if (!indice.isValid() || ruolo != Qt::DisplayRole) return {};
        return riga(indice.row());
    }

  private:
    Sistema sistema;
};

namespace {

const char* const SORTI[] = {"Ambata", "Ambo", "Terno"};
const char TRATTINI[] = "-----------------------------------";

QString messaggio(const Letturasistema& l) {
    switch (l.errore) {
    case Erroresistema::nessuno:
        break;
    case Erroresistema::vuota:
        return QStringLiteral("La sequenza dei numeri  non è stata introdotta.");
    case Erroresistema::caratteri:
        return QStringLiteral("La sequenza dei numeri  non è stata introdotta correttamente.");
    case Erroresistema::oltre90:
        return QStringLiteral("Errore: sono stati inseriti più di 90 numeri.");
    case Erroresistema::nullo:
        return QStringLiteral("Errore: è stato inserito un valore nullo o un punto finale.");
    case Erroresistema::nonvalidi:
        return QStringLiteral("Sono stati introdotti numeri non validi.");
    case Erroresistema::uguali:
        return QStringLiteral("Sono stati introdotti due o più numeri uguali.");
    case Erroresistema::eccede:
        return QStringLiteral("La combinazione eccede il numero di numeri della serie.");
    case Erroresistema::troppogrande:
        return QStringLiteral("Il sistema integrale richiesto ha %1 bollette: troppe per "
                              "essere elencate. Il massimo è di %2 bollette.")
            .arg(platform::formatInteger(l.dimensione, QStringLiteral("#,##0")),
                 platform::formatInteger(MAXBOLLETTE, QStringLiteral("#,##0")));
    }
    return {};
}

} // namespace

sistemi::sistemi(Stato& s) : Finestra(s, nomi::sistemi) {
    costruisci();
}

sistemi::~sistemi() = default;

void sistemi::costruisci() {
    setWindowTitle(QStringLiteral("Generatore Sistemi"));
    auto* griglia = new QGridLayout(this);
    griglia->addWidget(etichetta(QStringLiteral("Label1"), QStringLiteral("Numeri")), 0, 0);
    Text1 = casellatesto(QStringLiteral("Text1"));
    Text1->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 40);
    griglia->addWidget(Text1, 1, 0);

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(riquadroparametri());
    riquadri->addWidget(riquadrotipo());
    riquadri->addWidget(riquadroproprieta());
    griglia->addLayout(riquadri, 2, 0);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsante(QStringLiteral("Command1"), QStringLiteral("Elabora"),
                                [this] { Command1_Click(); }));
    Command4 = pulsante(QStringLiteral("Command4"), QStringLiteral("Interrompi"), {});
    comandi->addWidget(Command4);
    comandi->addWidget(pulsante(QStringLiteral("Command2"), QStringLiteral("Stampa"),
                                [this] { Command2_Click(); }));
    comandi->addWidget(pulsanteguida(QStringLiteral("Command3")));
    prgb = new QProgressBar(this);
    prgb->setObjectName(QStringLiteral("prgb"));
    prgb->setRange(0, 100);
    prgb->setValue(0);
    comandi->addWidget(prgb, 1);
    griglia->addLayout(comandi, 3, 0);

    griglia->addWidget(etichetta(QStringLiteral("Label5"), QStringLiteral("Sviluppo")), 0, 1);
    List1 = new QListView(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Wide enough for a line of ten numbers.
    List1->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("00.00.00.00.00.00.00.00.00.00")) + 32);
    sviluppo = new Sviluppo(List1);
    List1->setModel(sviluppo);
    griglia->addWidget(List1, 1, 1, 3, 1);

    lavoro = std::make_unique<Lavorolungo>(this, prgb, Command4);
    mostraproprieta(false);
}

QWidget* sistemi::riquadroparametri() {
    auto* f = new QGroupBox(QStringLiteral("Parametri"), this);
    f->setObjectName(QStringLiteral("Frame2"));
    auto* g = new QGridLayout(f);
    Combo1 = new QComboBox(f);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (int k = 1; k <= 10; ++k)
        Combo1->addItem(QString::number(k));
    Combo2 = new QComboBox(f);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    for (const char* sorte : SORTI)
        Combo2->addItem(QString::fromLatin1(sorte));
    Combo2->setCurrentIndex(1);
    Combo2->setEnabled(false);
    g->addWidget(etichetta(QStringLiteral("Label2"), QStringLiteral("Numero Numeri"), f), 0, 0);
    g->addWidget(Combo1, 0, 1);
    g->addWidget(etichetta(QStringLiteral("Label6"), QStringLiteral("Combinazione"), f), 1, 0);
    g->addWidget(Combo2, 1, 1);
    return f;
}

QWidget* sistemi::riquadrotipo() {
    auto* f = new QGroupBox(QStringLiteral("Tipo sistema"), this);
    f->setObjectName(QStringLiteral("Frame1"));
    auto* v = new QVBoxLayout(f);
    const char* const tipi[] = {"Integrale", "Ortogonale"};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = opzione(QStringLiteral("Option1"), i, QString::fromLatin1(tipi[i]), f);
        connect(Option1[i], &QRadioButton::toggled, this, &sistemi::Option1_Click);
        v->addWidget(Option1[i]);
    }
    Option1[0]->setChecked(true);
    return f;
}

QWidget* sistemi::riquadroproprieta() {
    auto* f = new QGroupBox(QStringLiteral("Proprietà sistema"), this);
    f->setObjectName(QStringLiteral("Frame3"));
    auto* g = new QGridLayout(f);
    const struct {
        const char *didascalia, *testo, *valore;
        QLabel** etichettavalore;
        QLabel** etichettadidascalia;
    } righe[] = {
        {"Label13", "Numeri in gioco", "Label14", &Label14, nullptr},
        {"Label11", "Numeri per bolletta (max)", "Label12", &Label12, nullptr},
        {"Label3", "Serie integrali", "Label4", &Label4, nullptr},
        {"Label8", "Serie sviluppate (numero bollette)", "Label7", &Label7, nullptr},
        {"Label15", "Combinazione", "Label16", &Label16, &Label15},
        {"Label10", "Combinazioni in una serie", "Label9", &Label9, &Label10},
    };
    int r = 0;
    for (const auto& riga : righe) {
        QLabel* d =
            etichetta(QString::fromLatin1(riga.didascalia), QString::fromLatin1(riga.testo), f);
        QLabel* v = etichetta(QString::fromLatin1(riga.valore), QStringLiteral("0"), f);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 15);
        v->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The rows shown only for an orthogonal system keep their room while hidden, so
        // the frame never has to grow inside a window that does not.
        for (QLabel* l : {d, v}) {
            QSizePolicy p = l->sizePolicy();
            p.setRetainSizeWhenHidden(riga.etichettadidascalia != nullptr);
            l->setSizePolicy(p);
        }
        if (riga.etichettadidascalia) *riga.etichettadidascalia = d;
        *riga.etichettavalore = v;
        g->addWidget(d, r, 0);
        g->addWidget(v, r++, 1);
    }
    Label16->setText(QStringLiteral(" "));
    return f;
}

void sistemi::Option1_Click() {
    Combo2->setEnabled(Option1[1]->isChecked());
}

void sistemi::mostraproprieta(bool ortogonale) {
    for (QLabel* l : {Label10, Label9, Label15, Label16})
        l->setVisible(ortogonale);
}

void sistemi::mostraserie(const Letturasistema& l) {
    Label14->setText(platform::plainText(static_cast<long>(l.richiesta.numeri.size())));
    Label4->setText(platform::plainText(static_cast<long>(l.dimensione)));
}

bool sistemi::rifiuta(const Letturasistema& l) {
    if (l.errore == Erroresistema::nessuno) return false;
    // The properties of a list read whole stay in view beside the refusal.
    if (l.errore >= Erroresistema::eccede) mostraserie(l);
    platform::message(messaggio(l));
    platform::setMousePointer(nullptr, platform::Pointer::Default);
    return true;
}

void sistemi::Command1_Click() {
    for (QLabel* l : {Label4, Label7, Label9, Label14, Label12})
        l->clear();
    sviluppo->imposta({});
    platform::setMousePointer(nullptr, platform::Pointer::Hourglass);
    const int k = Combo1->currentIndex() + 1;
    const int sorte = Combo2->currentIndex() + 1;
    const bool ortogonale = Option1[1]->isChecked();
    Label12->setText(platform::plainText(k));
    Label16->setText(Combo2->currentText());
    Label9->setText(platform::plainText(static_cast<long>(numcombinazioni(k, sorte))));

    const Letturasistema l =
        leggisistema(Text1->text().toStdString(), k, sorte,
                     ortogonale ? Tiposistema::ortogonale : Tiposistema::integrale);
    if (rifiuta(l)) return;
    mostraserie(l);

    auto esito = lavoro->esegui([r = l.richiesta](Avanzamento& a) { return generasistema(r, a); });
    if (esito) {
        Label7->setText(platform::plainText(static_cast<long>(esito->righe())));
        sviluppo->imposta(std::move(*esito));
        mostraproprieta(ortogonale);
    }
    prgb->setValue(0);
    platform::setMousePointer(nullptr, platform::Pointer::Default);
}

QStringList sistemi::report() const {
    const QString trattini = QString::fromLatin1(TRATTINI);
    QStringList linee{QStringLiteral("Bolv"),
                      trattini,
                      QStringLiteral("Generatore Sistemi"),
                      Option1[0]->isChecked()
                          ? QStringLiteral("Sistema Integrale")
                          : QStringLiteral("Sistema Ortogonale per ") + Label16->text(),
                      QStringLiteral("Numeri:  ") + Label14->text(),
                      QStringLiteral("Numeri per bolletta (max):  ") + Label12->text(),
                      trattini};
    for (int i = 0; i < sviluppo->rowCount(); ++i)
        linee << sviluppo->riga(i);
    linee << QString();
    return linee;
}

void sistemi::Command2_Click() {
    Rapportotesto r;
    r.linee = report();
    r.titolo = QStringLiteral("Salva sistema su file di testo");
    r.proposto = QStringLiteral("sistema.txt");
    r.seesiste = QStringLiteral("Sovrascrivere il file ?");
    r.sostituisce = true;
    stampaosalva(r);
}

} // namespace bolv
