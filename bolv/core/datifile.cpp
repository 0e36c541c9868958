#include "datifile.h"

#include "filesicuri.h"
#include "formazioni.h"

#include <cstring>
#include <optional>
#include <string>

namespace bolv {

namespace {

std::optional<std::vector<uint8_t>> leggiesatto(const Stato& s, const char* nome, int dimensione) {
    return leggifile(s.percorso(nome), static_cast<size_t>(dimensione));
}

int16_t valore16(const std::vector<uint8_t>& dati, size_t i) {
    return static_cast<int16_t>(dati[2 * i] | (dati[2 * i + 1] << 8));
}

template <typename Tabella> void leggi16(const std::vector<uint8_t>& dati, Tabella& tabella) {
    for (size_t i = 0; i < tabella.size(); ++i)
        tabella[i] = valore16(dati, i);
}

} // namespace

bool leggiconfigurazione(Stato& s) {
    const auto dati = leggiesatto(s, "bolv.cfg", DIMCONFIG);
    if (!dati) return false;
    leggi16(*dati, s.configurazione);
    return true;
}

std::vector<uint8_t> immagineconfigurazione(const std::array<int16_t, NUMCONFIG>& c) {
    std::vector<uint8_t> dati(DIMCONFIG);
    for (size_t i = 0; i < c.size(); ++i) {
        const auto v = static_cast<uint16_t>(c[i]);
        dati[2 * i] = static_cast<uint8_t>(v & 0xff);
        dati[2 * i + 1] = static_cast<uint8_t>(v >> 8);
    }
    return dati;
}

bool leggivincite(Stato& s) {
    const auto dati = leggiesatto(s, "vincite.dat", DIMVINCITE);
    if (!dati) return false;
    for (size_t i = 0; i < s.tabellavincite.size(); ++i) {
        const uint8_t* b = dati->data() + 4 * i;
        const uint32_t bit =
            b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
        std::memcpy(&s.tabellavincite[i], &bit, 4);
    }
    return true;
}

bool leggiformazioni(Stato& s) {
    const auto dati = leggiesatto(s, "tab.dat", DIMFORMAZIONI);
    if (!dati) return false;
    s.tabformazioni.resize(NUMFORMAZIONI);
    leggi16(*dati, s.tabformazioni);
    validaformazioni(s.tabformazioni);
    return true;
}

} // namespace bolv
