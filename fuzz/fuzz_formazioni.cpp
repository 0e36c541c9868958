// The formation-table reader on any file: it takes exactly the 31,878 values of
// the file, low byte first, and nothing of a file of another size.
#include "cartellafuzz.h"
#include "datifile.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    bolv::Stato& s = fuzz::stato();
    std::fill(s.tabformazioni.begin(), s.tabformazioni.end(), int16_t{-7});
    fuzz::metti("tab.dat", dati, quanti);
    const bool letto = bolv::leggiformazioni(s);
    if (letto != (quanti == bolv::DIMFORMAZIONI)) fuzz::violata("only a file of 63,756 bytes");
    if (s.tabformazioni.size() != bolv::NUMFORMAZIONI) fuzz::violata("the table keeps its size");
    for (size_t i = 0; i < s.tabformazioni.size(); ++i) {
        const auto atteso = letto ? static_cast<int16_t>(dati[2 * i] | (dati[2 * i + 1] << 8)) : -7;
        if (s.tabformazioni[i] != atteso) fuzz::violata("each value is its two bytes");
    }
    return 0;
}
