#include "combinatoria.h"

#include "numerica.h"

#include <algorithm>
#include <limits>

namespace bolv {

int64_t numcombinazioni(int n, int k) {
    if (k <= 0) return 1;
    if (k > n) return 0;
    k = std::min(k, n - k);
    // After step i, c = C(n - k + i, i): each division is exact. The 128-bit
    // product cannot overflow while c stays within 64 bits; past that the
    // result saturates, which every caller sees as out of the 32-bit range.
    constexpr auto massimo = static_cast<__int128>(std::numeric_limits<int64_t>::max());
    __int128 c = 1;
    for (int i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
        if (c > massimo) return std::numeric_limits<int64_t>::max();
    }
    return static_cast<int64_t>(c);
}

double probabilita(int n, int k) {
    const int m = MinInt(5, static_cast<int16_t>(n));
    int64_t casi = 0;
    for (int j = k; j <= m; ++j)
        casi += numcombinazioni(90 - n, 5 - j) * numcombinazioni(n, j);
    return static_cast<double>(casi) / static_cast<double>(numcombinazioni(90, 5));
}

double ciclicita(int n, int k) {
    const double p = probabilita(n, k);
    return p == 0 ? 0 : 1 / p;
}

size_t contaseparatori(const std::string& testo, const std::string& separatori) {
    size_t conta = 0;
    for (char c : separatori)
        conta += InCount(testo, c);
    return conta;
}

std::vector<std::string> dividistringa(const std::string& testo, const std::string& separatori) {
    std::vector<std::string> campi;
    size_t inizio = 0;
    for (size_t i = 0; i < testo.size(); ++i) {
        if (separatori.find(testo[i]) == std::string::npos) continue;
        campi.push_back(testo.substr(inizio, i - inizio));
        inizio = i + 1;
    }
    campi.push_back(testo.substr(inizio));
    return campi;
}

} // namespace bolv
