#include "Unit1.h"

#include "CalcoliCruciverbaEsporta.h"
#include "CalcoliCruciverbaStampa.h"
#include "DialoghiComuni.h"
#include "FlatCtrls.h"
#include "StampanteQt.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStorageInfo>
#include <QStyle>

namespace cruciverba {

namespace {

const char* const TitoloFinestra = "Cruciverba v. 1.0 - 2026 - progetto cruciverba";
const char* const SuggerimentoFinestra = "Gioca il tuo cruciverba presso le Ricevitorie Orvanta !";
const char* const SuggerimentoComboBox1 = "Scegli dalla lista il cruciverba che vuoi giocare !";
const char* const SuggerimentoBitBtn1 = "Clicca per stampare un prospetto del cruciverba";
const char* const SuggerimentoBitBtn2 =
    "Clicca per copiare sul floppy le colonne da portare in stampa in Ricevitoria";
const char* const SuggerimentoBitBtn3 = "Mostra un testo di aiuto e spiegazione del programma";
const char* const SuggerimentoBitBtn4 =
    "Chi siamo: il programma cruciverba, chi lo ha fatto e dove trovarlo";
const char* const SuggerimentoBitBtn5 = "Abbandona il cruciverba chiudendo la applicazione";

// The board: 9 rows of 10 buttons of 41 x 41.
constexpr int SinistraTasti[10] = {0, 43, 86, 130, 173, 216, 259, 303, 346, 389};
constexpr int AltoTasti[9] = {0, 45, 89, 134, 179, 224, 268, 313, 358};
constexpr int LatoTasto = 41;

// The size the board's captions have, and the picked look: blue, 17 points, bold, underlined.
constexpr int PuntiNumero = 8;
constexpr int PuntiScelto = 17;
const QColor ColoreScelto(0, 0, 255);

// The long part of a "short|long" hint, or the whole hint when it has no "|".
QString ParteLunga(const QString& suggerimento) {
    const qsizetype barra = suggerimento.indexOf(QLatin1Char('|'));
    return barra < 0 ? suggerimento : suggerimento.mid(barra + 1);
}

void ImpostaSuggerimento(QWidget* controllo, const QString& suggerimento) {
    controllo->setStatusTip(ParteLunga(suggerimento));
}

// Hourglass while a scheme is generated or written, the normal pointer back on every way out.
class CursoreAttesa {
  public:
    CursoreAttesa() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreAttesa() { QApplication::restoreOverrideCursor(); }
    CursoreAttesa(const CursoreAttesa&) = delete;
    CursoreAttesa& operator=(const CursoreAttesa&) = delete;
};

// The picture under the commands: a small scheme of numbers on a transparent ground.
QPixmap DisegnoCruciverba(const QSize& lato) {
    QPixmap disegno(lato);
    disegno.fill(Qt::transparent);
    QPainter p(&disegno);
    p.setRenderHint(QPainter::Antialiasing);
    const int celle = 5;
    const int cella = qMin(lato.width(), lato.height()) / (celle + 1);
    const QPoint origine((lato.width() - celle * cella) / 2, (lato.height() - celle * cella) / 2);
    QFont carattere = p.font();
    carattere.setPixelSize(cella / 2);
    carattere.setBold(true);
    p.setFont(carattere);
    const int numeri[celle][celle] = {{7, 18, 33, 41, 90},
                                      {22, 5, 67, 13, 48},
                                      {36, 71, 9, 84, 2},
                                      {59, 40, 12, 6, 77},
                                      {81, 63, 28, 55, 16}};
    for (int r = 0; r < celle; ++r)
        for (int c = 0; c < celle; ++c) {
            const QRect q(origine + QPoint(c * cella, r * cella), QSize(cella, cella));
            p.fillRect(q, (r + c) % 2 ? QColor(255, 255, 210) : QColor(255, 235, 150));
            p.setPen(QColor(120, 90, 0));
            p.drawRect(q);
            p.setPen(QColor(0, 0, 160));
            p.drawText(q, Qt::AlignCenter, QString::number(numeri[r][c]));
        }
    return disegno;
}

// The print command's glyph where the desktop theme has none: a printer with a sheet.
QIcon GlifoStampante() {
    QPixmap glifo(16, 16);
    glifo.fill(Qt::transparent);
    QPainter p(&glifo);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 6); // the sheet going in
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(1, 6, 13, 6); // the body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 4); // the sheet coming out
    p.fillRect(11, 8, 2, 1, Qt::green);
    return QIcon(glifo);
}

class QtForm1Platform : public Form1Platform {
  public:
    explicit QtForm1Platform(ScelteStampante scelte) : scelte_(std::move(scelte)) {}

    void showError(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Errore"), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }

    PrintSurface* choosePrinter(QWidget* parent) override {
        return ScegliStampante(printer_, parent, scelte_) ? &surface_ : nullptr;
    }

    QString chooseExportFile(QWidget* parent, const QString& folder) override {
        return SceltaFileDaSalvare(parent, QStringLiteral("Salva le colonne del cruciverba"),
                                   folder, QStringLiteral("File Colonne Cruciverba (*.SCH)"),
                                   QStringLiteral("SCH"));
    }

    QStringList mountedVolumes() const override {
        QStringList radici;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
            if (volume.isValid() && volume.isReady() && !volume.isReadOnly())
                radici << volume.rootPath();
        return radici;
    }

    // The dialog lives for its modal loop only, and is freed however the loop ends.
    void openDialog(QWidget* parent, DialogoCruciverba dialogo) override {
        switch (dialogo) {
        case DialogoCruciverba::Ricevitorie:
            TfrmRicevitorie(parent).exec();
            break;
        case DialogoCruciverba::Aiuto:
            TAiutoDlg(parent).exec();
            break;
        case DialogoCruciverba::ChiSiamo:
            TAboutBox(parent).exec();
            break;
        }
    }

  private:
    ScelteStampante scelte_;
    // One printer for the whole run, as the platform's printer object: its settings and the
    // listing's last font stay from one print to the next.
    QPrinter printer_{QPrinter::HighResolution};
    QtPrintSurface surface_{printer_};
};

} // namespace

std::unique_ptr<Form1Platform> CreateQtForm1Platform() {
    return CreateQtForm1Platform(ScelteDelDesktop());
}

std::unique_ptr<Form1Platform> CreateQtForm1Platform(const ScelteStampante& scelte) {
    return std::make_unique<QtForm1Platform>(scelte);
}

QString CartellaProposta(const QStringList& volumiMontati, const QString& home) {
    for (const QString& radice : volumiMontati)
        if (radice.startsWith(QLatin1String("/media/")) ||
            radice.startsWith(QLatin1String("/run/media/")))
            return radice;
    return home;
}

QString SuggerimentoNumeri(int selezionati) {
    const QString n = QString::number(selezionati);
    QString suggerimento = n + " numeri|Selezionati " + n + " numeri per il cruciverba";
    if (selezionati < 10)
        suggerimento += " MA NE SERVONO ALMENO ALTRI " + QString::number(10 - selezionati) + " !";
    return suggerimento;
}

TForm1::TForm1(std::unique_ptr<Form1Platform> platform, QWidget* parent)
    : QMainWindow(parent), platform_(std::move(platform)) {
    CreaControlli();
    InizializzaTabellaSchemi();
}

TForm1::~TForm1() = default;

void TForm1::CreaControlli() {
    setWindowTitle(QString::fromUtf8(TitoloFinestra));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(614, 424);
    QFont carattere(QStringLiteral("MS Sans Serif"));
    carattere.setPointSize(PuntiNumero);
    setFont(carattere);

    auto* area = new QWidget(this);
    area->setObjectName("Form1");
    area->setCursor(Qt::ForbiddenCursor);
    ImpostaSuggerimento(area, SuggerimentoFinestra);
    setCentralWidget(area);
    CreaTavola(area);
    CreaComandi(area);

    QStatusBar* barra = statusBar();
    barra->setObjectName("StatusBar1");
    barra->setSizeGripEnabled(false);
    barra->setCursor(Qt::ArrowCursor);

    if (const QScreen* schermo = screen())
        move(schermo->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TForm1::CreaTavola(QWidget* area) {
    for (int numero = 1; numero <= 90; ++numero) {
        auto* tasto = new TFlatSpeedButton(area);
        const int indice = numero - 1;
        tasto->setObjectName(QStringLiteral("FlatSpeedButton%1").arg(numero));
        tasto->setCaption(QString::number(numero));
        tasto->setFlat(true);
        tasto->setGeometry(SinistraTasti[indice % 10], AltoTasti[indice / 10], LatoTasto,
                           LatoTasto);
        tasto->setCursor(Qt::PointingHandCursor);
        numeri_[static_cast<size_t>(indice)] = tasto;
        connect(tasto, &TFlatSpeedButton::OnClick, this,
                [this, tasto] { FlatSpeedButton1Click(tasto); });
        connect(tasto, &TFlatSpeedButton::OnMouseEnter, this,
                [this, tasto] { FlatSpeedButton1MouseEnter(tasto); });
    }
}

void TForm1::CreaComandi(QWidget* area) {
    Bevel1 = new QFrame(area);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(436, 2, 176, 254);
    Bevel1->setCursor(Qt::ArrowCursor);

    ComboBox1 = new QComboBox(area);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(440, 12, 168, 24);
    ComboBox1->setEnabled(false);
    ImpostaSuggerimento(ComboBox1, SuggerimentoComboBox1);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox1Change);

    auto comando = [&](const char* nome, const QString& testo, const char* suggerimento,
                       const QIcon& glifo, int alto, int altezza) {
        auto* tasto = new QPushButton(glifo, testo, area);
        tasto->setObjectName(nome);
        tasto->setGeometry(446, alto, 156, altezza);
        tasto->setCursor(Qt::ArrowCursor);
        ImpostaSuggerimento(tasto, suggerimento);
        return tasto;
    };
    // The desktop theme's icon where the command is a standard action, else Qt's own.
    const QStyle* stile = style();
    auto icona = [stile](const char* nome, QStyle::StandardPixmap riserva) {
        return QIcon::fromTheme(QLatin1String(nome), stile->standardIcon(riserva));
    };
    BitBtn1 = comando("BitBtn1", "Stampa Cruciverba", SuggerimentoBitBtn1,
                      QIcon::fromTheme(QStringLiteral("document-print"), GlifoStampante()), 48, 36);
    BitBtn2 = comando("BitBtn2", "Porta in Ricevitoria", SuggerimentoBitBtn2,
                      icona("document-save", QStyle::SP_DialogSaveButton), 92, 36);
    BitBtn3 = comando("BitBtn3", "&Aiuto", SuggerimentoBitBtn3,
                      icona("help-contents", QStyle::SP_DialogHelpButton), 136, 32);
    BitBtn4 = comando("BitBtn4", "Chi siamo ?", SuggerimentoBitBtn4,
                      icona("help-about", QStyle::SP_MessageBoxInformation), 176, 32);
    BitBtn5 = comando("BitBtn5", "Es&ci", SuggerimentoBitBtn5,
                      icona("application-exit", QStyle::SP_DialogCloseButton), 216, 32);
    BitBtn1->setEnabled(false);
    BitBtn2->setEnabled(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &QWidget::close);
    BitBtn3->setFocus();

    Image1 = new QLabel(area);
    Image1->setObjectName("Image1");
    Image1->setGeometry(436, 262, 176, 136);
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Image1->setCursor(Qt::ArrowCursor);
    Image1->setPixmap(DisegnoCruciverba(Image1->size()));
}

void TForm1::InizializzaTabellaSchemi() {
    for (const VoceSchema& voce : TabellaSchemi)
        ComboBox1->addItem(QString::fromUtf8(voce.testo));
    ComboBox1->setCurrentIndex(-1); // no item chosen until ten numbers are picked
    NumeriInGioco_ = {};
    NumeriScelti_ = {};
}

void TForm1::showEvent(QShowEvent* event) {
    // A restore from the minimised state is no new showing.
    if (!event->spontaneous()) NumeriSelezionati_ = 0;
    QMainWindow::showEvent(event);
}

// The status bar always shows the long hint of the control under the mouse pointer; leaving a
// control for the bare window shows the window's own.
bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        ShowHint(tip.isEmpty() ? QString::fromUtf8(SuggerimentoFinestra) : tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TForm1::ShowHint(const QString& suggerimento) {
    statusBar()->showMessage(ParteLunga(suggerimento));
}

void TForm1::FlatSpeedButton1Click(TFlatSpeedButton* sender) {
    const int numero = sender->caption().toInt();
    QFont carattere = sender->font();
    if (sender->fontColor() == ColoreScelto) {
        sender->setFontColor(QColor()); // the system's text colour
        carattere.setPointSize(PuntiNumero);
        carattere.setBold(false);
        carattere.setUnderline(false);
        --NumeriSelezionati_;
        NumeriScelti_[static_cast<size_t>(numero - 1)] = 0;
    } else {
        sender->setFontColor(ColoreScelto);
        carattere.setPointSize(PuntiScelto);
        carattere.setBold(true);
        carattere.setUnderline(true);
        ++NumeriSelezionati_;
        NumeriScelti_[static_cast<size_t>(numero - 1)] = 1;
    }
    sender->setFont(carattere);
    // Disabling the list keeps its item and the state of the two commands.
    if (NumeriSelezionati_ < 10) {
        ComboBox1->setEnabled(false);
    } else {
        ComboBox1->setEnabled(true);
        if (ComboBox1->currentIndex() < 0) ComboBox1->setCurrentIndex(0);
    }
}

// The hint is rebuilt as the pointer enters, so it tells the count at that moment.
void TForm1::FlatSpeedButton1MouseEnter(TFlatSpeedButton* sender) {
    const QString suggerimento = SuggerimentoNumeri(NumeriSelezionati_);
    sender->setToolTip(suggerimento.left(suggerimento.indexOf(QLatin1Char('|'))));
    ImpostaSuggerimento(sender, suggerimento);
    ShowHint(suggerimento);
}

void TForm1::ComboBox1Change(int indice) {
    BitBtn1->setEnabled(indice > 0);
    BitBtn2->setEnabled(indice > 0);
}

void TForm1::DatiCruciverbaInt() {
    const VoceSchema& voce = TabellaSchemi[static_cast<size_t>(ComboBox1->currentIndex())];
    RigheCruciverba_ = voce.righe;
    ColonneCruciverba_ = voce.colonne;
    NumeriInGioco_ = {};
    int n = 0;
    for (int numero = 1; numero <= 90; ++numero)
        if (NumeriScelti_[static_cast<size_t>(numero - 1)] == 1)
            NumeriInGioco_[static_cast<size_t>(n++)] = numero;
    NumeriSelezionati_ = n;
}

// Generates the scheme of the current input; tells the user what it could not build. The
// window repaints during a long run, but takes no clicks until it ends.
bool TForm1::Genera() {
    Generazione risultato;
    {
        CursoreAttesa attesa;
        risultato = GeneraCruciverba(
            NumeriInGioco_, static_cast<uint8_t>(ColonneCruciverba_),
            static_cast<uint8_t>(RigheCruciverba_),
            [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    }
    Griglia_ = risultato.griglia;
    if (risultato.esito == EsitoGenerazione::NumeriMancanti)
        platform_->showError(this, QString::fromUtf8(MessaggioNumeriMancanti));
    if (risultato.esito == EsitoGenerazione::Fallito)
        platform_->showError(this, QString::fromUtf8(MessaggioGenerazioneFallita));
    return risultato.esito != EsitoGenerazione::Fallito;
}

void TForm1::BitBtn1Click() {
    DatiCruciverbaInt();
    if (!Genera()) return;
    PrintSurface* stampante = platform_->choosePrinter(this);
    if (!stampante) return;
    if (!StampaCruciverba(*stampante, Griglia_, RigheCruciverba_, ColonneCruciverba_,
                          ComboBox1->currentText().toStdString()))
        platform_->showError(this, QString::fromUtf8(MessaggioStampaNonAvviata));
}

void TForm1::BitBtn2Click() {
    DatiCruciverbaInt();
    if (!Genera()) return;
    const QString percorso = platform_->chooseExportFile(
        this, CartellaProposta(platform_->mountedVolumes(), QDir::homePath()));
    if (percorso.isEmpty()) return;
    bool scritto = false;
    {
        CursoreAttesa attesa;
        scritto = EsportaColonne(std::filesystem::path(percorso.toStdU16String()), Griglia_,
                                 RigheCruciverba_, ColonneCruciverba_);
    }
    if (!scritto) {
        platform_->showError(this, "Attenzione. Non riesco a scrivere le colonne del cruciverba "
                                   "in " +
                                       QDir::toNativeSeparators(percorso) +
                                       " . Controlla il disco e riprova.");
        return;
    }
    platform_->openDialog(this, DialogoCruciverba::Ricevitorie);
}

void TForm1::BitBtn3Click() {
    platform_->openDialog(this, DialogoCruciverba::Aiuto);
}

void TForm1::BitBtn4Click() {
    platform_->openDialog(this, DialogoCruciverba::ChiSiamo);
}

} // namespace cruciverba
