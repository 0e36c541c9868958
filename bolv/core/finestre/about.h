// The about window: logo, program name and version. It has no buttons: it is closed with
// its window frame.
#pragma once

#include "finestra.h"

namespace bolv {

class about : public Finestra {
  public:
    explicit about(Stato& s);

  private:
    void costruisci();
};

} // namespace bolv
