// "Terni Vergini": how many triples never came out within the analysis window on each
// wheel, in all and on no wheel at all; on request the list of the last ones and, for every
// draw, how many triples came out at it for the first time.
#pragma once

#include "finestra.h"

class QListWidget;

namespace bolv {

class terni : public Finestra {
  public:
    explicit terni(Stato& s);

  private:
    void costruisci();
    void Command1_Click();

    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
};

} // namespace bolv
