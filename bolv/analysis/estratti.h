// "Tabella Ambate": one row per number with its statistics on the chosen wheel, ordered by
// the chosen column. Everything is computed once, when the window opens; a change of wheel
// or order only rewrites the grid.
#pragma once

#include "calcoloestratti.h"
#include "finestra.h"

#include <array>

class QLabel;
class QRadioButton;

namespace platform {
class Grid;
}

namespace bolv {

class estratti : public Finestra {
  public:
    explicit estratti(Stato& s);

  private:
    void costruisci();
    void scrivitab();
    void Option1_Click(int indice);
    void Command2_Click();
    int colonnaordine() const;

    Tabellaestratti tabella;
    int ruota = 1;
    std::array<QRadioButton*, 11> Option1{};
    std::array<QRadioButton*, 11> Option2{};
    QLabel* Label2 = nullptr;
    platform::Grid* MSFlexGrid1 = nullptr;
};

} // namespace bolv
