// The archive reader on any file: whatever it accepts, it holds exactly (the
// file written back from memory is the file read, but for the position-0 plane
// that is never stored), in every weekday mode, and the recomputation runs on it.
#include "archivio.h"
#include "cartellafuzz.h"
#include "elabora.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    bolv::Stato& s = fuzz::stato();
    fuzz::metti("archivio.dat", dati, quanti);
    s.modoestrazioni = 0;
    if (!bolv::elabora(s)) return 0;
    std::vector<uint8_t> atteso(dati, dati + quanti);
    std::fill_n(atteso.begin(), bolv::indicearchivio(1, 0, 1), uint8_t{0});
    if (bolv::immaginearchivio(s) != atteso) fuzz::violata("the archive held is the file read");
    for (int modo : {1, 2}) {
        s.modoestrazioni = modo;
        if (!bolv::leggiarchivio(s)) fuzz::violata("an accepted archive reads in every mode");
    }
    return 0;
}
