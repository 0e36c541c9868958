#include "testo.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace bolv {

namespace {

// Abbreviated weekday names of the Italian calendar, Sunday first.
const char* const GIORNIBREVI[] = {"dom", "lun", "mar", "mer", "gio", "ven", "sab"};

std::string cifre(int valore, int larghezza) {
    char testo[16];
    std::snprintf(testo, sizeof testo, "%0*d", larghezza, valore);
    return testo;
}

// The length of the run of c starting at i.
size_t corsa(const std::string& s, size_t i, char c) {
    size_t j = i;
    while (j < s.size() && s[j] == c)
        ++j;
    return j - i;
}

} // namespace

std::string Str(long valore) {
    return (valore < 0 ? "" : " ") + std::to_string(valore);
}

Numeroiniziale numeroiniziale(std::string_view testo) {
    const auto cifra = [&](size_t i) {
        return i < testo.size() && std::isdigit(static_cast<unsigned char>(testo[i]));
    };
    size_t i = 0;
    while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\t'))
        ++i;
    Numeroiniziale n;
    if (i < testo.size() && (testo[i] == '+' || testo[i] == '-')) n.negativo = testo[i++] == '-';
    const size_t inizio = i;
    bool cifre = false;
    while (cifra(i))
        ++i, cifre = true;
    size_t punto = i;
    if (i < testo.size() && testo[i] == '.') {
        ++i;
        while (cifra(i))
            ++i, cifre = true;
    }
    if (!cifre) return {};
    n.cifre = testo.substr(inizio, i - inizio);
    n.punto = punto - inizio;
    return n;
}

double Val(const std::string& testo) {
    const Numeroiniziale n = numeroiniziale(testo);
    if (n.cifre.empty()) return 0;
    // from_chars ignores the C locale, which the Qt program sets from the user's.
    const char* primo = n.cifre.data();
    const char* ultimo = primo + n.cifre.size();
    double valore = 0;
    const auto errore = std::from_chars(primo, ultimo, valore).ec;
    if (errore == std::errc::result_out_of_range) {
        // from_chars leaves valore at 0 then. Beyond the largest double a number
        // must still compare as the huge number it is; below the smallest one
        // it is as good as 0.
        const char* significativa =
            std::find_if(primo, ultimo, [](char c) { return c >= '1' && c <= '9'; });
        valore = significativa < primo + n.punto ? HUGE_VAL : 0.0;
    }
    return n.negativo ? -valore : valore;
}

std::string formatodata(const Data& d, const std::string& schema) {
    std::string risultato;
    for (size_t i = 0; i < schema.size();) {
        const char c = schema[i];
        const size_t n = (c == 'd' || c == 'm' || c == 'y') ? corsa(schema, i, c) : 1;
        if (c == 'd' && n >= 3)
            risultato += GIORNIBREVI[d.giornosettimana() - 1];
        else if (c == 'd')
            risultato += cifre(d.giorno, static_cast<int>(n));
        else if (c == 'm')
            risultato += cifre(d.mese, static_cast<int>(n));
        else if (c == 'y' && n >= 4)
            risultato += cifre(d.anno, 4);
        else if (c == 'y')
            risultato += cifre(d.anno % 100, 2);
        else
            risultato += c;
        i += n;
    }
    return risultato;
}

} // namespace bolv
