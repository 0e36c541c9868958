#include "sestine.h"

#include <algorithm>

namespace bolv {

namespace {

Sestina derivasestina(const Stato& s, int d) {
    Sestina r{};
    for (int c = 0; c < 7; ++c) {
        // When all five are taken already the fifth stays, repeated.
        for (int p = 1; p <= 5; ++p) {
            r[c] = s.estr(d, RUOTESESTINA[c], p);
            if (std::find(r.begin(), r.begin() + c, r[c]) == r.begin() + c) break;
        }
    }
    for (int c = 0; c < 6; ++c) {
        r[7] += r[c];
        ++r[r[c] % 2 == 0 ? 8 : 9];
    }
    return r;
}

void conta(Statisticasestina& st, int d) {
    ++st.frequenza;
    st.storico = std::max(st.storico, d - st.ultima - 1);
    st.ultima = d;
}

} // namespace

Tabellasestine calcolasestine(const Stato& s) {
    Tabellasestine t;
    t.primariga = std::max(s.primaestrazione, PRIMASESTINA);
    t.ultima = std::max(s.ultimaestrazione, t.primariga - 1);
    for (auto& numero : t.statistiche)
        for (auto& gruppo : numero)
            gruppo.ultima = t.primariga;
    for (int d = t.primariga; d <= t.ultima; ++d) {
        const Sestina r = derivasestina(s, d);
        t.righe.push_back(r);
        for (int c = 0; c < 7; ++c) {
            if (r[c] < 1 || r[c] > 90) continue;
            conta(t.statistiche[r[c] - 1][c], d);
            conta(t.statistiche[r[c] - 1][7], d);
        }
    }
    return t;
}

} // namespace bolv
