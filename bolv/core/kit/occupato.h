// What Bolv is busy with, so that nothing pulls the data from under it.
//
// Two things run while events are still delivered: the recomputation, which lets repaints
// and timers through but no user input, and a long computation of a window (a ranking, a
// search), which runs on a worker thread while the whole interface stays live. Meanwhile
// no command may recompute, drop the pair or triple tables, change the analysis window or
// write the archive: the main window's commands and every window's change of the state ask
// occupato() first.
#pragma once

namespace bolv {

enum class Attivita {
    nessuna,
    ricalcolo,    // elabora is letting pending events run
    elaborazione, // a window's long computation is running
};

Attivita attivitaincorso();

// Marks an activity for as long as it lives.
class Occupazione {
  public:
    explicit Occupazione(Attivita attivita);
    ~Occupazione();
    Occupazione(const Occupazione&) = delete;
    Occupazione& operator=(const Occupazione&) = delete;

  private:
    Attivita precedente;
};

// True when a command that changes data must not run now. During a long computation the
// user is told why (the recomputation lets no user input through, so it refuses silently).
bool occupato();

// The text of that message.
extern const char* const ELABORAZIONEINCORSO;

} // namespace bolv
