// The splash window shown while Bolv starts: the logo and the progress of the start-up.
#pragma once

#include "finestra.h"

#include <QString>

class QLabel;

namespace bolv {

// "Versione " and the program's version as major.minor.revision.
QString testoversione();

class init : public Finestra {
  public:
    explicit init(Stato& s);

    // Writes a progress text into Label1 and paints it at once: the start-up runs inside
    // one handler, so the label would otherwise show only its last text.
    void progresso(const QString& testo);

  private:
    void costruisci();

    QLabel* Label1 = nullptr;
};

} // namespace bolv
