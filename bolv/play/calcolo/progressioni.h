// Stake progressions: for a Lotto bet repeated over up to 20 draws until it wins, the
// smallest stake of each draw, a multiple of 1000 lire, whose win pays back everything
// invested so far plus the gain wanted; the last draws, the recovery draws, only pay back.
#pragma once

#include "stato.h"

#include <array>
#include <cstdint>
#include <vector>

namespace bolv {

constexpr double CAPITALEMASSIMO = 1000000000; // lire
constexpr int MAXESTRAZIONIGIOCO = 20;

// The inputs as the window reads them: the money already rounded to whole lire.
struct Giocata {
    double capitale = 0;
    double guadagnominimo = 0;
    double guadagnopercento = 0; // 10 means 10 %
    int numeri = 1;              // per ticket, 1..10
    int bollette = 1;            // 1..10
    int ruote = 1;               // 1..10; 10 is all ten wheels together
    int sorte = 1;               // 1 ambata .. 5 cinquina
    int estrazionigioco = 1;     // 1..20
    int estrazionirecupero = 0;  // 0..estrazionigioco
};

// One draw of the plan; money in 64 bits, as large payouts and stakes can pass 32.
struct Tappa {
    int64_t posta = 0;     // stake per bet
    int64_t investito = 0; // from draw 1 up to this one
    int64_t vincita = 0;   // if the bet comes out at this draw
    int64_t utile = 0;
    double utilepercento = 0; // utile / investito, a fraction
};

enum class Esitopiano {
    pronto,
    capitaleeccessivo,     // above 1,000,000,000
    sortealta,             // more than the numbers played
    nonimpostati,          // capital or minimum gain 0
    nonremunerativo,       // the bets of a draw cost more than a win pays per lira
    capitaleinsufficiente, // the stakes would pass the capital
};

struct Piano {
    Esitopiano esito = Esitopiano::pronto;
    std::vector<Tappa> tappe; // draws 1..estrazionigioco, when pronto
};

// The checks in their order (capital ceiling, sorte, capital and gain set, bet worth
// playing), then the plan. tabellavincite: the win per lira by sorte and numbers played.
Piano pianifica(const Giocata& g, const std::array<float, NUMVINCITE>& tabellavincite);

} // namespace bolv
