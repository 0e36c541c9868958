#include "Unit3.h"

#include "AnimImage.h"
#include "CalcoliCruciverba.h"
#include "CreditsPanel.h"
#include "DialoghiComuni.h"
#include "ImmaginiDialoghi.h"
#include "Produttore.h"
#include "UrlLabel.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace cruciverba {

namespace {

const QString Presentazione =
    QStringLiteral("Il progetto cruciverba scrive programmi per chi gioca al SuperEnalotto\n"
                   "e li distribuisce gratuitamente nelle Ricevitorie Orvanta.\n"
                   "Cruciverba è il nostro regalo ai giocatori del SuperEnalotto:\n"
                   "scegli i numeri, costruisci lo schema, stampalo o portalo\n"
                   "in Ricevitoria su un floppy disk. E buona fortuna !");

const QString Avviso = QStringLiteral(
    "Cruciverba è distribuito gratuitamente: puoi copiarlo e usarlo liberamente purché tu non\n"
    "chieda alcun compenso e non ne modifichi i file. Il programma è fornito senza alcuna "
    "garanzia\n"
    "sui suoi risultati e i suoi autori non si assumono alcuna responsabilità per il suo uso: "
    "come\n"
    "stabiliscono le condizioni d'uso, solo il giocatore risponde della correttezza delle "
    "giocate.\n"
    "Per ogni ulteriore informazione :");

const QString Invito = QStringLiteral(
    "Ricevitori ! Chiedeteci anche il nostro programma che stampa le schedine dei vostri "
    "clienti.");

// 26 lines: the blank ones let the text enter from the bottom and leave at the top.
QStringList Crediti() {
    QStringList righe(7);
    righe << QStringLiteral("SPECIAL GUEST") << QString()
          << QStringLiteral("Un grazie speciale a Marta")
          << QStringLiteral("della nostra assistenza clienti,")
          << QStringLiteral("che ha giocato ogni cruciverba") << QStringLiteral("prima di voi.")
          << QString() << QStringLiteral("Questo programma è per lei.");
    while (righe.size() < 26)
        righe << QString();
    return righe;
}

QLabel* etichetta(QWidget* genitore, const char* nome, const QString& testo, const QRect& posto) {
    auto* label = new QLabel(testo, genitore);
    label->setObjectName(QLatin1String(nome));
    label->setGeometry(posto);
    return label;
}

QLabel* immagine(QWidget* genitore, const char* nome, const QImage& figura, const QRect& posto) {
    QLabel* label = etichetta(genitore, nome, QString(), posto);
    label->setPixmap(QPixmap::fromImage(figura));
    label->setScaledContents(true);
    return label;
}

void grassettoNero(QLabel* label) {
    QFont carattere = label->font();
    carattere.setBold(true);
    label->setFont(carattere);
    QPalette colori = label->palette();
    colori.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colori);
}

QString indirizzoSito(const char* pagina) {
    return QLatin1String(HostProduttore) + QLatin1Char('/') + QLatin1String(pagina);
}

} // namespace

std::uint32_t SemeDallOrologio() {
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

TAboutBox::TAboutBox(QWidget* parent, SorgenteSeme seme) : QDialog(parent), seme_(std::move(seme)) {
    CreaControlli();
}

void TAboutBox::CreaControlli() {
    PreparaDialogo(*this, QStringLiteral("Chi siamo ?"), QSize(631, 428));
    CreaPannello();
    CreaIndirizzi();
    CreaAvviso();
    CreaInvito();
    CreaAnimazioneEOk();
}

void TAboutBox::CreaPannello() {
    Panel1 = new TBevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setBevelOuter(TPanelBevel::bvLowered);
    Panel1->setBevelInner(TPanelBevel::bvRaised);
    Panel1->setGeometry(8, 8, 615, 156);

    ProgramIcon = immagine(Panel1, "ProgramIcon", ImmagineProgramma(), QRect(10, 10, 136, 136));
    Image1 = immagine(Panel1, "Image1", ImmagineCrediti(), QRect(10, 10, 136, 136));
    Image1->hide();

    Label2 = etichetta(Panel1, "Label2", Presentazione, QRect(156, 10, 447, 104));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    UrlLabel1 = new TUrlLabel(Panel1);
    UrlLabel1->setObjectName(QStringLiteral("UrlLabel1"));
    UrlLabel1->setURL(indirizzoSito("programmi.htm"));
    UrlLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    UrlLabel1->setGeometry(156, 118, 447, 22);

    CreditsPanel1 = new TCreditsPanel(Panel1);
    CreditsPanel1->setObjectName(QStringLiteral("CreditsPanel1"));
    CreditsPanel1->setGeometry(156, 8, 451, 140);
    CreditsPanel1->setLines(Crediti());
    CreditsPanel1->setGlyph(GlifoCrediti());
    CreditsPanel1->setTextStyle(TPanelBevel::bvRaised);
    CreditsPanel1->setBevelWidth(2);
    CreditsPanel1->setColor(QColor(0, 255, 255));
    QFont carattere = CreditsPanel1->font();
    carattere.setPixelSize(17);
    CreditsPanel1->setFont(carattere);
    CreditsPanel1->hide();
}

void TAboutBox::CreaIndirizzi() {
    Label5 =
        etichetta(this, "Label5",
                  QStringLiteral("Cruciverba v. 1.00.03 - 2026 - ") + QLatin1String(NomeProduttore),
                  QRect(8, 172, 615, 17));
    Label3 = etichetta(this, "Label3",
                       QLatin1String(NomeProduttore) +
                           QStringLiteral(" - Via dei Giocatori 90 - 00100 Roma"),
                       QRect(8, 190, 615, 17));
    Label6 = etichetta(this, "Label6",
                       QStringLiteral("Tel. 06 0000001 - Fax 06 0000002 - BBS 06 0000003"),
                       QRect(8, 208, 615, 17));
    for (QLabel* label : {Label5, Label3, Label6})
        grassettoNero(label);
}

void TAboutBox::CreaAvviso() {
    Label4 = etichetta(this, "Label4", Avviso, QRect(8, 234, 615, 78));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    Label4->setFont(arial);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The link follows the notice's last words, on the same line.
    const QFontMetrics misure(arial);
    const QString ultimaRiga = Avviso.section(QLatin1Char('\n'), -1);
    const int rigaFinale = Avviso.count(QLatin1Char('\n'));
    UrlLabel2 = new TUrlLabel(this);
    UrlLabel2->setObjectName(QStringLiteral("UrlLabel2"));
    LabelFont collegamento = UrlLabel2->linkFont();
    collegamento.font.setPixelSize(20);
    UrlLabel2->setLinkFont(collegamento);
    UrlLabel2->setURL(QLatin1String(HostProduttore));
    UrlLabel2->setShowPrefix(true);
    const int x = 8 + misure.horizontalAdvance(ultimaRiga + QLatin1Char(' '));
    const int y = 234 + rigaFinale * misure.lineSpacing() + misure.ascent() - 16;
    UrlLabel2->setGeometry(x, y, 623 - x, 22);
}

void TAboutBox::CreaInvito() {
    Bevel2 = new TBevelPanel(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setColor(QColor(0, 0, 128));
    Bevel2->setGeometry(8, 322, 500, 64);

    AnimImage2 = new TAnimImage(Bevel2);
    AnimImage2->setObjectName(QStringLiteral("AnimImage2"));
    AnimImage2->setGlyph(StrisciaSchedina());
    AnimImage2->setNumGlyphs(FotogrammiSchedina);
    AnimImage2->setGlyphNum(3);
    AnimImage2->setInterval(500);
    AnimImage2->setTransparentColor(ColoreTrasparenteSchedina);
    AnimImage2->move(8, 8);
    AnimImage2->setActive(true);

    Label7 = etichetta(Bevel2, "Label7", Invito, QRect(64, 4, 428, 56));
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setWordWrap(true);
    QFont carattere = Label7->font();
    carattere.setBold(true);
    Label7->setFont(carattere);
    QPalette colori = Label7->palette();
    colori.setColor(QPalette::WindowText, Qt::white);
    Label7->setPalette(colori);
}

void TAboutBox::CreaAnimazioneEOk() {
    AnimImage1 = new TAnimImage(this);
    AnimImage1->setObjectName(QStringLiteral("AnimImage1"));
    AnimImage1->setGlyph(StrisciaPallina());
    AnimImage1->setNumGlyphs(FotogrammiPallina);
    AnimImage1->setInterval(1000);
    AnimImage1->move(545, 330);
    AnimImage1->setActive(true);
    connect(AnimImage1, &TAnimImage::OnDblClick, this, &TAboutBox::AnimImage1DblClick);

    btnOk = CreaPulsanteOk(*this, QRect(272, 392, 86, 28));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(IntervalloTimer1);
    connect(Timer1, &QTimer::timeout, this, &TAboutBox::Timer1Timer);
    Timer1->start();
}

void TAboutBox::AnimImage1DblClick() {
    AlternaCrediti(ProbabilitaDoppioClic);
}

void TAboutBox::Timer1Timer() {
    AlternaCrediti(ProbabilitaTimer);
}

// Shown credits always go away; hidden ones come with the given chance, and then the timer
// starts over so that they stay at least a full period.
void TAboutBox::AlternaCrediti(double probabilita) {
    if (!CreditsPanel1->isHidden()) {
        CreditsPanel1->hide();
        CreditsPanel1->setActive(false);
        Image1->hide();
        return;
    }
    Casuale casuale{seme_()};
    const double valore = casuale.Reale();
    RandSeed = casuale.stato;
    if (valore >= probabilita) return;
    CreditsPanel1->show();
    CreditsPanel1->setActive(true);
    Image1->show();
    Timer1->stop();
    Timer1->setInterval(IntervalloTimer1);
    Timer1->start();
}

} // namespace cruciverba
