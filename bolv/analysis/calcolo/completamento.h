// The statistics of one ranked group, counted afresh from the draws of the analysis window:
// what completes a row of the ranking ("Tabella completa") and dates its last hit.
#pragma once

#include "stato.h"

#include <optional>
#include <vector>

namespace bolv {

struct Statcombinazione {
    int presenze = 0; // over every hit, the pairs (triples) of the group it held
    int storico = 0;  // the largest delay ended by a hit
    int ritardo = 0;  // draws since the last hit: on one wheel only those where it was drawn
    int ultima = 0;   // slot of the last hit in the window, 0 when it never came out
};

// A hit is a draw holding at least sorte (2 or 3) numbers of the group on the wheel (1..10),
// or on any wheel for 11 ("Tutte"), where every draw counts for the delays.
Statcombinazione statcombinazione(const Stato& s, const std::vector<int>& numeri, int sorte,
                                  int ruota);

// The mean current delay of the group's pairs (sorte 2) or triples (3) as the tables hold
// them; nothing while those tables are not active.
std::optional<double> ritardomedio(const Stato& s, const std::vector<int>& numeri, int sorte,
                                   int ruota);

} // namespace bolv
