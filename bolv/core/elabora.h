// The full recomputation of the number statistics over the analysis window.
//
// Delays are true values. On a wheel they count the draws of that wheel
// (contatoreruota); a wheel not drawn at the window's last draw takes its
// current delays from its own last counter in the window. In the all-wheels
// column they count draws, and a number not yet drawn in the window counts
// from the window's start, so a number never drawn has the window's length.
#pragma once

#include "stato.h"

#include <array>
#include <string>

namespace bolv {

// Re-reads the archive and recomputes everything. False when the archive file
// was refused (memory and statistics then stay as they were).
//
// The window is settled first: annoinizio, when set, places primaestrazione at
// the first draw of that year; primaestrazione is kept within 1..numestrazioni;
// ultimaestrazione is lowered to numestrazioni, moved there by reimpostaultima
// or at start-up, and also when it lies before primaestrazione (no window set).
bool elabora(Stato& s);
// The analysis window prima..ultima, chosen by the user, then the recomputation (false as
// elabora's). No start year is kept: the window is the one chosen.
bool impostaestremi(Stato& s, int prima, int ultima);
void disattivaambiterni(Stato& s);
// Text of status-bar panel 3 (analysis window and weekday mode).
std::string testostato(const Stato& s);

// Draws of each wheel 1..10 within the analysis window: the wheel's last
// contatoreruota (index 0 unused, 11 the window's length).
std::array<int, 12> contatorifinali(const Stato& s);

// fatto out of totale as 0..100; a window of one draw (totale 0) is done.
int percentuale(int fatto, int totale);

} // namespace bolv
