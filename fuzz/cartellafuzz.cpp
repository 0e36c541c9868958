#include "cartellafuzz.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fuzz {

namespace {
void rimuovi() {
    std::error_code errore;
    std::filesystem::remove_all(cartella(), errore);
}
} // namespace

const std::string& cartella() {
    // Never destroyed: the exit handler that removes the folder still needs its name.
    static const std::string* percorso = [] {
        auto* modello =
            new std::string((std::filesystem::temp_directory_path() / "bolvfuzz-XXXXXX").string());
        if (!::mkdtemp(modello->data())) violata("a scratch folder");
        std::atexit(rimuovi);
        return modello;
    }();
    return *percorso;
}

void metti(const std::string& nome, const uint8_t* dati, size_t quanti) {
    std::ofstream f(cartella() + "/" + nome, std::ios::binary | std::ios::trunc);
    if (quanti > 0)
        f.write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(quanti));
    if (!f) violata("writing the input");
}

bolv::Stato& stato() {
    static bolv::Stato* s = [] {
        auto* nuovo = new bolv::Stato;
        nuovo->cartellaprogramma = cartella();
        return nuovo;
    }();
    return *s;
}

void violata(const char* proprieta) {
    std::fprintf(stderr, "property broken: %s\n", proprieta);
    std::abort();
}

} // namespace fuzz
