// Number and date text as the windows and reports write it (locale-free).
#pragma once

#include "data.h"

#include <string>
#include <string_view>

namespace bolv {

// The plain decimal conversion: a leading blank when not negative.
std::string Str(long valore);
// The number a text begins with, in its parts: leading blanks skipped, a sign,
// the digits with at most one "." among them ("12.50", ".5", "7."); cifre holds
// no digit when the text begins with no number.
struct Numeroiniziale {
    bool negativo = false;
    std::string_view cifre; // the sign left out
    size_t punto = 0;       // the place of the "." in cifre; cifre.size() without one
};
Numeroiniziale numeroiniziale(std::string_view testo);
// The numeric value at the start of a text, leading blanks skipped, 0 if none.
// A number beyond the range of a double is an infinity of its sign, so that it
// compares as out of range in every range check.
double Val(const std::string& testo);
std::string formatodata(const Data& d, const std::string& schema); // "dd.mm.yy", "dd.mm.yyyy"

} // namespace bolv
