// Lotto systems: the play lines in which a typed list of numbers is played.
//
// An integral system is every combination of k of the numbers. An orthogonal system for a
// sorte s (1 ambata, 2 ambo, 3 terno) is a greedy covering: lines of k numbers are taken
// in lexicographic order of the typed positions whenever they share no s-subset with a line
// already taken, then lines of k - 1 numbers, and so on down to lines of s numbers, so that
// in the end every s-subset of the numbers is in exactly one line.
//
// The typed list is checked whole before anything is computed, and a system is sized
// exactly (64 bits) before it is built: one too large to list is refused with its size.
#pragma once

#include "avanzamento.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bolv {

enum class Tiposistema { integrale, ortogonale };

// Why a request is refused, in the order the checks are made.
enum class Erroresistema {
    nessuno,
    vuota,        // no text
    caratteri,    // a character other than a digit or "."
    oltre90,      // more than 90 fields
    nullo,        // an empty field or one of zeros
    nonvalidi,    // a number above 90
    uguali,       // a number typed twice
    eccede,       // orthogonal: lines smaller than the sorte
    troppogrande, // more lines than a list can hold
};

// The most lines a system may have: beyond this the list, the print and the file would be
// unusable, and the building would take minutes.
constexpr int64_t MAXBOLLETTE = 1'000'000;

struct Richiestasistema {
    std::vector<int> numeri; // in the order typed
    int k = 1;               // numbers per line, 1..10
    int sorte = 2;           // 1..3, orthogonal only
    Tiposistema tipo = Tiposistema::integrale;
};

struct Letturasistema {
    Erroresistema errore = Erroresistema::nessuno;
    Richiestasistema richiesta;
    int64_t dimensione = 0; // C(n, k): the lines of the integral system (once the list is read)
};

// The typed list ("5.17.42") checked and read, with the size of the system asked for.
Letturasistema leggisistema(const std::string& testo, int k, int sorte, Tiposistema tipo);

// The generated lines, stored flat: line i is numeri[inizio(i) .. fine[i]).
struct Sistema {
    std::vector<uint8_t> numeri;
    std::vector<uint32_t> fine;

    size_t righe() const { return fine.size(); }
    std::span<const uint8_t> riga(size_t i) const {
        const uint32_t da = i == 0 ? 0 : fine[i - 1];
        return {numeri.data() + da, fine[i] - da};
    }
};

// The system of a request that leggisistema accepted. Stopped through a, it holds the
// lines found so far.
Sistema generasistema(const Richiestasistema& r, Avanzamento& a);

// "05.17.42".
std::string testoriga(std::span<const uint8_t> riga);

} // namespace bolv
