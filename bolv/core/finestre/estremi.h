// The analysis-window dialog "Impostazione estremi dell'archivio": two sliders choose the
// first and the last draw analysed; "Imposta" applies them and recomputes everything.
#pragma once

#include "finestra.h"

class QLabel;
class QPushButton;
class QSlider;

namespace bolv {

class estremi : public Finestra {
  public:
    explicit estremi(Stato& s);

  private:
    void costruisci();
    void aggiornaestremi();
    void allineafine();   // after a move of Slider1
    void allineainizio(); // after a move of Slider2
    void Command1_Click();

    QSlider* Slider1 = nullptr;
    QSlider* Slider2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace bolv
