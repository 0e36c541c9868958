// Number and date text as the windows and reports write it (locale-free).
#pragma once

#include "data.h"

#include <string>

namespace bolv {

// The plain decimal conversion: a leading blank when not negative.
std::string Str(long valore);
// The numeric value at the start of a text, leading blanks skipped, 0 if none.
// A number beyond the range of a double is an infinity of its sign, so that it
// compares as out of range in every range check.
double Val(const std::string& testo);
std::string formatodata(const Data& d, const std::string& schema); // "dd.mm.yy", "dd.mm.yyyy"

} // namespace bolv
