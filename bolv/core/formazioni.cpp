#include "formazioni.h"

#include "tabelle.h"

#include <algorithm>

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

void sommaambata(const Stato& s, const std::vector<int>& numeri, int w, Valoriformazione& v) {
    for (int x : numeri) {
        v.presenze += s.presenzenumeri[indicenumero(x, w)];
        v.ritardo = std::min(v.ritardo, static_cast<int>(s.ritardinumeri[indicenumero(x, w)]));
    }
}

void sommaambo(const Stato& s, const std::vector<int>& numeri, int w, Valoriformazione& v) {
    const auto ambi = tabellaambi(s);
    if (!ambi) return;
    const size_t k = numeri.size();
    for (size_t i = 0; i < k; ++i)
        for (size_t j = i + 1; j < k; ++j) {
            v.presenze += ambi->presenze(w, numeri[i], numeri[j]);
            v.ritardo = std::min(v.ritardo, ambi->ritardo(w, numeri[i], numeri[j]));
        }
}

void sommaterno(const Stato& s, const std::vector<int>& numeri, int w, Valoriformazione& v) {
    const auto terni = tabellaterni(s);
    if (!terni) return;
    const size_t k = numeri.size();
    for (size_t i = 0; i < k; ++i)
        for (size_t j = i + 1; j < k; ++j)
            for (size_t l = j + 1; l < k; ++l) {
                const int a = numeri[i], b = numeri[j], c = numeri[l];
                v.presenze += terni->presenze(w, a, b, c);
                v.ritardo = std::min(v.ritardo, terni->ritardo(w, a, b, c));
            }
}

// The value an order ranks by; no presences rank as a ratio of 0.
double valoreordine(const Valoriformazione& v, Ordine ordine) {
    switch (ordine) {
    case Ordine::ritardo:
        return v.ritardo;
    case Ordine::presenze:
        return v.presenze;
    case Ordine::rapporto:
        return v.rapporto.value_or(0.0f);
    case Ordine::formazione:
        break;
    }
    return 0;
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

Valoriformazione valoriformazione(const Stato& s, const std::vector<int>& numeri, Sorte sorte,
                                  int w) {
    Valoriformazione v;
    switch (sorte) {
    case Sorte::ambata:
        sommaambata(s, numeri, w, v);
        break;
    case Sorte::ambo:
        sommaambo(s, numeri, w, v);
        break;
    case Sorte::terno:
        sommaterno(s, numeri, w, v);
        break;
    }
    v.maiuscita = v.ritardo == s.ultimaestrazione - s.primaestrazione + 1;
    if (v.presenze > 0) v.rapporto = static_cast<float>(v.ritardo) / static_cast<float>(v.presenze);
    return v;
}

Tabellaformazioni compilaformazioni(const Stato& s, int g, int f, Sorte sorte) {
    Tabellaformazioni t;
    t.formazioni = famiglia(s.tabformazioni, g, f);
    for (const auto& numeri : t.formazioni) {
        auto& riga = t.valori.emplace_back();
        for (int w = 1; w <= 11; ++w)
            riga[w - 1] = valoriformazione(s, numeri, sorte, w);
    }
    return t;
}

std::vector<int> ordineformazioni(const Tabellaformazioni& t, int w, Ordine ordine) {
    std::vector<int> righe(t.formazioni.size());
    for (size_t r = 0; r < righe.size(); ++r)
        righe[r] = static_cast<int>(r);
    if (ordine == Ordine::formazione) {
        std::stable_sort(righe.begin(), righe.end(),
                         [&](int a, int b) { return t.formazioni[a] < t.formazioni[b]; });
    } else {
        std::stable_sort(righe.begin(), righe.end(), [&](int a, int b) {
            return valoreordine(t.valori[a][w - 1], ordine) >
                   valoreordine(t.valori[b][w - 1], ordine);
        });
    }
    return righe;
}

int ruotamassima(const Tabellaformazioni& t, Ordine ordine) {
    if (ordine == Ordine::formazione) return 0;
    double massimo = 0;
    int ruota = 0;
    for (int w = 1; w <= 10; ++w)
        for (const auto& riga : t.valori) {
            const double v = valoreordine(riga[w - 1], ordine);
            if (v > massimo) {
                massimo = v;
                ruota = w;
            }
        }
    return ruota;
}

} // namespace bolv
