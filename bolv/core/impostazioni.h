// What the slots of "bolv.cfg" mean to the start-up and to the configuration dialog.
//
// Plain C++ so the tests read it without windows. Every slot is brought into the range of
// the control that shows it: a value no control can show gets the default (start of the
// archive, font size 8, a check box unchecked), so the dialog never writes a value it did
// not show and never indexes an option that does not exist.
#pragma once

#include "stato.h"

#include <array>
#include <cstdint>

namespace bolv {

using Slotconfigurazione = std::array<int16_t, NUMCONFIG>;

// What start-up applies from the configuration (leggiconfig).
struct Avvioconfigurato {
    bool sfondo = false;         // slot 1 = 1: show the background picture
    bool benvenuto = false;      // slot 2 = 1: show the welcome message
    int annoinizio = 1871;       // slot 3: 0 1871, 1 1939, 2 1945; any other value 1871
    bool animazione = true;      // slot 4 <> 0: the icon animation runs
    bool stampasufile = false;   // slot 5 <> 0: print output to a text file
    bool barrastandard = false;  // slot 8 = 1
    bool barrafunzioni = false;  // slot 9 = 1
    int dimensionecarattere = 8; // slot 21 = i in 0..5: i + 5; any other value 8
};

Avvioconfigurato configurazioneavvio(const Slotconfigurazione& c);

// A check box value: 0 unchecked, 1 checked, 2 greyed.
enum class Spunta : int16_t { no = 0, si = 1, grigio = 2 };

// What the configuration dialog shows, control by control.
struct Sceltedialogo {
    bool sfondo = false;            // Check2
    bool benvenuto = false;         // Check1
    int inizio = 0;                 // Option1(0..2)
    bool rotazione = false;         // Check3
    int output = 0;                 // Option2(0..1)
    Spunta standard = Spunta::no;   // Check4
    Spunta funzioni = Spunta::no;   // Check6
    std::array<Spunta, 10> ruote{}; // Check5(0..9), wheels Bari..Venezia
    int dimensione = 3;             // Option3(0..5), sizes 5..10

    bool operator==(const Sceltedialogo&) const = default;
};

Sceltedialogo sceltedaconfigurazione(const Slotconfigurazione& c);
// The slots the dialog writes from its controls; the slots it has no control for keep
// the values of precedente.
Slotconfigurazione configurazionedascelte(const Sceltedialogo& s,
                                          const Slotconfigurazione& precedente);

// "Salva configurazione": the slots written to "bolv.cfg" through a temporary file, then
// kept in memory. False, with file and memory as they were, when it cannot be written.
bool salvaconfigurazione(Stato& s, const Slotconfigurazione& nuova);

// The year the analysis window starts at for an option index 0..2 of Option1.
int annodaopzione(int indice);

} // namespace bolv
