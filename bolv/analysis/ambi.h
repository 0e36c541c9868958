// "Tutti gli ambi": the 4005 pairs with one statistic on every wheel, all of them or the 89
// of one head number, in pair order or by one wheel's values. The pair tables are copied
// when the window opens.
#pragma once

#include "calcoloambi.h"
#include "finestra.h"

#include <array>

class QComboBox;
class QLabel;
class QRadioButton;

namespace platform {
class Grid;
}

namespace bolv {

class ambi : public Finestra {
  public:
    explicit ambi(Stato& s);

  private:
    void costruisci();
    void riempiambi();
    void Option1_Click(int indice);
    void Combo1_Click(const QString& testo);
    void Command2_Click();

    std::vector<Ambo> tabella;
    int statistica = 0; // 0 current delay, 1 historical delay, 2 presences
    int capogioco = 1;
    std::array<QRadioButton*, 3> Option1{};
    std::array<QRadioButton*, 12> Option2{};
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    platform::Grid* MSFlexGrid1 = nullptr;
};

} // namespace bolv
