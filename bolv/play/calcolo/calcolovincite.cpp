#include "calcolovincite.h"

#include "combinatoria.h"
#include "testo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

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

// v when it fits in 64 bits.
std::optional<int64_t> in64bit(__int128 v) {
    if (v > INT64_MAX || v < INT64_MIN) return std::nullopt;
    return static_cast<int64_t>(v);
}

// n / d (d > 0) rounded to the nearest whole number, a half going to the even neighbour.
__int128 arrotondata(__int128 n, __int128 d) {
    const __int128 m = n < 0 ? -n : n;
    __int128 q = m / d;
    const __int128 r = m % d;
    if (2 * r > d || (2 * r == d && q % 2 != 0)) ++q;
    return n < 0 ? -q : q;
}

// The number a stake's text begins with in whole lire, a half going to the even
// neighbour, taken from the digits themselves so that no digit of a long stake is lost.
std::optional<int64_t> importo(const std::string& testo) {
    const Numeroiniziale n = numeroiniziale(testo);
    __int128 lire = 0;
    for (const char c : n.cifre.substr(0, n.punto)) {
        lire = lire * 10 + (c - '0');
        if (lire > INT64_MAX) return std::nullopt;
    }
    const std::string_view decimali = n.cifre.substr(std::min(n.punto + 1, n.cifre.size()));
    if (!decimali.empty()) {
        const bool oltremeta = decimali.find_first_not_of('0', 1) != std::string_view::npos;
        const char prima = decimali[0];
        if (prima > '5' || (prima == '5' && (oltremeta || lire % 2 != 0))) ++lire;
    }
    return in64bit(n.negativo ? -lire : lire);
}

// payout x stake x combinations on the payout's exact binary value, to the
// nearest lira; nullopt beyond 64 bits or for a payout that is no number.
std::optional<int64_t> vincita(float pagamento, int64_t posta, int64_t conta) {
    if (!std::isfinite(pagamento)) return std::nullopt;
    int esponente = 0;
    const float frazione = std::frexp(pagamento, &esponente);
    // pagamento = mantissa x 2^scala, the mantissa a whole number of 24 bits.
    const auto mantissa = static_cast<int32_t>(std::ldexp(frazione, 24));
    const int scala = esponente - 24;
    const __int128 prodotto = __int128{mantissa} * posta * conta; // below 2^95
    if (scala < 0)
        // Scaled down by more than 2^100, the product is less than half a lira.
        return -scala > 100 ? 0 : in64bit(arrotondata(prodotto, __int128{1} << -scala));
    if (prodotto == 0) return 0;
    if (scala > 62 || (prodotto < 0 ? -prodotto : prodotto) > (INT64_MAX >> scala))
        return std::nullopt;
    return static_cast<int64_t>(prodotto << scala);
}

} // namespace

std::string Strsingolo(float valore) {
    char t[32];
    // to_chars writes "." whatever the C locale, which the Qt program sets from the user's.
    char* fine =
        std::to_chars(t, t + sizeof t, static_cast<double>(valore), std::chars_format::general, 7)
            .ptr;
    std::string s(t, fine);
    // Capitals as the "%G" conversion writes them: "1.5E+07" beyond 7 digits, "INF". The zero
    // before the point is dropped.
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
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
    __int128 totale = 0;
    for (int i = 0; i < giocabili(giocati); ++i) {
        const auto v = importo(puntate[i]);
        if (!v) return std::nullopt;
        totale += *v;
    }
    return in64bit(totale);
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
    const auto totale = totalepuntate(puntate, giocati);
    if (!totale) return rifiuto(TROPPOGRANDI);
    if (*totale == 0) return rifiuto(SENZAPUNTATE);
    if (*totale % 1000 != 0) return rifiuto(NONMILLE);
    for (int64_t posta : poste)
        if (posta % 10 != 0) return rifiuto(NONDIECI);
    __int128 lorda = 0;
    for (int i = 0; i < 5; ++i) {
        const int k = i + 1;
        const int64_t conta = k > giocati ? 0 : k > sortiti ? 0 : numcombinazioni(sortiti, k);
        c.combinazioni[i] = k > giocati ? "---" : Str(static_cast<long>(conta));
        if (k > giocati) continue;
        const auto v = vincita(vincitaunitaria(tabella, k, giocati), poste[i], conta);
        if (!v) return rifiuto(TROPPOGRANDI);
        c.vincite[i] = *v;
        lorda += *v;
    }
    const __int128 netta = arrotondata(lorda * PAGATOPERCENTO, 100); // exactly
    const auto l = in64bit(lorda);
    const auto r = in64bit(netta - *totale);
    if (!l || !r) return rifiuto(TROPPOGRANDI);
    c.lorda = *l;
    c.netta = static_cast<int64_t>(netta); // no larger than lorda
    c.risultato = *r;
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
