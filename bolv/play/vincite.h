// "Tabella Vincite": for 1 to 10 numbers played, the combinations of each sorte they make
// and what one winning combination pays on a 1-lira stake. Filled once when it opens.
#pragma once

#include "finestra.h"

namespace platform {
class Grid;
}

namespace bolv {

class vincite : public Finestra {
  public:
    explicit vincite(Stato& s);

  private:
    void costruisci();
    void riempi(platform::Grid& griglia);
};

} // namespace bolv
