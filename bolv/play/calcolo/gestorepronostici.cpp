#include "gestorepronostici.h"

#include "combinatoria.h"
#include "stato.h"
#include "testo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace bolv {

namespace {

const char* const NONVALIDI = "Sono stati introdotti dei numeri non validi.";
const char* const UGUALI = "Sono stati introdotti dei numeri uguali.";
const char* const TROPPI = "Un pronostico non puo' contenere piu' di 10 numeri.";
const char* const GRUPPOPIENO = "Il gruppo contiene gia' 100 pronostici.";
const char* const INSUFFICIENTI =
    "Il numero di numeri indicati non e' sufficiente per giocare per la sorte scelta.";
const char* const SENZASORTE = "Non e' stata specificata la sorte per il pronostico.";
const char* const SENZARUOTA = "Non e' stata specificata alcuna ruota per il pronostico.";

std::string dueCifre(int n) {
    char t[8];
    std::snprintf(t, sizeof t, "%02d", n);
    return t;
}

// The codes of the chosen entries joined by ".", in table order.
template <size_t N, class Codice>
std::string codici(const std::array<bool, N>& scelte, Codice codice) {
    std::string t;
    for (size_t i = 0; i < N; ++i)
        if (scelte[i]) t += (t.empty() ? "" : ".") + std::string(codice(i));
    return t;
}

// The two-character items of a forecast text: item j at character 3j.
std::vector<std::string> elementi(const std::string& t) {
    std::vector<std::string> v;
    for (size_t i = 0; i < t.size(); i += 3)
        v.push_back(t.substr(i, 2));
    return v;
}

} // namespace

Nuovopronostico componipronostico(const Sceltapronostico& scelta, size_t pronosticinelgruppo) {
    if (pronosticinelgruppo >= MAXPRONOSTICI) return {{}, GRUPPOPIENO};
    std::vector<int> numeri;
    for (const std::string& campo : dividistringa(scelta.numeri, ".")) {
        const double v = std::nearbyint(Val(campo)); // a half goes to the even neighbour
        if (!(v >= 1 && v <= 90)) return {{}, NONVALIDI};
        numeri.push_back(static_cast<int>(v));
    }
    std::vector<int> ordinati = numeri;
    std::sort(ordinati.begin(), ordinati.end());
    if (std::adjacent_find(ordinati.begin(), ordinati.end()) != ordinati.end()) return {{}, UGUALI};
    if (numeri.size() > MAXNUMERIPRONOSTICO) return {{}, TROPPI};
    for (size_t s = 0; s < 5; ++s)
        if (scelta.sorti[s] && s + 1 > numeri.size()) return {{}, INSUFFICIENTI};
    Pronostico p;
    p.sorti = codici(scelta.sorti, [](size_t i) { return std::string(1, CODICISORTI[i]); });
    if (p.sorti.empty()) return {{}, SENZASORTE};
    p.ruote = codici(scelta.ruote, [](size_t i) { return CODICIRUOTE[i]; });
    if (p.ruote.empty()) return {{}, SENZARUOTA};
    for (int n : numeri)
        p.numeri += (p.numeri.empty() ? "" : ".") + dueCifre(n);
    return {p, {}};
}

std::string Verificapronostico::testo(int sorte) const {
    return combinazioni[sorte] > 0 ? Str(static_cast<long>(combinazioni[sorte])) : std::string();
}

Verificapronostico verificapronostico(const Stato& s, int estrazione, const Pronostico& p) {
    Verificapronostico v;
    for (int k = 0; k < 5; ++k)
        v.giocata[k] = p.sorti.find(CODICISORTI[k]) != std::string::npos;
    if (estrazione < 1 || estrazione > s.numestrazioni) return v;
    std::vector<int> numeri;
    for (const std::string& e : elementi(p.numeri)) {
        const double n = Val(e);
        // Never 0: an undrawn wheel holds zeros.
        if (n >= 1 && n <= 90 && numeri.size() < MAXNUMERIPRONOSTICO)
            numeri.push_back(static_cast<int>(n));
    }
    const auto codicigiocati = elementi(p.ruote);
    for (int w = 1; w <= 10; ++w) {
        if (std::find(codicigiocati.begin(), codicigiocati.end(), CODICIRUOTE[w - 1]) ==
            codicigiocati.end())
            continue;
        int colpi = 0;
        for (int n : numeri)
            for (int pos = 1; pos <= 5; ++pos)
                colpi += s.estr(estrazione, w, pos) == n;
        for (int k = 1; k <= colpi && k <= 5; ++k)
            v.combinazioni[k - 1] += numcombinazioni(colpi, k);
    }
    return v;
}

} // namespace bolv
