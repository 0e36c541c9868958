// Read-only views of the pair and triple tables, for the computations and windows that
// rank or show them.
//
// A view is to be had only while its tables are active, and every read checks again that
// they still are: a read of a released table throws std::logic_error instead of reading
// freed memory. The numbers of a pair or triple may come in any order.
#pragma once

#include "stato.h"

#include <optional>

namespace bolv {

class Vistaambi {
  public:
    // Wheel w 1..10, 11 for all wheels together; a and b two different numbers of 1..90.
    int ritardo(int w, int a, int b) const { return leggi(s.ritardiambi, w, a, b); }
    int storico(int w, int a, int b) const { return leggi(s.storiciambi, w, a, b); }
    int presenze(int w, int a, int b) const { return leggi(s.presenzeambi, w, a, b); }

  private:
    friend std::optional<Vistaambi> tabellaambi(const Stato& s);
    explicit Vistaambi(const Stato& stato) : s(stato) {}
    int leggi(const std::vector<int16_t>& tabella, int w, int a, int b) const;

    const Stato& s;
};

class Vistaterni {
  public:
    // Wheel w 1..11; a, b and c three different numbers of 1..90.
    int ritardo(int w, int a, int b, int c) const { return leggi(s.ritarditerni, w, a, b, c); }
    int presenze(int w, int a, int b, int c) const { return leggi(s.presenzeterni, w, a, b, c); }

  private:
    friend std::optional<Vistaterni> tabellaterni(const Stato& s);
    explicit Vistaterni(const Stato& stato) : s(stato) {}
    int leggi(const std::vector<int16_t>& tabella, int w, int a, int b, int c) const;

    const Stato& s;
};

// The views, or nullopt while "Attiva Ambi" / "Attiva Terni" has not built the tables.
std::optional<Vistaambi> tabellaambi(const Stato& s);
std::optional<Vistaterni> tabellaterni(const Stato& s);

} // namespace bolv
