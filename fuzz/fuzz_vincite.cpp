// The payout-table reader on any file: it takes exactly the 50 values of the
// file, bit for bit, and nothing of a file of another size.
#include "cartellafuzz.h"
#include "datifile.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    bolv::Stato& s = fuzz::stato();
    s.tabellavincite.fill(-1);
    fuzz::metti("vincite.dat", dati, quanti);
    const bool letto = bolv::leggivincite(s);
    if (letto != (quanti == bolv::DIMVINCITE)) fuzz::violata("only a file of 200 bytes is read");
    for (size_t i = 0; i < s.tabellavincite.size(); ++i) {
        uint32_t bit;
        std::memcpy(&bit, &s.tabellavincite[i], 4);
        const uint32_t atteso = letto ? dati[4 * i] | (dati[4 * i + 1] << 8) |
                                            (dati[4 * i + 2] << 16) |
                                            (static_cast<uint32_t>(dati[4 * i + 3]) << 24)
                                      : 0xbf800000u; // -1.0f, left as it was
        if (bit != atteso) fuzz::violata("each value is its four bytes, low byte first");
    }
    return 0;
}
