// The start-up of Bolv, from the launch to a ready main window: single-instance check,
// data-file checks, splash, configuration (leggiconfig), shared variables (inizializza),
// the first recomputation, then the main window.
#pragma once

#include "stato.h"

#include <QString>
#include <memory>

namespace platform {
class SingleInstance;
}

namespace bolv {

class bolvmain;
class Interfacciafinestre;

struct Parametriavvio {
    QString cartella;       // the data folder
    QString cartellablocco; // where the single-instance lock lives (empty: the user's own)
};

// The running program: its lock, the main window and the engine's face on the screen.
// Destroying it gives the state back its previous interface.
class Bolvavviato {
  public:
    Bolvavviato(Stato& s, std::unique_ptr<platform::SingleInstance> istanza);
    ~Bolvavviato();
    Bolvavviato(const Bolvavviato&) = delete;
    Bolvavviato& operator=(const Bolvavviato&) = delete;

    bolvmain& principale() const { return *finestra; }

  private:
    friend std::unique_ptr<Bolvavviato> avvia(Stato&, const Parametriavvio&);
    Stato& s;
    Interfaccia* precedente;
    std::unique_ptr<platform::SingleInstance> blocco;
    std::unique_ptr<bolvmain> finestra;
    std::unique_ptr<Interfacciafinestre> interfaccia;
};

// Runs the start-up on s. Null when it ended the program: another copy is running, a data
// file is missing or has the wrong size, or a file could not be read; its message has been
// shown and nothing has been written. Once the data files are found, what interrupted
// writes left beside them is removed (pulisciavanzidati).
std::unique_ptr<Bolvavviato> avvia(Stato& s, const Parametriavvio& parametri);

// Reads "bolv.cfg" and applies it to the program and the main window. False when the file
// cannot be read.
bool leggiconfig(Stato& s, bolvmain& m);
// The shared variables and the payout and formation tables. False when a file cannot be read.
bool inizializza(Stato& s, bolvmain& m);

} // namespace bolv
