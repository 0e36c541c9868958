// The backup restore on any chosen file: it replaces the archive only with a
// file that the archive reader then accepts, and otherwise leaves it as it was.
#include "archivio.h"
#include "cartellafuzz.h"
#include "copiearchivio.h"
#include "filesicuri.h"

namespace {
std::vector<uint8_t> archivio() {
    // One byte more than an archive holds, so that a file of another size never passes for it.
    return bolv::leggiinizio(fuzz::cartella() + "/archivio.dat", bolv::DIMARCHIVIO + 1)
        .value_or(std::vector<uint8_t>{});
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    bolv::Stato& s = fuzz::stato();
    static const std::vector<uint8_t> vuoto(bolv::DIMARCHIVIO, 0); // an archive of no draws
    if (archivio() != vuoto) fuzz::metti("archivio.dat", vuoto.data(), vuoto.size());
    fuzz::metti("backup.bolv", dati, quanti);
    const bool ripristinato = !bolv::ripristinadabackup(s, fuzz::cartella() + "/backup.bolv");
    const std::vector<uint8_t> dopo = archivio();
    if (!ripristinato && dopo != vuoto) fuzz::violata("a refused restore leaves the archive");
    if (ripristinato && dopo != std::vector<uint8_t>(dati, dati + quanti))
        fuzz::violata("a restore copies the file byte for byte");
    if (ripristinato && !bolv::leggiarchivio(s)) fuzz::violata("a restored archive can be read");
    return 0;
}
