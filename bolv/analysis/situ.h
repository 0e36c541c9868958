// "Situazione estrazionale": the ten wheels side by side with every number in the row of
// its current delay, the numbers past their historical maximum in red, the count of each
// row, the anomaly marking of the delays and a popup with a number's statistics.
#pragma once

#include "finestra.h"
#include "situazione.h"

#include <array>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace platform {
class Grid;
}

namespace bolv {

class situ : public Finestra {
  public:
    explicit situ(Stato& s);

    // Redraws the anomaly marking for modo (the index of an Option2 button) at the degree
    // chosen in Combo1.
    void critici(int modo);
    // The table on the printer, or appended to a text file the user chooses.
    void stampasitu();
    void stampasitufile();

    // As wide as the whole table, all ten wheels and the count, with its scroll bar.
    QSize sizeHint() const override;

  private:
    void costruisci();
    void Form_Load();
    void Option1_Click(int Index);
    void Combo1_Click();
    void Command2_Click();
    void compilasitu();
    void scrivigriglia();
    void MSFlexGrid1_MouseDown(int riga, int colonna, Qt::MouseButton pulsante);
    Rapportotesto rapporto() const;

    platform::Grid* MSFlexGrid1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    std::array<QRadioButton*, 3> Option2{};
    QComboBox* Combo1 = nullptr;
    QPushButton* Command2 = nullptr;
    int larghezzacella = 230;
    Situazione situazione;
    Cellesitu celle;
};

} // namespace bolv
