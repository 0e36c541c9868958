// What the engine asks of the screen, done with the windows of Bolv: the wait window, the
// splash label during start-up, the mouse pointer, messages, the status bar and the
// controls tied to the pair and triple tables, and closing the data windows.
#pragma once

#include "stato.h"

namespace bolv {

class bolvmain;

class Interfacciafinestre : public Interfaccia {
  public:
    explicit Interfacciafinestre(bolvmain& principale) : m(principale) {}

    void mostramessaggio(const std::string& testo) override;
    void chiudimessaggio() override;
    void etichettamessaggio(const std::string& testo) override;
    void progresso(int percento) override;
    void etichettaavvio(const std::string& testo) override;
    void clessidra(bool attesa) override;
    // Lets pending repaints and timers run, never user input: the recomputation is not
    // re-entrant, so no click or key may start a command in the middle of it, and the
    // program counts as busy meanwhile (occupato.h).
    void eventi() override;
    void avviso(const std::string& testo) override;
    void disattivaambiterni() override;
    void aggiornastato() override;
    void chiudianalisi() override;

  private:
    bolvmain& m;
};

} // namespace bolv
