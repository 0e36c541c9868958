#include "calcolovincite.h"

#include "combinatoria.h"
#include "testo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bolv {

const char* const NOMISORTI[5] = {"Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"};
const char* const SORTIPLURALI[5] = {"Ambate", "Ambi", "Terni", "Quaterne", "Cinquine"};

namespace {

Calcolovincite rifiuto(const char* messaggio) {
    Calcolovincite c;
    c.messaggio = messaggio;
    return c;
}

const char* const SENZAPUNTATE = "Indicare le puntate.";
const char* const NONMILLE = "Il totale deve essere un multiplo di 1.000.";
const char* const NONDIECI = "Gli importi devono essere approssimati alle 10 lire.";
const char* const NEGATIVI = "Gli importi non possono essere negativi.";
const char* const TROPPOGRANDI = "Gli importi sono troppo grandi per il calcolo.";

int giocabili(int giocati) {
    return giocati < 5 ? giocati : 5;
}

// Characters, not bytes: a locale's digit grouping may be a character of several bytes.
size_t caratteri(const std::string& t) {
    return static_cast<size_t>(
        std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::optional<int64_t> importo(const std::string& testo) {
    const double v = std::nearbyint(Val(testo)); // a half goes to the even neighbour
    if (!(std::fabs(v) <= static_cast<double>(MASSIMOIMPORTO))) return std::nullopt;
    return static_cast<int64_t>(v);
}

} // namespace

std::string Strsingolo(float valore) {
    char t[32];
    std::snprintf(t, sizeof t, "%.7G", static_cast<double>(valore));
    std::string s = t;
    // Beyond 7 digits the exponent form ("1.5E+07"); the zero before the point is dropped.
    if (s.rfind("0.", 0) == 0)
        s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0)
        s.erase(1, 1);
    return (valore < 0 ? "" : " ") + s;
}

std::vector<Rigavincite> righevincite(const std::array<float, 50>& tabella) {
    std::vector<Rigavincite> righe;
    for (int n = 1; n <= 10; ++n)
        for (int k = 1; k <= 5; ++k)
            if (const int64_t c = numcombinazioni(n, k); c != 0)
                righe.push_back({n, c, k, vincitaunitaria(tabella, k, n)});
    return righe;
}

std::optional<int64_t> totalepuntate(const Puntate& puntate, int giocati) {
    int64_t totale = 0;
    for (int i = 0; i < giocabili(giocati); ++i) {
        const auto v = importo(puntate[i]);
        if (!v) return std::nullopt;
        totale += *v;
    }
    return totale;
}

Calcolovincite calcolavincite(const std::array<float, 50>& tabella, int giocati, int sortiti,
                              const Puntate& puntate) {
    Calcolovincite c;
    std::array<int64_t, 5> poste{};
    for (int i = 0; i < giocabili(giocati); ++i) {
        const auto v = importo(puntate[i]);
        if (!v) return rifiuto(TROPPOGRANDI);
        if (*v < 0) return rifiuto(NEGATIVI);
        poste[i] = *v;
    }
    const int64_t totale = *totalepuntate(puntate, giocati);
    if (totale == 0) return rifiuto(SENZAPUNTATE);
    if (totale % 1000 != 0) return rifiuto(NONMILLE);
    for (int64_t posta : poste)
        if (posta % 10 != 0) return rifiuto(NONDIECI);
    for (int i = 0; i < 5; ++i) {
        const int k = i + 1;
        const int64_t conta = k > giocati ? 0 : k > sortiti ? 0 : numcombinazioni(sortiti, k);
        c.combinazioni[i] = k > giocati ? "---" : Str(static_cast<long>(conta));
        if (k <= giocati)
            c.vincite[i] = static_cast<double>(vincitaunitaria(tabella, k, giocati)) *
                           static_cast<double>(poste[i]) * static_cast<double>(conta);
        if (!(c.vincite[i] <= static_cast<double>(MASSIMOIMPORTO))) return rifiuto(TROPPOGRANDI);
        c.lorda += static_cast<int64_t>(std::nearbyint(c.vincite[i]));
    }
    if (c.lorda > MASSIMOIMPORTO) return rifiuto(TROPPOGRANDI);
    c.netta = static_cast<double>(c.lorda) * 0.97;
    c.risultato = c.netta - static_cast<double>(totale);
    return c;
}

std::vector<Rigarapporto> rapportovincite(const Rapportovincite& r) {
    std::vector<Rigarapporto> righe = {
        {{0, "Bolv 3.2"}},
        {{0, std::string(21, '-')}},
        {{0, "Numeri giocati:  " + Str(r.giocati)}},
        {{0, "Numeri sortiti:  " + Str(r.sortiti)}},
        {},
        {{10, "Puntate"}, {20, "Comb. usc."}, {35, "Vincita"}},
    };
    for (int i = 0; i < 5; ++i)
        righe.push_back(
            {{0, NOMISORTI[i]}, {10, r.puntate[i]}, {20, r.combinazioni[i]}, {35, r.vincite[i]}});
    righe.push_back({{35, std::string(14, '-')}});
    righe.push_back({{20, "V. lorda:"}, {35, r.lorda}});
    righe.push_back({{20, "- 3 % :"}, {35, r.netta}});
    righe.push_back({{20, "- cap.inv.:"}, {35, r.risultato}});
    return righe;
}

std::vector<std::string> righetesto(const std::vector<Rigarapporto>& rapporto) {
    std::vector<std::string> righe;
    for (const Rigarapporto& r : rapporto) {
        std::string riga;
        for (const auto& [colonna, testo] : r) {
            const size_t usati = caratteri(riga);
            const size_t inizio = colonna < 1 ? usati : static_cast<size_t>(colonna - 1);
            if (usati > inizio) {
                righe.push_back(riga);
                riga.clear();
            }
            riga += std::string(inizio - caratteri(riga), ' ') + testo;
        }
        righe.push_back(riga);
    }
    return righe;
}

} // namespace bolv
