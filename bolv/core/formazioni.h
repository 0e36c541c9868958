// Homogeneous formations: the families of "tab.dat" and, for one family and one sorte, the
// delay and presences of every formation on every wheel.
//
// A formation's delay is the smallest current delay of the sub-groups the sorte plays (its
// numbers, pairs or triples) and its presences are the sum of theirs. The table read from
// the file is checked once when it is loaded, so that a family whose counts or numbers do
// not fit shows as empty instead of sending the readers out of the table.
#pragma once

#include "stato.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace bolv {

constexpr int GRUPPIFORMAZIONI = 6;   // groups 1..6, "Ambi" .. "Lunghette"
constexpr int FAMIGLIEFORMAZIONI = 8; // families 1..8 of each group
constexpr int MAXFORMAZIONI = 45;     // formations of a family
constexpr int MAXMEMBRI = 10;         // numbers of a formation
constexpr int RITARDONESSUNO = 8000;  // delay of a formation with no sub-group for the sorte

// Empties (formation count 0) every family of the table whose formation count or size do not
// fit the table or whose formations are not distinct numbers of 1..90; gives how many.
int validaformazioni(std::vector<int16_t>& tabella);

// Formation r of family f (1..8) of group g (1..6): its numbers in display order. No
// formations for a family that is empty or does not fit the table.
std::vector<std::vector<int>> famiglia(const std::vector<int16_t>& tabella, int g, int f);

enum class Sorte { ambata = 1, ambo = 2, terno = 3 };

struct Valoriformazione {
    int ritardo = RITARDONESSUNO;
    int32_t presenze = 0;
    bool maiuscita = false;        // the delay is the whole analysis window
    std::optional<float> rapporto; // delay / presences, when there are presences
};

// Delay and presences of the numbers of one formation for the sorte on wheel w (1..11).
// Ambo and terno read the pair and triple tables, which must be active.
Valoriformazione valoriformazione(const Stato& s, const std::vector<int>& numeri, Sorte sorte,
                                  int w);

struct Tabellaformazioni {
    std::vector<std::vector<int>> formazioni;
    std::vector<std::array<Valoriformazione, 11>> valori; // [formation][wheel - 1]
};

Tabellaformazioni compilaformazioni(const Stato& s, int g, int f, Sorte sorte);

// Orders: 1 by formation, 2 "Rit", 3 "Pre", 4 "R/P".
enum class Ordine { formazione = 1, ritardo, presenze, rapporto };

// The rows of wheel w in display order (indexes into formazioni): ascending by the numbers for
// Ordine::formazione, else by the value, largest first, equal values in formation order.
std::vector<int> ordineformazioni(const Tabellaformazioni& t, int w, Ordine ordine);

// The wheel 1..10 holding the largest value of the order over all formations (the first to
// reach it), or 0 for Ordine::formazione or when every value is 0.
int ruotamassima(const Tabellaformazioni& t, Ordine ordine);

} // namespace bolv
