// The forecast-group reader on any file: a group it accepts holds at most 100
// forecasts, each one the system writes, and written back it is the file's own
// first bytes, so bytes after the 300 records change nothing and reading the
// image again gives the same group; the image cut by one byte is refused. The
// file read from disk reads as its bytes and is left as it was. The forecast
// manager then checks each forecast read on the wheels and numbers its texts say.
#include "cartellafuzz.h"
#include "combinatoria.h"
#include "filepronostici.h"
#include "filesicuri.h"
#include "gestorepronostici.h"

#include <algorithm>
#include <cstdint>

namespace {

// A draw holding, on every wheel, the forecast's first five numbers: each wheel
// played then makes C(h, k) combinations of sorte k, h the numbers played up to five.
void verificato(const bolv::Pronostico& p) {
    bolv::Stato& s = fuzz::stato();
    s.numestrazioni = 1;
    const size_t numeri = (p.numeri.size() + 1) / 3;
    for (int w = 1; w <= 10; ++w)
        for (int k = 1; k <= 5; ++k) {
            const size_t i = 3 * static_cast<size_t>(k - 1);
            s.estr(1, w, k) = static_cast<int16_t>(
                i < p.numeri.size() ? (p.numeri[i] - '0') * 10 + (p.numeri[i + 1] - '0') : 0);
        }
    const bolv::Verificapronostico v = bolv::verificapronostico(s, 1, p);
    const int64_t ruote = static_cast<int64_t>(p.ruote.size() + 1) / 3;
    const int colpi = static_cast<int>(std::min<size_t>(numeri, 5));
    for (int k = 1; k <= 5; ++k) {
        if (v.giocata[k - 1] != (p.sorti.find(bolv::CODICISORTI[k - 1]) != std::string::npos))
            fuzz::violata("the sorti played are the letters of the text");
        if (v.combinazioni[k - 1] != ruote * bolv::numcombinazioni(colpi, k))
            fuzz::violata("a forecast read is checked on its own wheels and numbers");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    const std::vector<uint8_t> file(dati, dati + quanti);
    const std::string percorso = fuzz::cartella() + "/gruppo.pro";
    fuzz::metti("gruppo.pro", dati, quanti);
    const auto gruppo = bolv::decodificagruppo(file);
    if (bolv::leggigruppo(percorso) != gruppo) fuzz::violata("the file reads as its bytes");
    if (bolv::leggiinizio(percorso, SIZE_MAX) != file)
        fuzz::violata("reading leaves the file as it was");
    if (!gruppo) return 0;
    if (gruppo->size() > bolv::MAXPRONOSTICI) fuzz::violata("at most 100 forecasts");
    for (const auto& p : *gruppo)
        if (!bolv::pronosticovalido(p))
            fuzz::violata("every forecast read is one the system writes");
    const std::vector<uint8_t> immagine = bolv::codificagruppo(*gruppo);
    if (immagine.size() > file.size() || !std::equal(immagine.begin(), immagine.end(), dati))
        fuzz::violata("written back, the group is the file's first bytes");
    if (bolv::decodificagruppo(immagine) != gruppo) fuzz::violata("read again, the same group");
    const std::span<const uint8_t> tagliata(immagine.data(), immagine.size() - 1);
    if (bolv::decodificagruppo(tagliata))
        fuzz::violata("a file ending inside its records is refused");
    for (const auto& p : *gruppo)
        verificato(p);
    return 0;
}
