// The spans of the year view: runs of consecutive draws that share the two-digit year of
// their date (the year as the archive holds it, modulo 100), stepped back and forth.
#pragma once

#include "stato.h"

#include <optional>

namespace bolv {

// Draws inizio..fine, both held.
struct Annoestrazioni {
    int inizio = 0;
    int fine = 0;
    int annovisualizzato = 0; // the two-digit year of the span
};

// The span that ends at draw fine: back from it while the two-digit year stays the same,
// never before draw 1. Nothing when fine is not a draw held (an empty archive).
std::optional<Annoestrazioni> annofinoa(const Stato& s, int fine);
// The span that starts at draw inizio, never beyond the last draw held.
std::optional<Annoestrazioni> annodalla(const Stato& s, int inizio);

// "<" and ">": the span before or after the one shown; nothing at either end of the archive.
std::optional<Annoestrazioni> annoprecedente(const Stato& s, const Annoestrazioni& a);
std::optional<Annoestrazioni> annosuccessivo(const Stato& s, const Annoestrazioni& a);

} // namespace bolv
