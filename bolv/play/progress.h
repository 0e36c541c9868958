// "Progressioni": the stake progression of a Lotto bet over up to 20 draws, shown draw by
// draw and printed or appended to a text file.
#pragma once

#include "finestra.h"
#include "progressioni.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace platform {
class Grid;
}

namespace bolv {

class progress : public Finestra {
  public:
    explicit progress(Stato& s);

  private:
    void costruisci();
    QWidget* riquadrofinanziario();
    QWidget* riquadrogiocata();
    void preparagriglia();
    void aggiornaetichette(int i);
    Giocata ingressi() const;
    void Command1_Click();
    void Command3_Click();
    void mostra(const std::vector<Tappa>& tappe);
    void avvisa(Esitopiano esito, int ruote);

    std::array<QLineEdit*, 3> Text1{};
    std::array<QSlider*, 6> Slider1{};
    std::array<QLabel*, 6> Label2{};
    QPushButton* Command3 = nullptr;
    platform::Grid* MSFlexGrid1 = nullptr;
};

} // namespace bolv
