// "Generatore Sistemi": an integral or orthogonal system of the typed numbers, listed with
// its properties, printed or written to a text file.
#pragma once

#include "finestra.h"
#include "generatoresistemi.h"

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace bolv {

class Lavorolungo;
class Sviluppo;

class sistemi : public Finestra {
  public:
    explicit sistemi(Stato& s);
    ~sistemi() override;

  private:
    void costruisci();
    QWidget* riquadroparametri();
    QWidget* riquadrotipo();
    QWidget* riquadroproprieta();
    void Option1_Click();
    void Command1_Click();
    void Command2_Click();
    bool rifiuta(const Letturasistema& l);
    void mostraproprieta(bool ortogonale);
    void mostraserie(const Letturasistema& l); // "Numeri in gioco" and "Serie integrali"
    QStringList report() const;

    QLineEdit* Text1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QListView* List1 = nullptr;
    QLabel *Label4 = nullptr, *Label7 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
           *Label12 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr;
    QProgressBar* prgb = nullptr;
    QPushButton* Command4 = nullptr; // "Interrompi"

    Sviluppo* sviluppo = nullptr;
    std::unique_ptr<Lavorolungo> lavoro;
};

} // namespace bolv
