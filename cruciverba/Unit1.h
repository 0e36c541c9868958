#pragma once

// TForm1, the main window of cruciverba and the whole of its workflow: the user picks numbers on
// a board of 90 flat buttons, chooses one of the 25 scheme sizes, then prints the scheme or
// exports it for a lottery shop. Each command regenerates the scheme from the picked numbers and
// the size (the generator is deterministic), so the printout and the export always agree.

#include "CalcoliCruciverba.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class TFlatSpeedButton;

namespace cruciverba {

class PrintSurface;

enum class DialogoCruciverba { Ricevitorie, Aiuto, ChiSiamo };

// What the main window asks of the platform: message boxes, the print and save dialogs and the
// modal dialogs it opens. The program uses the Qt one; the tests put a recording one in its place.
class Form1Platform {
  public:
    virtual ~Form1Platform() = default;
    // A modal error box captioned "Errore" with the error icon and a single OK button.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // The print dialog, or the choice of a PDF file where no printer is installed; the printer to
    // print on, or null when the user cancelled.
    virtual PrintSurface* choosePrinter(QWidget* parent) = 0;
    // The save dialog for an export, opened on folder; the chosen path, or empty when cancelled.
    virtual QString chooseExportFile(QWidget* parent, const QString& folder) = 0;
    // The root folders of the mounted, writable volumes.
    virtual QStringList mountedVolumes() const = 0;
    // Creates the dialog, shows it modally and frees it.
    virtual void openDialog(QWidget* parent, DialogoCruciverba dialogo) = 0;
};

// The platform of the running program: Qt's dialogs, the system printer (or a PDF file where no
// printer is installed), the mounted volumes; the second form with what choosing a printer asks
// of the desktop replaced.
struct ScelteStampante;
std::unique_ptr<Form1Platform> CreateQtForm1Platform();
std::unique_ptr<Form1Platform> CreateQtForm1Platform(const ScelteStampante& scelte);

// Told when the printer (or the PDF file) cannot start the listing.
inline constexpr char MessaggioStampaNonAvviata[] =
    "Attenzione. Non riesco ad avviare la stampa del cruciverba: controlla la stampante o il "
    "file scelto e riprova.";

// The folder the save dialog proposes: the first mounted removable medium (mounted under /media
// or /run/media), else the user's home folder.
QString CartellaProposta(const QStringList& volumiMontati, const QString& home);

// The number buttons' hint, "short|long": the count of picked numbers and how many are missing.
QString SuggerimentoNumeri(int selezionati);

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(std::unique_ptr<Form1Platform> platform = CreateQtForm1Platform(),
                    QWidget* parent = nullptr);
    ~TForm1() override;

    void FlatSpeedButton1Click(TFlatSpeedButton* sender);
    void FlatSpeedButton1MouseEnter(TFlatSpeedButton* sender);
    void ComboBox1Change(int indice);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

    // The scheme state the last command worked on.
    int NumeriSelezionati() const { return NumeriSelezionati_; }
    const NumeriInGioco& NumeriInGiocoCorrenti() const { return NumeriInGioco_; }
    int RigheCruciverba() const { return RigheCruciverba_; }
    int ColonneCruciverba() const { return ColonneCruciverba_; }
    const Griglia& GrigliaCorrente() const { return Griglia_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreaControlli();
    void CreaTavola(QWidget* area);
    void CreaComandi(QWidget* area);
    void InizializzaTabellaSchemi();
    void DatiCruciverbaInt();
    bool Genera();
    void ShowHint(const QString& suggerimento);

    std::unique_ptr<Form1Platform> platform_;
    std::array<int32_t, 90> NumeriScelti_{};
    int NumeriSelezionati_ = 0;
    NumeriInGioco NumeriInGioco_{};
    int RigheCruciverba_ = 0;
    int ColonneCruciverba_ = 0;
    Griglia Griglia_;

    std::array<TFlatSpeedButton*, 90> numeri_{};
    QComboBox* ComboBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Image1 = nullptr;
};

} // namespace cruciverba
