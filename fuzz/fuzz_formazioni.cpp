// The formation-table reader on any file: it takes exactly the 31,878 values of
// the file, low byte first, and nothing of a file of another size; a family
// that does not fit the table is read as empty, and every family then read
// gives distinct numbers of 1..90.
#include "cartellafuzz.h"
#include "datifile.h"
#include "formazioni.h"

#include <algorithm>

namespace {

bool conteggio(size_t i) {
    // T(g, f, 0, 0) of the groups 1..6 and families 1..8.
    for (int g = 1; g <= bolv::GRUPPIFORMAZIONI; ++g)
        for (int f = 1; f <= bolv::FAMIGLIEFORMAZIONI; ++f)
            if (i == static_cast<size_t>(bolv::indiceformazione(g, f, 0, 0))) return true;
    return false;
}

void famigliesane(const std::vector<int16_t>& tabella) {
    for (int g = 1; g <= bolv::GRUPPIFORMAZIONI; ++g)
        for (int f = 1; f <= bolv::FAMIGLIEFORMAZIONI; ++f)
            for (const auto& numeri : bolv::famiglia(tabella, g, f)) {
                bool visto[91] = {};
                for (int n : numeri) {
                    if (n < 1 || n > 90 || visto[n]) fuzz::violata("distinct numbers of 1..90");
                    visto[n] = true;
                }
            }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    bolv::Stato& s = fuzz::stato();
    std::fill(s.tabformazioni.begin(), s.tabformazioni.end(), int16_t{-7});
    fuzz::metti("tab.dat", dati, quanti);
    const bool letto = bolv::leggiformazioni(s);
    if (letto != (quanti == bolv::DIMFORMAZIONI)) fuzz::violata("only a file of 63,756 bytes");
    if (s.tabformazioni.size() != bolv::NUMFORMAZIONI) fuzz::violata("the table keeps its size");
    for (size_t i = 0; i < s.tabformazioni.size(); ++i) {
        const auto atteso = letto ? static_cast<int16_t>(dati[2 * i] | (dati[2 * i + 1] << 8)) : -7;
        const bool svuotato = letto && conteggio(i) && s.tabformazioni[i] == 0;
        if (s.tabformazioni[i] != atteso && !svuotato)
            fuzz::violata("each value is its two bytes, or 0 for an emptied family");
    }
    if (letto) famigliesane(s.tabformazioni);
    return 0;
}
