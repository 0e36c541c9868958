#include "formazioni.h"

namespace bolv {

namespace {

int16_t valore(const std::vector<int16_t>& t, int g, int f, int m, int r) {
    return t[indiceformazione(g, f, m, r)];
}

int quanteformazioni(const std::vector<int16_t>& t, int g, int f) {
    return valore(t, g, f, 0, 0);
}
int quantimembri(const std::vector<int16_t>& t, int g, int f) {
    return valore(t, g, f, 0, 1);
}

bool formazionevalida(const std::vector<int16_t>& t, int g, int f, int r, int k) {
    bool visto[91] = {};
    for (int m = 1; m <= k; ++m) {
        const int n = valore(t, g, f, m, r);
        if (n < 1 || n > 90 || visto[n]) return false;
        visto[n] = true;
    }
    return true;
}

bool famigliavalida(const std::vector<int16_t>& t, int g, int f) {
    const int n = quanteformazioni(t, g, f);
    if (n == 0) return true;
    const int k = quantimembri(t, g, f);
    if (n < 0 || n > MAXFORMAZIONI || k < 1 || k > MAXMEMBRI) return false;
    for (int r = 1; r <= n; ++r)
        if (!formazionevalida(t, g, f, r, k)) return false;
    return true;
}

bool tabellacompleta(const std::vector<int16_t>& t) {
    return t.size() == static_cast<size_t>(NUMFORMAZIONI);
}

} // namespace

int validaformazioni(std::vector<int16_t>& tabella) {
    if (!tabellacompleta(tabella)) return 0;
    int svuotate = 0;
    for (int g = 1; g <= GRUPPIFORMAZIONI; ++g)
        for (int f = 1; f <= FAMIGLIEFORMAZIONI; ++f)
            if (!famigliavalida(tabella, g, f)) {
                tabella[indiceformazione(g, f, 0, 0)] = 0;
                ++svuotate;
            }
    return svuotate;
}

std::vector<std::vector<int>> famiglia(const std::vector<int16_t>& tabella, int g, int f) {
    std::vector<std::vector<int>> formazioni;
    if (!tabellacompleta(tabella) || g < 1 || g > GRUPPIFORMAZIONI || f < 1 ||
        f > FAMIGLIEFORMAZIONI || !famigliavalida(tabella, g, f))
        return formazioni;
    const int n = quanteformazioni(tabella, g, f), k = quantimembri(tabella, g, f);
    for (int r = 1; r <= n; ++r) {
        std::vector<int> numeri;
        for (int m = 1; m <= k; ++m)
            numeri.push_back(valore(tabella, g, f, m, r));
        formazioni.push_back(std::move(numeri));
    }
    return formazioni;
}

} // namespace bolv
