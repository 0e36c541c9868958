// The template search across draws: the draws n of the analysis window such that the
// numbers of a template of three draws (n - k, n, n + j) were drawn on their wheels, at
// any position or at the position of their cell.
#pragma once

#include "stato.h"

#include <array>
#include <string>
#include <vector>

namespace bolv {

inline constexpr char ERRORECELLA[] = "Si devono inserire numeri compresi tra 1 e 90";

struct Modelloestrazionale {
    // The value of every template cell, 0 for an empty one; see indice.
    std::array<double, 150> celle{};
    int distanzaprima = 1;  // k, 1..10
    int distanzadopo = 1;   // j, 1..10
    bool posizione = false; // "Considerare la posizione"

    // Block 0 the earlier draw n - k, 1 the middle draw n, 2 the later draw n + j; wheel
    // 1..10, position 1..5.
    static int indice(int blocco, int ruota, int posizione) {
        return 50 * blocco + 5 * (ruota - 1) + (posizione - 1);
    }
};

// A typed cell text is taken when its value (the number it begins with, read in full) is
// 0..90; 0, an empty text among them, leaves the cell empty.
bool cellavalida(const std::string& testo);

// The hit draws n, ascending, from primaestrazione + k to ultimaestrazione - j (none when
// the window is shorter than k + j + 1). A cell on a wheel not drawn never matches; a
// value that is not a whole number never matches. Progress goes to the wait window.
std::vector<int> ricercaestrazionale(const Stato& s, const Modelloestrazionale& m);

} // namespace bolv
