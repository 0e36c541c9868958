#include "calcolosincro.h"

#include <algorithm>

namespace bolv {

namespace {

constexpr int RITARDI = MAXRITARDOSINCRO + 1;

struct Ruota {
    std::array<int, 91> ultima{};      // the wheel's running count at each number's last hit
    std::array<bool, 91> visto{};      // drawn on the wheel within the window
    std::array<int, RITARDI> conta{};  // numbers at each delay after the draw
    std::array<int, RITARDI> record{}; // largest count ever at each delay, at most 5
    std::array<int, RITARDI> estrazione{};
};

void aggiorna(const Stato& s, Ruota& r, int d, int w) {
    const int c = s.estr(d, w, 0);
    for (int p = 1; p <= 5; ++p) {
        const int x = s.estr(d, w, p);
        r.ultima[x] = c;
        r.visto[x] = true;
    }
    for (int n = 1; n <= 90; ++n) {
        if (!r.visto[n]) continue;
        const int ritardo = c - r.ultima[n];
        if (ritardo <= MAXRITARDOSINCRO) ++r.conta[ritardo];
    }
    for (int k = 0; k < RITARDI; ++k)
        if (r.conta[k] > r.record[k]) {
            r.record[k] = std::min(r.conta[k], 5);
            r.estrazione[k] = d;
        }
}

// The wheel whose value of each size is largest (0: none above 0).
std::array<int, 5> massimo(const std::array<std::array<int, 5>, 10>& valori) {
    std::array<int, 5> m{};
    for (int k = 0; k < 5; ++k) {
        int migliore = 0;
        for (int w = 1; w <= 10; ++w)
            if (valori[w - 1][k] > migliore) {
                migliore = valori[w - 1][k];
                m[k] = w;
            }
    }
    return m;
}

} // namespace

Sincronismi calcolasincronismi(const Stato& s) {
    std::array<Ruota, 10> ruote{};
    for (int d = s.primaestrazione; d <= s.ultimaestrazione; ++d)
        for (int w = 1; w <= 10; ++w) {
            Ruota& r = ruote[w - 1];
            r.conta.fill(0);
            if (s.estr(d, w, 1) != 0) aggiorna(s, r, d, w);
        }
    Sincronismi esito;
    for (int w = 1; w <= 10; ++w) {
        const Ruota& r = ruote[w - 1];
        for (int k = 1; k <= 5; ++k) {
            int att = -1, sto = -1;
            for (int ritardo = 0; ritardo < RITARDI; ++ritardo) {
                if (r.conta[ritardo] == k) att = ritardo;
                if (r.record[ritardo] == k) sto = ritardo;
            }
            esito.attuale[w - 1][k - 1] = att;
            esito.storico[w - 1][k - 1] = sto;
            esito.estrazionestorico[w - 1][k - 1] = sto < 0 ? 0 : r.estrazione[sto];
        }
    }
    esito.massimoattuale = massimo(esito.attuale);
    esito.massimostorico = massimo(esito.storico);
    return esito;
}

} // namespace bolv
