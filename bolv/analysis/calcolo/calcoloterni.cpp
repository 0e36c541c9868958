#include "calcoloterni.h"

namespace bolv {

Ternivergini elencaternivergini(const Stato& s, const Vistaterni& v) {
    Ternivergini esito;
    const int lunghezza = s.ultimaestrazione - s.primaestrazione + 1;
    for (int a = 1; a <= 88; ++a)
        for (int b = a + 1; b <= 89; ++b)
            for (int c = b + 1; c <= 90; ++c) {
                if (v.ritardo(11, a, b, c) != lunghezza) continue;
                if (static_cast<int>(esito.terni.size()) == MAXTERNIVERGINI) {
                    esito.terni.clear();
                    esito.troppi = true;
                    return esito;
                }
                esito.terni.push_back({a, b, c});
            }
    return esito;
}

} // namespace bolv
