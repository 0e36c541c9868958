// "simul.dat" on any file. Only its first 264 bytes count: each kept maximum is
// the four bytes at its place, low byte first, a byte the file lacks reading 0,
// and a file is refused only when it holds a delay no run could have set. The
// load leaves the file as it was and the maxima the read ones, or all zero for a
// damaged file (the simulation window then says they start again from zero). A
// table saved over the file, as a run that sets a new maximum does, keeps the
// file's bytes beyond the first 264 and loads back as it was saved. The first load
// of a run finds no file: it creates one, empty, and reads all zero.
#include "cartellafuzz.h"
#include "filesicuri.h"
#include "simulazione.h"

#include <algorithm>
#include <cstdint>

namespace {

// The four bytes of maximum i, low byte first, 0 for bytes beyond the file.
int32_t valore(const std::vector<uint8_t>& file, size_t i) {
    uint32_t v = 0;
    for (size_t b = 0; b < 4; ++b)
        if (4 * i + b < file.size()) v |= static_cast<uint32_t>(file[4 * i + b]) << (8 * b);
    return static_cast<int32_t>(v);
}

// A delay a run could have set: never negative, and 0 where the sorte needs more
// numbers than are played (or there is no sorte).
bool possibile(const std::vector<uint8_t>& file) {
    for (int s = 0; s <= 5; ++s)
        for (int k = 0; k <= 10; ++k) {
            const int32_t v = valore(file, static_cast<size_t>(bolv::indicemassimo(k, s)));
            if (v < 0 || (v != 0 && (s < 1 || k < s))) return false;
        }
    return true;
}

std::string filesimul() {
    return fuzz::cartella() + "/simul.dat";
}

} // namespace

// Before the first input, in a folder just made.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bolv::Massimi massimi;
    massimi.fill(-5);
    if (bolv::caricamassimi(filesimul(), massimi) != bolv::Letturamassimi::letti ||
        massimi != bolv::Massimi{} ||
        bolv::leggiinizio(filesimul(), SIZE_MAX) != std::vector<uint8_t>{})
        fuzz::violata("a missing file is created empty and reads all zero");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    const std::vector<uint8_t> file(dati, dati + quanti);
    const std::vector<uint8_t> testa(dati, dati + std::min<size_t>(quanti, bolv::DIMSIMUL));
    const auto letti = bolv::decodificamassimi(file);
    if (bolv::decodificamassimi(testa) != letti) fuzz::violata("only the first 264 bytes count");
    if (letti.has_value() != possibile(file)) fuzz::violata("refused exactly when no run wrote it");
    if (letti)
        for (size_t i = 0; i < letti->size(); ++i)
            if ((*letti)[i] != valore(file, i)) fuzz::violata("each maximum is its four bytes");

    const std::string percorso = filesimul();
    fuzz::metti("simul.dat", dati, quanti);
    bolv::Massimi massimi;
    massimi.fill(-5);
    const bolv::Letturamassimi esito = bolv::caricamassimi(percorso, massimi);
    if (bolv::leggiinizio(percorso, SIZE_MAX) != file)
        fuzz::violata("loading leaves the file as it was");
    if (esito == bolv::Letturamassimi::noncreati)
        fuzz::violata("an existing file needs no creating");
    if ((esito == bolv::Letturamassimi::letti) != letti.has_value())
        fuzz::violata("the load refuses what the reader refuses");
    if (massimi != letti.value_or(bolv::Massimi{}))
        fuzz::violata("the maxima are those read, or all zero for a damaged file");

    // A run sets a new maximum for some count of numbers and sorte, then saves.
    const int sorte = 1 + static_cast<int>(quanti % 5);
    const int numeri = sorte + static_cast<int>(quanti % (11 - sorte));
    int32_t& massimo = massimi[bolv::indicemassimo(numeri, sorte)];
    massimo = std::max(massimo, 1 + static_cast<int32_t>(quanti % 1000));
    if (!bolv::salvamassimi(percorso, massimi)) fuzz::violata("the table can be saved");
    std::vector<uint8_t> atteso = bolv::immaginemassimi(massimi);
    if (file.size() > atteso.size())
        atteso.insert(atteso.end(), file.begin() + bolv::DIMSIMUL, file.end());
    if (bolv::leggiinizio(percorso, SIZE_MAX) != atteso)
        fuzz::violata("the table saved over the file keeps the rest");
    bolv::Massimi riletti;
    if (bolv::caricamassimi(percorso, riletti) != bolv::Letturamassimi::letti || riletti != massimi)
        fuzz::violata("a saved table loads back as saved");
    return 0;
}
