// What the archive browser shows of one draw besides its numbers: the filter classes of
// the draw grid, the wheel's sum and mean, the table of the ten pairwise sums or distances
// of each wheel with its highlights, and the cyclometric circle. Plain values; the window
// only draws them.
#pragma once

#include <array>

namespace bolv {

// The five numbers of each wheel Bari..Venezia of one draw (0: not drawn).
using Ruote = std::array<std::array<int, 5>, 10>;

// Filter classes of the draw grid, in list order: 0 "Tutti i numeri", 1 "Ritardi
// all'estrazione" (shows delays, not numbers), 2 "Gemelli" ... 44 "Cifra 9/0".
inline constexpr int NUMFILTRI = 45;
inline constexpr int FILTRORITARDI = 1;
// The stored value v is shown under class k (0 passes the tests that 0 meets).
bool nelfiltro(int k, int v);

// The positions (1..5) of the ten pairs, in the order of the table's columns.
inline constexpr std::array<std::array<int, 2>, 10> COPPIE = {
    {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}}};

// The sum of a wheel's five values (its numbers, or their delays) and their mean over the
// five places, as the draw grid's last two columns show them.
struct Sommaruota {
    int somma = 0;
    double media = 0;
};
Sommaruota sommaruota(const std::array<int, 5>& valori);

// A sum above 90 less 90 (90 itself stays 90); a distance is the plain difference.
int sommaestratti(int x, int y);
int distanzaestratti(int x, int y);

struct Opzionisodi {
    bool somme = true;
    bool isotopi = false;    // equal values in one column on different wheels
    bool somme90 = false;    // in sums mode
    bool distanze45 = false; // in distances mode
};

struct Tabellasodi {
    std::array<std::array<int, 10>, 10> valori{};       // [wheel 0..9][column 0..9]
    std::array<std::array<bool, 10>, 10> evidenziate{}; // green cells
};
Tabellasodi tabellasodi(const Ruote& ruote, const Opzionisodi& opzioni);

// A point of the drawing area of the circle, in twips from its top left corner.
struct Punto {
    double x = 0;
    double y = 0;
};
inline constexpr int LARGHEZZACERCHIO = 1815;
inline constexpr int ALTEZZACERCHIO = 1335;
inline constexpr Punto CENTROCERCHIO = {900, 650};
inline constexpr int RAGGIOCERCHIO = 600;
// Where number n stands: 0 at the top, clockwise, 4 degrees apart (pi taken as 3.1415,
// so 90 falls a tenth of a twip short of 0).
Punto puntocerchio(int n);
// The corners of the polygon of one wheel: its numbers in descending order, each joined to
// the next and the last back to the first.
std::array<Punto, 5> poligonocerchio(std::array<int, 5> numeri);

} // namespace bolv
