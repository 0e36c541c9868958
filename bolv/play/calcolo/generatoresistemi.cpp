#include "generatoresistemi.h"

#include "combinatoria.h"
#include "lotto.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace bolv {

namespace {

constexpr int MAXK = 10;

// A field's value, held no further than is needed to tell it above 90.
int valorecampo(const std::string& campo) {
    int v = 0;
    for (char c : campo)
        v = std::min(v * 10 + (c - '0'), 1000);
    return v;
}

Erroresistema leggicampi(const std::string& testo, std::vector<int>& numeri) {
    if (testo.empty()) return Erroresistema::vuota;
    if (!std::all_of(testo.begin(), testo.end(),
                     [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return Erroresistema::caratteri;
    if (contaseparatori(testo, ".") + 1 > NUMERI) return Erroresistema::oltre90;
    for (const std::string& campo : dividistringa(testo, ".")) {
        const int v = valorecampo(campo);
        if (v == 0) return Erroresistema::nullo;
        numeri.push_back(v);
    }
    if (std::any_of(numeri.begin(), numeri.end(), [](int v) { return v > NUMERI; }))
        return Erroresistema::nonvalidi;
    std::array<bool, NUMERI + 1> visto{};
    for (int v : numeri) {
        if (visto[v]) return Erroresistema::uguali;
        visto[v] = true;
    }
    return Erroresistema::nessuno;
}

void aggiungi(Sistema& sistema, const Richiestasistema& r, const int* posizioni, int m) {
    for (int i = 0; i < m; ++i)
        sistema.numeri.push_back(static_cast<uint8_t>(r.numeri[posizioni[i]]));
    sistema.fine.push_back(static_cast<uint32_t>(sistema.numeri.size()));
}

// Every k-subset of the positions in lexicographic order.
Sistema integrale(const Richiestasistema& r, Avanzamento& a) {
    Sistema sistema;
    const int n = static_cast<int>(r.numeri.size()), k = r.k;
    if (k > n) return sistema;
    const int64_t totale = numcombinazioni(n, k);
    std::array<int, MAXK> c{};
    for (int i = 0; i < k; ++i)
        c[i] = i;
    for (int64_t fatte = 0;; ++fatte) {
        if (a.avanza(static_cast<int>(fatte * 100 / totale))) break;
        aggiungi(sistema, r, c.data(), k);
        int i = k - 1;
        while (i >= 0 && c[i] == n - k + i)
            --i;
        if (i < 0) break;
        ++c[i];
        for (int j = i + 1; j < k; ++j)
            c[j] = c[j - 1] + 1;
    }
    return sistema;
}

// The greedy covering, pass by pass from lines of k numbers down to lines of s. A prefix
// that already holds a covered s-subset is not extended: no line through it could be
// taken. Once a line is taken every s-subset of its prefixes is covered, so the prefixes of
// s or more positions are left at once.
class Ortogonale {
  public:
    Ortogonale(const Richiestasistema& r, Avanzamento& a)
        : r(r), a(a), n(static_cast<int>(r.numeri.size())), s(r.sorte) {
        size_t celle = 1;
        for (int i = 0; i < s; ++i)
            celle *= static_cast<size_t>(n);
        coperti.assign(celle, 0);
    }

    Sistema genera() {
        const int passi = r.k - s + 1;
        for (passo = 0; passo < passi && !fermo; ++passo) {
            m = r.k - passo;
            visita(0, 0);
        }
        return std::move(sistema);
    }

  private:
    size_t cella(int p, int q) const { return static_cast<size_t>(p) * n + q; }
    size_t cella(int p, int q, int t) const { return cella(p, q) * n + t; }

    bool coperto(int j, int c) const {
        if (s == 1) return coperti[c] != 0;
        for (int i = 0; i < j; ++i) {
            if (s == 2) {
                if (coperti[cella(pos[i], c)]) return true;
                continue;
            }
            for (int l = i + 1; l < j; ++l)
                if (coperti[cella(pos[i], pos[l], c)]) return true;
        }
        return false;
    }

    void prendi() {
        aggiungi(sistema, r, pos.data(), m);
        for (int i = 0; i < m; ++i) {
            if (s == 1) coperti[pos[i]] = 1;
            for (int j = i + 1; j < m && s > 1; ++j) {
                if (s == 2) coperti[cella(pos[i], pos[j])] = 1;
                for (int l = j + 1; l < m && s == 3; ++l)
                    coperti[cella(pos[i], pos[j], pos[l])] = 1;
            }
        }
    }

    // Extends a prefix of j positions; true when a line was taken below it.
    bool visita(int j, int da) {
        bool preso = false;
        for (int c = da; c <= n - (m - j); ++c) {
            if (j == 0) {
                const int passi = r.k - s + 1;
                fermo = a.avanza((passo * 100 + c * 100 / (n - m + 1)) / passi);
            } else {
                fermo = a.interrotto();
            }
            if (fermo) return preso;
            if (coperto(j, c)) continue;
            pos[j] = c;
            bool sotto = true;
            if (j + 1 == m)
                prendi();
            else
                sotto = visita(j + 1, c + 1);
            if (!sotto) continue;
            preso = true;
            if (j >= s) return true;
        }
        return preso;
    }

    const Richiestasistema& r;
    Avanzamento& a;
    const int n, s;
    int m = 0, passo = 0;
    bool fermo = false;
    std::array<int, MAXK> pos{};
    std::vector<uint8_t> coperti; // by positions, s of them
    Sistema sistema;
};

} // namespace

Letturasistema leggisistema(const std::string& testo, int k, int sorte, Tiposistema tipo) {
    Letturasistema l;
    l.richiesta = {{}, k, sorte, tipo};
    l.errore = leggicampi(testo, l.richiesta.numeri);
    if (l.errore != Erroresistema::nessuno) return l;
    l.dimensione = numcombinazioni(static_cast<int>(l.richiesta.numeri.size()), k);
    if (tipo == Tiposistema::ortogonale) {
        // Each line holds an s-subset no other line holds, so an orthogonal system never
        // has more lines than C(90, 3) = 117,480: it always fits.
        if (k < sorte) l.errore = Erroresistema::eccede;
    } else if (l.dimensione > MAXBOLLETTE) {
        l.errore = Erroresistema::troppogrande;
    }
    return l;
}

Sistema generasistema(const Richiestasistema& r, Avanzamento& a) {
    if (r.tipo == Tiposistema::integrale) return integrale(r, a);
    Ortogonale o(r, a);
    return o.genera();
}

std::string testoriga(std::span<const uint8_t> riga) {
    std::string t;
    for (uint8_t v : riga) {
        char due[4];
        std::snprintf(due, sizeof due, "%02u", unsigned(v));
        if (!t.empty()) t += '.';
        t += due;
    }
    return t;
}

} // namespace bolv
