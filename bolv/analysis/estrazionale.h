// "Ricerca estrazionale": a template of three draws (n - k, n, n + j) typed cell by cell,
// the draws n of the analysis window that match it, and the three draws of a hit.
#pragma once

#include "finestra.h"

#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;

namespace platform {
class Grid;
}

namespace bolv {

class listarighe;

class estrazionale : public Finestra {
  public:
    explicit estrazionale(Stato& s);

  private:
    void costruisci();
    QWidget* costruiscimodello();
    QWidget* costruiscipannelli();
    void titoliblocchi();
    void MSFlexGrid1_Click(int riga, int colonna);
    void cambiadistanza(int& distanza, int passo);
    void Clearbutt_Click();
    void Command1_Click();
    void svuotapannelli();
    void List1_Click(int riga);

    platform::Grid* MSFlexGrid1 = nullptr;
    QCheckBox* Check1 = nullptr;
    listarighe* List1 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QGroupBox*, 3> pannelli{}; // Frame4, Frame1, Frame2
    std::array<QLabel*, 30> Label4{};
    std::array<QLabel*, 150> Label5{};

    int distanzaprima = 1, distanzadopo = 1;
    // Of the last search: the hit draws and the distances it ran with.
    std::vector<int> estrazionitrovate;
    int ultimadistanzaprima = 1, ultimadistanzadopo = 1;
};

} // namespace bolv
