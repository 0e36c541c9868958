// The never-drawn triples ("terni vergini"): the triples that came out on no wheel within
// the analysis window, listed in lexicographic order up to a limit.
#pragma once

#include "tabelle.h"

#include <array>
#include <vector>

namespace bolv {

// More never-drawn triples than this are not listed.
constexpr int MAXTERNIVERGINI = 20000;

struct Ternivergini {
    std::vector<std::array<int, 3>> terni; // a < b < c, lexicographic order
    bool troppi = false;                   // over the limit: nothing listed
};

// The triples whose all-wheels delay is the window's length.
Ternivergini elencaternivergini(const Stato& s, const Vistaterni& v);

} // namespace bolv
