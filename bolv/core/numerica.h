// The small numeric routines the tables are built with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bolv {

// Counts in full width: a count that wrapped would disagree with the fields
// dividistringa finds.
size_t InCount(const std::string& testo, char carattere);
inline int16_t MinInt(int16_t a, int16_t b) {
    return a < b ? a : b;
}
inline int16_t MaxInt(int16_t a, int16_t b) {
    return a > b ? a : b;
}

} // namespace bolv
