// "Tabelle Statistiche": the Lotto's arithmetic for 1..90 numbers played and the five sorti,
// as four tables of one grid (combinations, probabilities, theoretical cyclicities, equity).
#pragma once

#include "finestra.h"

class QLabel;

namespace platform {
class Grid;
}

namespace bolv {

class combinazioni : public Finestra {
  public:
    enum class Tabella { combinazioni, probabilita, ciclicita, equita };

    explicit combinazioni(Stato& s);

  private:
    void costruisci();
    void mostra(Tabella t);

    platform::Grid* fGrid1 = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace bolv
