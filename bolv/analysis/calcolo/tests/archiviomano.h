// Hand-made archives for the analysis computations: a few draws written out in full, read
// and recomputed over the whole archive as start-up does.
#pragma once

#include "ambiterni.h"
#include "elabora.h"
#include "supporto.h"

#include <gtest/gtest.h>

namespace prova {

// Draw i of the list on day i (from Saturday 7 January 1939, a draw a day).
inline Estrazione estrazione(int i, const std::array<std::array<int, 5>, 10>& ruote) {
    return {bolv::Data::normalizzata(1939, 1, 7 + i), ruote};
}

class Archiviomano : public ::testing::Test {
  protected:
    // The draws, the window over all of them; the pair and triple tables built when asked.
    void carica(const std::vector<Estrazione>& estrazioni, bool tabelle = false) {
        prepara(s, cartella, ui);
        scrivi(cartella / "archivio.dat", immagine(estrazioni));
        s.avvioincorso = true;
        ASSERT_TRUE(elabora(s));
        s.avvioincorso = false;
        if (!tabelle) return;
        s.ambiattivi = s.ternattivi = true;
        calcolaambi(s);
        calcolaterni(s);
    }

    Cartella cartella;
    Registratore ui;
    Stato s;
};

} // namespace prova
