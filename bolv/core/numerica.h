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
// Adds valore to conta consecutive elements starting at inizio.
void AddInt(int16_t* inizio, int16_t valore, int32_t conta);

} // namespace bolv
