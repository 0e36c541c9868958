// "Capogioco (Simpatici / Antipatici)": for one head number, on every wheel, the partners of
// its longest-delayed pairs and its most and least frequent companions over the last N
// draws of the analysis window.
#pragma once

#include "finestra.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QSlider;

namespace platform {
class Grid;
}

namespace bolv {

class capogioco : public Finestra {
  public:
    explicit capogioco(Stato& s);

  private:
    void costruisci();
    void Slider1_Scroll();
    void Command1_Click();
    void Command2_Click();

    QComboBox* Combo1 = nullptr;
    QSlider* slider1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* Command2 = nullptr;
    platform::Grid* Grid1 = nullptr;
};

} // namespace bolv
