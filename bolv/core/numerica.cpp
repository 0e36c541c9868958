#include "numerica.h"

#include <algorithm>

namespace bolv {

size_t InCount(const std::string& testo, char carattere) {
    return static_cast<size_t>(std::count(testo.begin(), testo.end(), carattere));
}

void AddInt(int16_t* inizio, int16_t valore, int32_t conta) {
    for (int32_t i = 0; i < conta; ++i)
        inizio[i] = static_cast<int16_t>(inizio[i] + valore);
}

} // namespace bolv
