#include "calcoloestratti.h"

#include <algorithm>
#include <numeric>

namespace bolv {

namespace {

bool estratto(const Stato& s, int d, int w, int n) {
    for (int p = 1; p <= 5; ++p)
        if (s.estr(d, w, p) == n) return true;
    return false;
}

bool estrattosututte(const Stato& s, int d, int n) {
    for (int w = 1; w <= 10; ++w)
        if (estratto(s, d, w, n)) return true;
    return false;
}

// The gaps between the latest five hits, counted in draws (whether the wheel was drawn or
// not) back from the window's last draw to the first draw of the archive. Ranks with no
// hit before slot 1 stay 0.
template <class Uscito> std::array<int, 5> ritardirecenti(const Stato& s, Uscito uscito) {
    std::array<int, 5> r{};
    int c = 0, i = 0;
    for (int d = s.ultimaestrazione; d >= 1 && i < 5; --d) {
        if (uscito(d)) {
            r[i++] = c;
            c = 0;
        } else {
            ++c;
        }
    }
    return r;
}

// The draws since a number came out on w that had been absent longer than n had been
// absent at that moment; at most n's current delay R.
int ritardoposizione(const Stato& s, int w, int R) {
    for (int k = 0; k < R; ++k) {
        const int d = s.ultimaestrazione - k;
        if (d < 1) return k;
        for (int p = 1; p <= 5; ++p)
            if (s.ritardiuscita[indicearchivio(d, w, p)] > R - k - 1) return k;
    }
    return std::max(R, 0);
}

void completa(Statestratto& e, int lunghezza) {
    e.rp = e.pre ? double(e.rit) / e.pre : -1;
    e.rs = e.sto ? double(e.rit) / e.sto : -1;
    int somma = e.recenti[0];
    for (int j = 1; j < 5; ++j) {
        somma += e.recenti[j];
        e.rm[j - 1] = double(somma) / (j + 1);
    }
    e.cicl = e.pre ? double(lunghezza) / e.pre : 0;
}

} // namespace

Tabellaestratti calcolaestratti(const Stato& s) {
    Tabellaestratti t{};
    const int lunghezza = s.ultimaestrazione - s.primaestrazione + 1;
    for (int n = 1; n <= 90; ++n) {
        int minimo = 0;
        for (int w = 1; w <= RUOTATUTTE; ++w) {
            Statestratto& e = t[w - 1][n - 1];
            const int i = indicenumero(n, w);
            e.rit = s.ritardinumeri[i];
            e.sto = s.storicinumeri[i];
            e.pre = s.presenzenumeri[i];
            if (w < RUOTATUTTE) {
                e.recenti = ritardirecenti(s, [&](int d) { return estratto(s, d, w, n); });
                e.rpos = ritardoposizione(s, w, e.rit);
                minimo = w == 1 ? e.rpos : std::min(minimo, e.rpos);
            } else {
                e.recenti = ritardirecenti(s, [&](int d) { return estrattosututte(s, d, n); });
                e.rpos = minimo;
            }
            completa(e, lunghezza);
        }
    }
    return t;
}

namespace {
double valore(const Statestratto& e, int n, int colonna) {
    switch (colonna) {
    case 2:
        return e.rit;
    case 4:
        return e.sto;
    case 5:
        return e.pre;
    case 6:
        return e.rp;
    case 7:
        return e.rs;
    case 8:
    case 9:
    case 10:
    case 11:
        return e.rm[colonna - 8];
    case 12:
        return e.cicl;
    default:
        return -n; // "Num": ascending
    }
}
} // namespace

std::array<int, 90> ordineestratti(const Tabellaestratti& t, int w, int colonna) {
    std::array<int, 90> ordine;
    std::iota(ordine.begin(), ordine.end(), 1);
    const auto& riga = t[w - 1];
    std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) {
        return valore(riga[a - 1], a, colonna) > valore(riga[b - 1], b, colonna);
    });
    return ordine;
}

} // namespace bolv
