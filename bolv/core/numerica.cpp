#include "numerica.h"

#include <algorithm>

namespace bolv {

size_t InCount(const std::string& testo, char carattere) {
    return static_cast<size_t>(std::count(testo.begin(), testo.end(), carattere));
}

} // namespace bolv
