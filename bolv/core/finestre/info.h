// The archive information window "Informazioni": a few facts about the archive and the
// current statistics, and a button that starts the system's information program. It is
// filled when it opens and again after every recomputation, so it never shows the figures
// of an analysis window that has since changed.
#pragma once

#include "finestra.h"

#include <QString>
#include <array>

class QLabel;

namespace bolv {

// The largest delay of a number on a single wheel: the first one met scanning wheels
// 1..10, numbers 1..90 within each. ruota 0 when no delay is above 0.
struct Massimoritardo {
    int numero = 0;
    int ruota = 0;
    int ritardo = 0;
};
Massimoritardo massimoritardo(const std::array<int32_t, 990>& tabella);
// " 17 su Bari ,  95"; " 0" when there is no such number.
QString testomassimo(const Stato& s, const Massimoritardo& m);

// The values Label3(0..5) show, in order.
std::array<QString, 6> valoriinfo(const Stato& s);

class info : public Finestra {
  public:
    explicit info(Stato& s);
    // Fills the values again from the current state.
    void aggiorna();

  private:
    void costruisci();
    void Command1_Click();

    std::array<QLabel*, 6> Label3{};
};

} // namespace bolv
