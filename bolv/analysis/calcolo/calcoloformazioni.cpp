#include "calcoloformazioni.h"

#include "tabelle.h"

#include <algorithm>

namespace bolv {

namespace {

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
        for (int w = 1; w <= RUOTATUTTE; ++w)
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
