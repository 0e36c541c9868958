#include "Unit2.h"

#include "DialoghiComuni.h"
#include "ImmaginiDialoghi.h"
#include "Produttore.h"
#include "UrlLabel.h"

#include <QComboBox>
#include <QToolButton>

#include <array>

namespace cruciverba {

namespace {

const QStringList Regioni = {QStringLiteral("Scegli la tua regione !"),
                             QStringLiteral("Piemonte"),
                             QStringLiteral("Lombardia"),
                             QStringLiteral("Veneto"),
                             QStringLiteral("Friuli Venezia Giulia"),
                             QStringLiteral("Trentino Alto Adige"),
                             QStringLiteral("Liguria"),
                             QStringLiteral("Emilia Romagna"),
                             QStringLiteral("Toscana"),
                             QStringLiteral("Marche"),
                             QStringLiteral("Umbria"),
                             QStringLiteral("Lazio"),
                             QStringLiteral("Abruzzo"),
                             QStringLiteral("Campania"),
                             QStringLiteral("Molise"),
                             QStringLiteral("Puglia"),
                             QStringLiteral("Basilicata"),
                             QStringLiteral("Calabria"),
                             QStringLiteral("Sicilia"),
                             QStringLiteral("Sardegna")};

// The page codes, in the order of the regions after the first item.
constexpr std::array<const char*, 19> CodiciRegioni = {
    "piem", "lomb", "vene", "friu", "tren", "ligu", "emil", "tosc", "marc", "umbr",
    "lazi", "abru", "camp", "moli", "pugl", "basi", "cala", "sici", "sard"};

} // namespace

QString IndirizzoRicevitorie(int regione) {
    if (regione < 1 || regione > static_cast<int>(CodiciRegioni.size())) return {};
    return QStringLiteral("http:\\\\") + QLatin1String(HostProduttore) +
           QStringLiteral("\\ricevit\\ric_") + QLatin1String(CodiciRegioni[regione - 1]) +
           QStringLiteral(".htm");
}

TfrmRicevitorie::TfrmRicevitorie(QWidget* parent) : QDialog(parent) {
    CreaControlli();
}

void TfrmRicevitorie::CreaControlli() {
    PreparaDialogo(*this, QStringLiteral("Dove giocare ?"), QSize(440, 205));

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems(Regioni);
    ComboBox2->setGeometry(16, 64, 176, 26);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TfrmRicevitorie::ComboBox2Change);

    BitBtn3 = new QToolButton(this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setText(QStringLiteral("Le Ricevitorie abilitate su Internet "));
    BitBtn3->setIcon(GlifoRicevitorie());
    BitBtn3->setIconSize(QSize(32, 32));
    BitBtn3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    BitBtn3->setGeometry(204, 32, 220, 90);
    BitBtn3->setEnabled(false);
    connect(BitBtn3, &QToolButton::clicked, this, &TfrmRicevitorie::BitBtn3Click);

    btnOk = CreaPulsanteOk(*this, QRect(177, 158, 86, 28));
}

void TfrmRicevitorie::showEvent(QShowEvent* event) {
    ComboBox2->setCurrentIndex(0);
    QDialog::showEvent(event);
}

void TfrmRicevitorie::ComboBox2Change(int indice) {
    BitBtn3->setEnabled(indice > 0);
}

// The page opens in the desktop's browser; where none starts, the user is told.
void TfrmRicevitorie::BitBtn3Click() {
    openLink(this, IndirizzoRicevitorie(ComboBox2->currentIndex()));
}

} // namespace cruciverba
