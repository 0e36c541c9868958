// "Gestore Pronostici": one forecast group on screen. Forecasts are composed and added,
// deleted with a double-click, saved to and loaded from ".pro" files, and checked against
// the draw of the analysis window the slider shows.
#pragma once

#include "finestra.h"
#include "gestorepronostici.h"

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace platform {
class Grid;
}

namespace bolv {

class pronostici : public Finestra {
  public:
    explicit pronostici(Stato& s);

    // Checks every forecast against the draw the slider shows.
    void verifica();

  private:
    void costruisci();
    QWidget* costruiscipronostico();
    QWidget* costruisciverifica();
    void mostragruppo();
    void mostraestrazione();
    void Command5_Click(); // "Aggiungi pronostico"
    void Grid_DblClick();
    void Command6_Click(); // "Nuovo gruppo"
    void Command7_Click(); // "Salva gruppo"
    void Command1_Click(); // "Carica gruppo"
    void Command4_Click(int indice);
    void Command3_Click(); // "Ultima"

    // The group, in display order, and what the last check found for each forecast
    // (nothing for one added since).
    std::vector<Pronostico> gruppo;
    std::vector<Verificapronostico> esiti;

    platform::Grid* Grid = nullptr;
    QCheckBox* Check1[10] = {};
    QCheckBox* Check2[5] = {};
    QLineEdit* Text1 = nullptr;
    QSlider* Slider1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace bolv
