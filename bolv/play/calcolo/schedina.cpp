#include "schedina.h"

#include "datifile.h"
#include "filesicuri.h"

#include <array>

namespace bolv {

namespace {

// Twips of the pages a slip printer may hold: A4 is the narrower, Letter the shorter.
constexpr int LARGHEZZAPAGINA = 11906;
constexpr int ALTEZZAPAGINA = 15840;
constexpr int PRIMACOLONNA = 240, ULTIMACOLONNA = 8820;
constexpr int PRIMARIGA = PASSORIGA, ULTIMARIGA = PASSORIGA * RIGHESCHEDINA;

void metti16(std::vector<uint8_t>& dati, int slot, int valore) {
    const auto v = static_cast<uint16_t>(static_cast<int16_t>(valore));
    dati[2 * slot] = static_cast<uint8_t>(v & 0xff);
    dati[2 * slot + 1] = static_cast<uint8_t>(v >> 8);
}

} // namespace

const Limitioffset LIMITIORIZZONTALE{RAGGIOSEGNO - PRIMACOLONNA,
                                     LARGHEZZAPAGINA - RAGGIOSEGNO - ULTIMACOLONNA};
const Limitioffset LIMITIVERTICALE{RAGGIOSEGNO - PRIMARIGA,
                                   ALTEZZAPAGINA - RAGGIOSEGNO - ULTIMARIGA};

Posizionestampa posizionecasella(Casella c) {
    const int i = c.indice;
    switch (c.gruppo) {
    case Gruppocaselle::numeri:
        return {i % 10 + 1, i / 10 + 1};
    case Gruppocaselle::ruote:
        return {11, i == 10 ? 13 : i + 1};
    case Gruppocaselle::sistemi:
        return {i + 1, 11};
    case Gruppocaselle::multiple:
        return {i + 1, 13};
    case Gruppocaselle::importi:
        return {11 + i % 20 + 1, i / 20 + 1};
    }
    return {1, 1};
}

int ascissa(int colonna) {
    // Columns 12..31 are four blocks of five stake columns, the blocks a little apart.
    static constexpr std::array<int, COLONNESCHEDINA - 11> importi = {
        4080, 4320, 4560, 4800, 5040, 5350, 5590, 5830, 6070, 6310,
        6620, 6860, 7100, 7340, 7580, 7860, 8100, 8340, 8580, 8820};
    if (colonna <= 10) return 240 * colonna;
    if (colonna == 11) return 3120;
    return importi[colonna - 12];
}

std::vector<Segno> segnischedina(const std::vector<Casella>& marcate, int orizzontale,
                                 int verticale) {
    const int h = LIMITIORIZZONTALE.limita(orizzontale);
    const int v = LIMITIVERTICALE.limita(verticale);
    std::array<std::array<bool, COLONNESCHEDINA + 1>, RIGHESCHEDINA + 1> griglia{};
    for (const Casella& c : marcate) {
        const Posizionestampa p = posizionecasella(c);
        griglia[p.riga][p.colonna] = true;
    }
    std::vector<Segno> segni;
    for (int r = 1; r <= RIGHESCHEDINA; ++r)
        for (int c = 1; c <= COLONNESCHEDINA; ++c)
            if (griglia[r][c]) segni.push_back({ascissa(c) + h, PASSORIGA * r + v});
    return segni;
}

bool salvaoffset(Stato& s, int orizzontale, int verticale) {
    const std::string percorso = s.percorso("bolv.cfg");
    std::vector<uint8_t> dati =
        leggifile(percorso, DIMCONFIG).value_or(immagineconfigurazione(s.configurazione));
    metti16(dati, SLOTORIZZONTALE, orizzontale);
    metti16(dati, SLOTVERTICALE, verticale);
    if (!scrivifilesicuro(percorso, dati)) return false;
    s.configurazione[SLOTORIZZONTALE] = static_cast<int16_t>(orizzontale);
    s.configurazione[SLOTVERTICALE] = static_cast<int16_t>(verticale);
    return true;
}

} // namespace bolv
