#include "CalcoliCruciverbaEsporta.h"

#include <array>
#include <fstream>
#include <string>
#include <system_error>

namespace cruciverba {

namespace {

// Six 16-bit words; number x (1..90) is bit (x - 1) mod 15 of word (x - 1) div 15, so bit 15 of
// every word stays clear. Empty cells (0) set nothing.
using Maschera = std::array<uint16_t, 6>;

void Segna(Maschera& maschera, int32_t x) {
    if (x < 1 || x > 90) return;
    maschera[(x - 1) / 15] |= static_cast<uint16_t>(1u << ((x - 1) % 15));
}

void Accoda16(std::vector<uint8_t>& byte, uint16_t valore) {
    byte.push_back(static_cast<uint8_t>(valore & 0xFF));
    byte.push_back(static_cast<uint8_t>(valore >> 8));
}

void Accoda32(std::vector<uint8_t>& byte, int32_t valore) {
    const auto u = static_cast<uint32_t>(valore);
    for (int i = 0; i < 4; ++i)
        byte.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

void AccodaMaschera(std::vector<uint8_t>& byte, const Maschera& maschera) {
    for (uint16_t parola : maschera)
        Accoda16(byte, parola);
}

// A free name beside the target for the file being written.
std::filesystem::path NomeProvvisorio(const std::filesystem::path& percorso) {
    for (int i = 0;; ++i) {
        std::filesystem::path candidato = percorso;
        candidato += ".tmp" + std::to_string(i);
        std::error_code errore;
        if (!std::filesystem::exists(candidato, errore)) return candidato;
    }
}

} // namespace

std::vector<uint8_t> ImmagineColonne(const Griglia& griglia, int righe, int colonne) {
    std::vector<uint8_t> byte;
    byte.reserve(static_cast<size_t>(12 * (righe + colonne) + 6));
    int32_t combinazioni = 0;
    // One record: the mask of the lunghezza cells cella(1..lunghezza), played as all its
    // 6-number combinations.
    auto record = [&](int lunghezza, auto cella) {
        Maschera maschera{};
        for (int i = 1; i <= lunghezza; ++i)
            Segna(maschera, cella(i));
        AccodaMaschera(byte, maschera);
        combinazioni += NumeroCombinazioni(static_cast<uint8_t>(lunghezza), 6);
    };
    for (int r = 1; r <= righe; ++r)
        record(colonne, [&](int c) { return griglia(r, c); });
    for (int c = 1; c <= colonne; ++c)
        record(righe, [&](int r) { return griglia(r, c); });
    Accoda32(byte, combinazioni);
    Accoda16(byte, (righe > 6 || colonne > 6) ? 6 + 16 : 6);
    return byte;
}

bool EsportaColonne(const std::filesystem::path& percorso, const Griglia& griglia, int righe,
                    int colonne) {
    const std::vector<uint8_t> byte = ImmagineColonne(griglia, righe, colonne);
    const std::filesystem::path provvisorio = NomeProvvisorio(percorso);
    bool scritto = false;
    {
        std::ofstream file(provvisorio, std::ios::binary | std::ios::trunc);
        if (file) {
            file.write(reinterpret_cast<const char*>(byte.data()),
                       static_cast<std::streamsize>(byte.size()));
            file.close();
            scritto = !file.fail();
        }
    }
    std::error_code errore;
    if (scritto) {
        std::filesystem::rename(provvisorio, percorso, errore);
        if (!errore) return true;
    }
    std::filesystem::remove(provvisorio, errore);
    return false;
}

} // namespace cruciverba
