#include "calcolocapogioco.h"

#include <algorithm>

namespace bolv {

namespace {

struct Voce {
    int numero = 0, ritardo = 0;
};

// The five partners with the longest pair delay: first those above h, largest delay first
// and equal delays the larger partner first (a pair just drawn, delay 0, still counts);
// then a partner below h takes a place only with a delay strictly longer than the fifth's,
// after those of equal delay. Each partner at most once; a place left empty is 0.
Cinquina ambiritardati(const Vistaambi& v, int w, int h) {
    std::array<Voce, 5> voci{};
    std::array<bool, 91> preso{};
    for (Voce& voce : voci) {
        int migliore = 0, ritardo = 0;
        for (int b = h + 1; b <= 90; ++b) {
            const int r = v.ritardo(w, h, b);
            if (!preso[b] && r >= ritardo) {
                migliore = b;
                ritardo = r;
            }
        }
        if (migliore == 0) break;
        preso[migliore] = true;
        voce = {migliore, ritardo};
    }
    for (int a = 1; a < h; ++a) {
        const int r = v.ritardo(w, a, h);
        if (r <= voci[4].ritardo) continue;
        auto posto =
            std::find_if(voci.begin(), voci.end(), [r](const Voce& x) { return x.ritardo < r; });
        std::move_backward(posto, voci.end() - 1, voci.end());
        *posto = {a, r};
    }
    Cinquina c{};
    for (int i = 0; i < 5; ++i)
        c[i] = voci[i].numero;
    return c;
}

// Five numbers of largest (piu) or smallest count; -1 marks a number excluded or listed.
// Largest: only counts above 0; ties to the smaller number. Each listed number is marked.
Cinquina scegli(std::array<int, 91>& conta, bool piu) {
    Cinquina c{};
    for (int& scelto : c) {
        int migliore = 0, valore = piu ? 0 : 10000;
        for (int n = 1; n <= 90; ++n) {
            const int x = conta[n];
            if (x < 0) continue;
            if (piu ? x > valore : x < valore) {
                migliore = n;
                valore = x;
            }
        }
        if (migliore) conta[migliore] = -1;
        scelto = migliore;
    }
    return c;
}

bool estratto(const Stato& s, int d, int w, int h) {
    for (int p = 1; p <= 5; ++p)
        if (s.estr(d, w, p) == h) return true;
    return false;
}

} // namespace

Tabellacapogioco calcolacapogioco(const Stato& s, const Vistaambi& v, int h, int n) {
    Tabellacapogioco t{};
    const int ultima = s.ultimaestrazione;
    const int prima = std::max(1, ultima - n + 1);
    for (int w = 1; w <= 10; ++w) {
        std::array<int, 91> simpatici{}, post{};
        simpatici[h] = post[h] = -1;
        for (int d = prima; d <= ultima; ++d) {
            if (!estratto(s, d, w, h)) continue;
            for (int q = 1; q <= 5; ++q) {
                const int x = s.estr(d, w, q);
                if (x != h) ++simpatici[x];
                if (d == ultima) continue;
                const int y = s.estr(d + 1, w, q);
                if (y != h) ++post[y];
            }
        }
        auto& riga = t[w - 1];
        riga[0] = ambiritardati(v, w, h);
        riga[1] = scegli(simpatici, true);
        riga[2] = scegli(simpatici, false);
        riga[3] = scegli(post, true);
        riga[4] = scegli(post, false);
    }
    return t;
}

} // namespace bolv
