// The archive browser's edits of the draws in memory: delete, swap, move, redate and the
// correction of one number. Each changes estrazioni (and the dates with it); the window
// hands the restructuring ones to cambiaarchivio, which writes them or puts memory back.
#pragma once

#include "cambioarchivio.h"
#include "stato.h"

#include <optional>
#include <string>

namespace bolv {

// The draws can be edited: false, with a message, in a weekday mode, where memory holds
// only the draws of one weekday and writing it would lose the others.
bool archiviomodificabile(const Stato& s);

// The entry window, opened next, inserts its draw after draw d.
void inserimentodopo(Stato& s, int d);

// Draw c leaves the archive: every later slot moves down one place, with its date and its
// delays, and the last slot becomes empty (so a full archive does not hold its last draw
// twice).
void cancellaestrazione(Stato& s, int c);
// The writing of a deletion; a write that fails puts the delays back too.
Scritturaarchivio scritturacancellazione(int c);

// Draws a and b exchange places (date and numbers).
void scambiaestrazioni(Stato& s, int a, int b);
// Draw a goes to slot b; the draws between close up behind it.
void spostaestrazione(Stato& s, int a, int b);

// The new date typed in the three redate prompts, or nullopt when one is empty (a
// cancelled prompt) or they do not make a real date of 1870 or later that the archive can
// hold. A year below 100 stands for 19yy.
std::optional<Data> nuovadata(const std::string& giorno, const std::string& mese,
                              const std::string& anno);
// Row 0 of draw d takes the date.
void ridataestrazione(Stato& s, int d, const Data& data);

// The number at wheel w, position p of draw d becomes n, in memory only.
void modificanumero(Stato& s, int d, int w, int p, int n);

// The slot number typed for a swap or a move: its value rounded (halves to the even one),
// or nullopt when it is outside primaestrazione .. numestrazioni.
std::optional<int> slotdigitato(const Stato& s, const std::string& risposta);

} // namespace bolv
