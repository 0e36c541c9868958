// The statistics of one typed combination: how often a sorte of it came out on a set of
// wheels over the analysis window, its current and historical delay, its cyclicities and
// the list of its hits.
//
// Delays count the draws in which at least one of the chosen wheels was drawn: a draw
// with none of them (Cagliari and Genova before 1939) neither raises nor closes a delay.
#pragma once

#include "stato.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bolv {

// The one message for every refused input.
inline constexpr char ERRORERICERCA[] = "Errore nell'inserimento dei dati. Numeri non inseriti "
                                        "correttamente o insufficienti per la sorte scelta.";

// The hit list holds this many lines; later hits still count but are not listed.
constexpr int MAXRIGHEPRESENZE = 32000;
constexpr int MAXNUMERIRICERCA = 20;

struct Combinazione {
    std::vector<int> numeri; // 1..20 distinct numbers 1..90, in the order typed
    int sorte = 2;           // 1 ambata .. 5 cinquina
    std::array<bool, 10> ruote{};
    int numruote() const;
};

// The numbers typed (joined by "."), the sorte and the ticked wheels as a combination to
// search, or nothing when the input is refused: a character other than a digit or ".",
// no wheel, more than 20 numbers, an empty or zero number, a number above 90 (judged on
// its full value, however many digits it has), a number twice, fewer numbers than the
// sorte needs.
std::optional<Combinazione> readinput(const std::string& testo, int sorte,
                                      const std::array<bool, 10>& ruote);

struct Uscita {
    int estrazione; // draw slot
    int ruota;      // 1..10
};

struct Esitoricerca {
    int64_t presenze = 0;                     // sorte-combinations of the numbers that came out
    int ritardoattuale = 0;                   // draws counted since the last hit
    int ritardomassimo = 0;                   // longest delay closed by a hit (see storicoassente)
    int estrazionemassimo = 0;                // the draw that closed it; 0 with no hit
    bool storicoassente = false;              // no hit at all: ritardomassimo is the window's span
    int inizioperiodo = 0;                    // first draw of the span of the effective cyclicity
    std::vector<Uscita> uscite;               // the listed hits, at most MAXRIGHEPRESENZE
    bool oltre = false;                       // more hits than the list holds
    std::vector<int> estrazioniuscita;        // the draws with a hit on any chosen wheel
    std::vector<int> frequenzeritardi;        // hits closing a delay of each length (index)
    double ciclicitateorica = 0;              // draws between wins on the chosen wheels
    std::optional<double> ciclicitaeffettiva; // none with no presences
    std::optional<double> scompenso;          // effective less theoretical
};

// Scans the analysis window. The effective cyclicity runs from the first draw of the
// window in which a chosen wheel was drawn (the window's first when none was).
Esitoricerca ricercaroutine(const Stato& s, const Combinazione& c);

} // namespace bolv
