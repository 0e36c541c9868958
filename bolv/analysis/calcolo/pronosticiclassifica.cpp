#include "pronosticiclassifica.h"

#include "filesicuri.h"

#include <cstdio>

namespace bolv {

namespace {

std::string ruote(int ruota) {
    if (ruota != RUOTATUTTE) return CODICIRUOTE[ruota - 1];
    std::string tutte;
    for (const char* codice : CODICIRUOTE)
        tutte += (tutte.empty() ? "" : ".") + std::string(codice);
    return tutte;
}

std::string numeri(const std::vector<int>& gruppo) {
    std::string testo;
    for (int n : gruppo) {
        char cifre[4];
        std::snprintf(cifre, sizeof cifre, "%02d", n);
        testo += (testo.empty() ? "" : ".") + std::string(cifre);
    }
    return testo;
}

} // namespace

std::vector<Pronostico> pronosticiclassifica(const std::vector<Riga>& righe, int sorte) {
    std::vector<Pronostico> gruppo;
    for (const Riga& r : righe)
        if (r.pieno())
            gruppo.push_back(
                {ruote(r.ruota), numeri(r.numeri), std::string(1, CODICISORTI[sorte - 1])});
    return gruppo;
}

bool scrivisopra(const std::string& path, const std::vector<Pronostico>& gruppo) {
    return scriviinizio(path, codificagruppo(gruppo));
}

} // namespace bolv
