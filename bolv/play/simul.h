// "Simulazione": a group of up to ten numbers played for one sorte against a long run of
// random draws, with the longest delays ever met kept in "simul.dat".
#pragma once

#include "finestra.h"
#include "simulazione.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace bolv {

class Lavorolungo;

class simul : public Finestra {
  public:
    explicit simul(Stato& s);
    ~simul() override;

  private:
    void costruisci();
    QWidget* riquadronumeri();
    QWidget* riquadrosorte();
    QWidget* riquadrorisultati();
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void cambiaestrazioni(int passo); // "+" and "-"
    void errore();
    void mostracontatori(const Contatori& c);
    void salva();
    std::string percorso() const;

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<QRadioButton*, 5> Option1{};
    std::array<QLabel*, 7> Label3{};
    QProgressBar* prgb = nullptr;
    QPushButton* Command6 = nullptr; // "Interrompi"
    QTimer* orologio = nullptr;      // shows the counters while a run goes

    Massimi massimirilevati{};
    Bacheca bacheca;
    std::unique_ptr<Lavorolungo> lavoro;
};

} // namespace bolv
