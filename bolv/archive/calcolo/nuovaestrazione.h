// A new draw typed in the entry window or pasted from the clipboard: its checks, in the
// order the user meets them, and its storing in the archive.
//
// The checks only read the typed texts and return what the user is to be told or asked,
// step by step; the window shows the steps and stops at a No. Storing goes through the one
// road of every change to the draws (cambiaarchivio): nothing is stored unless the archive
// file was written.
#pragma once

#include "cambioarchivio.h"
#include "data.h"
#include "stato.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bolv {

// What the entry window holds: the date texts and the 50 number texts, wheel w (1 Bari ..
// 10 Venezia) having its k-th number at index (w-1)*5 + k - 1.
struct Immissione {
    std::string giorno, mese, anno;
    std::array<std::string, 50> numeri;
};

// A draw ready to be stored.
struct Nuovaestrazione {
    Data data;       // the calendar date (a two-digit year read as 19yy)
    int anno100 = 0; // the year as typed, modulo 100
    int secolo = 19; // 19 for a two-digit year, else the typed year / 100
    std::array<int, 50> numeri{};
};

// One thing shown to the user: a message with OK, or a Yes/No question (No ends).
struct Passo {
    bool domanda = false;
    std::string testo;
    std::string titolo; // empty: the program's name
};

struct Controllo {
    std::vector<Passo> passi;
    // Present when every check passed: the last step is then the final confirmation.
    std::optional<Nuovaestrazione> estrazione;
};

// A text that is a number as a whole: blanks around it, an optional sign, digits with an
// optional decimal part. Blank text is not numeric.
bool numerico(const std::string& testo);

// "Inserimento Estrazioni": append mode. The caller then shows the entry window.
void inserimentoaccoda(Stato& s);
// "Inserimento Intermedio" with the input box's answer (nullopt: cancelled). Menu and
// toolbar alike change the mode only on a valid answer. True when the entry window is to
// be shown; an invalid answer shows "Il valore inserito non è valido.".
bool inserimentointermedio(Stato& s, const std::optional<std::string>& risposta);

// The checks of "INSERISCI", in order: calendar date, weekday question, year range, number
// range, zero warning, repeats within a wheel, final confirmation.
Controllo controllaestrazione(const Immissione& immissione,
                              const std::array<std::string, 11>& nomiruote);

// Stores the draw after the last one (modoaccoda) or after puntoinserimento, moving the later
// draws up a slot; then writes the archive, moves the end of the analysis window to the new
// last draw, announces the success and recomputes everything. Refused with a message, and
// nothing changed, in a weekday mode, with the archive full, and when the insertion point is
// no longer within the draws held; a write that fails leaves memory and file as they were.
// The mode is append again only after a success. True when the draw was stored.
bool inserisciestrazione(Stato& s, const Nuovaestrazione& e);

// The 53 texts a clipboard text fills (day, month, year, then the 50 numbers): its first 53
// runs of decimal digits, each written with at least two digits. A run of any length is
// kept whole (leading zeros dropped), so a number too big for its field is shown as it is
// and refused by the checks. Nothing when the text holds fewer than 53 runs.
std::optional<std::array<std::string, 53>> campiappunti(const std::string& testo);

} // namespace bolv
