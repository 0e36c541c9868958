// "Calcolo Vincite": what a Lotto bet wins. The numbers played and drawn and a stake per
// sorte in, the winning combinations and wins per sorte, the gross and net win out;
// "Stampa" prints the result or appends it to a text file.
#pragma once

#include "calcolovincite.h"
#include "finestra.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace bolv {

class calcvinc : public Finestra {
  public:
    explicit calcvinc(Stato& s);

  private:
    void costruisci();
    QWidget* costruiscipuntate();
    void Combo1_Click();
    void Text1_Change();
    void Command1_Click(); // "Calcola"
    void Command2_Click(); // "Stampa"
    Puntate puntate() const;
    Rapportovincite rapporto() const;

    // The counts of the last "Calcola" (printed as 0 and 0 before any).
    int giocati = 0;
    int sortiti = 0;

    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLineEdit* Text1[5] = {};
    QLabel* Totale = nullptr; // Label1(6)
    QLabel* Label2[5] = {};
    QLabel* Label3[8] = {};
};

} // namespace bolv
