// The year view "Archivio - Visualizzazione estesa": the draws of one year in a grid, one
// row per draw with its date and the 50 numbers, stepped a year at a time, with every
// occurrence of a chosen number marked in green. It only reads the archive.
#pragma once

#include "annoestrazioni.h"
#include "finestra.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace platform {
class Grid;
}

namespace bolv {

class archesteso : public Finestra {
  public:
    explicit archesteso(Stato& s);
    QSize sizeHint() const override;

  private:
    void costruisci();
    int larghezza(int twips, const QString& campione) const;
    void Combo1_Click();
    void Command1_Click(); // "<"
    void Command2_Click(); // ">"
    void compilaanno();
    void intestazione();
    void rigaestrazione(int r, int d);

    QLabel* Label1 = nullptr;
    platform::Grid* esteso = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QComboBox* Combo1 = nullptr;
    std::optional<Annoestrazioni> anno; // none with an empty archive
    int numeroevidenziato = -1;
};

} // namespace bolv
