// The payout table as the payout window lists it, the winnings calculator and
// its report. Plain C++, no Qt: texts that follow the locale (digit grouping)
// are the window's; the report takes them as the window shows them.
//
// Money is whole lire in 64 bits, computed exactly: a stake is read from the
// digits typed, a win from the exact binary value of its single-precision
// payout, and each is rounded to the nearest lira, a half going to the even
// neighbour, as is the gross win less 3%. A calculation is refused only when a
// stake, a win or a sum does not fit in 64 bits.
#pragma once

#include "lotto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bolv {

extern const char* const NOMISORTI[5];    // "Ambata" .. "Cinquina"
extern const char* const SORTIPLURALI[5]; // "Ambate" .. "Cinquine"

// The payout for one combination of sorte k (1..5) on a 1-lira stake with n numbers played.
inline float vincitaunitaria(const std::array<float, 50>& tabella, int k, int n) {
    return tabella[(k - 1) + 5 * (n - 1)];
}
// What that combination pays the player on a 1-lira stake once the 3% is withheld; on all
// ten wheels together ("Tutte") a tenth of it.
inline double fattoreguadagno(const std::array<float, 50>& tabella, int k, int n, bool tutte) {
    // The 3% first, then the tenth: in the other order 37,5 on "Tutte" would show 3,63.
    const double pagata = vincitaunitaria(tabella, k, n) * QUOTAPAGATA;
    return tutte ? pagata / 10 : pagata;
}

// A single-precision value as the general conversion writes it: at most 7
// significant digits, a blank in front when not negative, no leading zero
// before the point, "." whatever the locale (" 3", " .5", " 83.33334", " 1.5E+07").
std::string Strsingolo(float valore);

// One row of the payout window: n numbers played make combinazioni
// combinations of sorte k, each paying vincita on a 1-lira stake.
struct Rigavincite {
    int numeri;
    int64_t combinazioni;
    int sorte;
    float vincita;
};
// The 40 rows, n = 1..10 and within it k = 1..n (at most 5).
std::vector<Rigavincite> righevincite(const std::array<float, 50>& tabella);

// The stakes of the calculator as typed, ambata first.
using Puntate = std::array<std::string, 5>;

// The sum of the stakes the numbers played allow, each read as the number its
// text begins with (leading blanks skipped, "." the decimal point, 0 when none),
// rounded to whole lire half to even from its digits; nullopt when a stake or
// the sum does not fit in 64 bits.
std::optional<int64_t> totalepuntate(const Puntate& puntate, int giocati);

// "Calcola": refused (messaggio not empty) or the counts and wins per sorte,
// the gross win, the win after the 3% deduction and the net result.
struct Calcolovincite {
    std::string messaggio;
    std::array<std::string, 5> combinazioni; // "---" not playable, " 0", " 10"
    std::array<int64_t, 5> vincite{};        // per sorte (shown where playable)
    int64_t lorda = 0;                       // the sum of the wins
    int64_t netta = 0;                       // lorda x 97 / 100
    int64_t risultato = 0;                   // netta less the stakes
};
Calcolovincite calcolavincite(const std::array<float, 50>& tabella, int giocati, int sortiti,
                              const Puntate& puntate);

// What the report prints, as the window shows it.
struct Rapportovincite {
    int giocati = 0;
    int sortiti = 0;
    Puntate puntate;
    std::array<std::string, 5> combinazioni;
    std::array<std::string, 5> vincite;
    std::string lorda, netta, risultato;
};
// A report line as pieces: each text goes to its character column (from 1;
// 0 where the text just follows).
using Rigarapporto = std::vector<std::pair<int, std::string>>;
std::vector<Rigarapporto> rapportovincite(const Rapportovincite& r);
// The lines laid out: a column the line already passes starts a new line.
std::vector<std::string> righetesto(const std::vector<Rigarapporto>& rapporto);

} // namespace bolv
