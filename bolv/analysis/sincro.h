// "Sincronismi": for each wheel and group size 1..5, the longest current delay shared by
// exactly that many numbers and the record delay of such a group within the analysis
// window, with the largest of each column over the wheels. Computed once, when the window
// opens; a recomputation of the archive leaves it as it is.
#pragma once

#include "finestra.h"

namespace platform {
class Grid;
class GridContent;
} // namespace platform

namespace bolv {

// The lines of the report: the heading row and the ten wheels (not the "Massimo" rows),
// each cell at its print column, numbers written with two digits at least, between two
// empty lines.
QStringList righesincro(const platform::GridContent& griglia);

class sincro : public Finestra {
  public:
    explicit sincro(Stato& s);

  private:
    void costruisci();
    void calcolasincronismi();
    void Command1_Click();

    platform::Grid* MSFlexGrid1 = nullptr;
};

} // namespace bolv
