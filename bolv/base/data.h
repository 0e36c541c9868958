// A calendar date, as the archive and every window that shows a draw use it.
#pragma once

// Qt's moc, reading the headers of a window test under clang's predefined
// macros, cannot parse libstdc++'s <compare>; it has no use for it anyway.
#ifndef Q_MOC_RUN
#include <compare>
#endif

namespace bolv {

// A calendar date. Built with calendar carry, so every slot has a valid date.
struct Data {
    int anno = 1899;
    int mese = 12;
    int giorno = 30;

    // Normalises day 0 (last day of the previous month), month 0 (December of
    // the previous year) and any overflow of day or month.
    static Data normalizzata(int anno, int mese, int giorno);
    long giorniassoluti() const; // days since 1 January of year 1
    int giornosettimana() const; // 1 Sunday .. 7 Saturday (Wednesday = 4)
    auto operator<=>(const Data&) const = default;
};

} // namespace bolv
