#include "completamento.h"

#include "combinatoria.h"
#include "tabelle.h"

#include <algorithm>

namespace bolv {

namespace {

// How many numbers of the group wheel w holds at draw d.
int presi(const Stato& s, const std::vector<int>& numeri, int d, int w) {
    int c = 0;
    for (int p = 1; p <= 5; ++p)
        c += static_cast<int>(std::count(numeri.begin(), numeri.end(), s.estr(d, w, p)));
    return c;
}

void uscita(Statcombinazione& st, int c, int sorte) {
    st.presenze += static_cast<int>(numcombinazioni(c, sorte));
    st.storico = std::max(st.storico, st.ritardo);
    st.ritardo = 0;
}

} // namespace

Statcombinazione statcombinazione(const Stato& s, const std::vector<int>& numeri, int sorte,
                                  int ruota) {
    Statcombinazione st;
    for (int d = s.primaestrazione; d <= s.ultimaestrazione; ++d) {
        bool colpita = false;
        const int da = ruota == 11 ? 1 : ruota, a = ruota == 11 ? 10 : ruota;
        for (int w = da; w <= a; ++w) {
            const int c = presi(s, numeri, d, w);
            if (c < sorte) continue;
            uscita(st, c, sorte);
            colpita = true;
        }
        if (colpita)
            st.ultima = d;
        else if (ruota == 11 || s.estr(d, ruota, 1) != 0)
            ++st.ritardo;
    }
    return st;
}

std::optional<double> ritardomedio(const Stato& s, const std::vector<int>& numeri, int sorte,
                                   int ruota) {
    const int k = static_cast<int>(numeri.size());
    long somma = 0;
    if (sorte == 2) {
        const auto ambi = tabellaambi(s);
        if (!ambi) return std::nullopt;
        for (int i = 0; i < k; ++i)
            for (int j = i + 1; j < k; ++j)
                somma += ambi->ritardo(ruota, numeri[i], numeri[j]);
    } else {
        const auto terni = tabellaterni(s);
        if (!terni) return std::nullopt;
        for (int i = 0; i < k; ++i)
            for (int j = i + 1; j < k; ++j)
                for (int l = j + 1; l < k; ++l)
                    somma += terni->ritardo(ruota, numeri[i], numeri[j], numeri[l]);
    }
    return static_cast<double>(somma) / static_cast<double>(numcombinazioni(k, sorte));
}

} // namespace bolv
