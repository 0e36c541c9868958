#include "Unit4.h"

#include "DialoghiComuni.h"
#include "Produttore.h"
#include "UrlLabel.h"

#include <QFrame>
#include <QLabel>

namespace cruciverba {

namespace {

const QString TestoAiuto = QStringLiteral(
    "Il cruciverba è uno schema quadrato o rettangolare di numeri,\n"
    "disposti in righe e colonne come le parole di un cruciverba.\n"
    "Ogni riga e ogni colonna si gioca con tutte le sue combinazioni di 6 numeri:\n"
    "si vince quando almeno una riga o una colonna contiene almeno 3 numeri esatti,\n"
    "il minimo per vincere (la vincita di quinta categoria).\n"
    "\n"
    "Dopo aver scelto i numeri sul tabellone, scegli il tipo di cruciverba\n"
    "nella lista in alto a destra: dal semplice 6 righe per 6 colonne\n"
    "fino al 10 righe per 10 colonne (100 numeri, che costa oltre 3 milioni di lire).\n"
    "Più il cruciverba è grande, più combinazioni gioca e più costa.\n"
    "\n"
    "Il cruciverba si può stampare su un prospetto oppure copiare su un floppy disk\n"
    "da portare in una delle nostre Ricevitorie, dove verrà stampato e giocato.\n"
    "Buona fortuna !");

} // namespace

TAiutoDlg::TAiutoDlg(QWidget* parent) : QDialog(parent) {
    CreaControlli();
}

void TAiutoDlg::CreaControlli() {
    PreparaDialogo(*this, QStringLiteral("Aiuto"), QSize(547, 346));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 531, 290);

    Label1 = new QLabel(TestoAiuto, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setGeometry(16, 16, 515, 226);

    Label2 = new QLabel(
        QStringLiteral("Gli indirizzi delle Ricevitorie Orvanta sono su Internet a :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignHCenter);
    Label2->setGeometry(16, 248, 515, 18);

    UrlLabel1 = new TUrlLabel(this);
    UrlLabel1->setObjectName(QStringLiteral("UrlLabel1"));
    UrlLabel1->setLinkType(TUrlLinkType::http);
    UrlLabel1->setShowPrefix(true);
    UrlLabel1->setURL(QLatin1String(HostProduttore) + QStringLiteral("/ricevit/index.htm"));
    UrlLabel1->setAlignment(Qt::AlignHCenter);
    UrlLabel1->setGeometry(16, 268, 515, 20);

    btnOk = CreaPulsanteOk(*this, QRect(230, 308, 86, 28));
}

} // namespace cruciverba
