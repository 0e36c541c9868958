// Builds the data files shipped beside Bolv from the project's text sources:
//   generadati <estrazioni-lotto.txt> <formazioni.tsv> <output folder>
// writes archivio.dat, vincite.dat, tab.dat and bolv.cfg in their binary layouts.
#include "stato.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace bolv;

namespace {

const std::array<std::string, 10> codiciruote = {"BA", "CA", "FI", "GE", "MI",
                                                 "NA", "PA", "RM", "TO", "VE"};

[[noreturn]] void fallisci(const std::string& messaggio) {
    std::cerr << "generadati: " << messaggio << '\n';
    std::exit(1);
}

void scrivi(const std::string& path, const std::vector<uint8_t>& dati) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
    if (!f) fallisci("cannot write " + path);
}

void metti16(std::vector<uint8_t>& dati, size_t indice, int valore) {
    dati[2 * indice] = static_cast<uint8_t>(valore & 0xff);
    dati[2 * indice + 1] = static_cast<uint8_t>((valore >> 8) & 0xff);
}

std::vector<uint8_t> archivio(const std::string& sorgente) {
    std::ifstream f(sorgente);
    if (!f) fallisci("cannot read " + sorgente);
    std::vector<uint8_t> img(DIMARCHIVIO, 0);
    std::string riga, dataprec;
    int slot = 0;
    while (std::getline(f, riga)) {
        if (riga.empty()) continue;
        std::istringstream campi(riga);
        std::string data, codice;
        std::array<int, 5> numeri{};
        campi >> data >> codice;
        for (int& n : numeri)
            campi >> n;
        if (!campi) fallisci("bad line: " + riga);
        int anno = 0, mese = 0, giorno = 0;
        if (std::sscanf(data.c_str(), "%d/%d/%d", &anno, &mese, &giorno) != 3)
            fallisci("bad date: " + riga);
        if (data != dataprec) {
            if (++slot >= NUMSLOT) fallisci("more draws than the archive holds");
            dataprec = data;
            img[indicearchivio(slot, 0, 1)] = static_cast<uint8_t>(giorno);
            img[indicearchivio(slot, 0, 2)] = static_cast<uint8_t>(mese);
            img[indicearchivio(slot, 0, 3)] = static_cast<uint8_t>(anno % 100);
            img[indicearchivio(slot, 0, 4)] = static_cast<uint8_t>(anno / 100);
        }
        int ruota = 0;
        while (ruota < 10 && codiciruote[ruota] != codice)
            ++ruota;
        if (ruota == 10) fallisci("unknown wheel: " + riga);
        for (int p = 1; p <= 5; ++p) {
            if (numeri[p - 1] < 1 || numeri[p - 1] > 90) fallisci("bad number: " + riga);
            img[indicearchivio(slot, ruota + 1, p)] = static_cast<uint8_t>(numeri[p - 1]);
        }
    }
    return img;
}

// The win for a stake of 1 on one wheel: the base multiplier of sorte k shared
// among the k-combinations of the n numbers played.
std::vector<uint8_t> vincite() {
    const std::array<double, 5> moltiplicatori = {11.23, 250, 4500, 120000, 6000000};
    std::vector<uint8_t> dati(DIMVINCITE, 0);
    for (int n = 1; n <= 10; ++n) {
        for (int k = 1; k <= 5; ++k) {
            double combinazioni = 1;
            for (int i = 0; i < k; ++i)
                combinazioni = combinazioni * (n - i) / (i + 1);
            float valore = n < k ? 0.0f : static_cast<float>(moltiplicatori[k - 1] / combinazioni);
            uint32_t bit;
            std::memcpy(&bit, &valore, 4);
            size_t indice = static_cast<size_t>((k - 1) + 5 * (n - 1));
            for (int b = 0; b < 4; ++b)
                dati[4 * indice + b] = static_cast<uint8_t>(bit >> (8 * b));
        }
    }
    return dati;
}

std::vector<uint8_t> formazioni(const std::string& sorgente) {
    std::ifstream f(sorgente);
    if (!f) fallisci("cannot read " + sorgente);
    std::vector<uint8_t> dati(DIMFORMAZIONI, 0);
    std::map<std::pair<int, int>, int> conteggi;
    std::string riga;
    while (std::getline(f, riga)) {
        if (riga.empty()) continue;
        std::istringstream campi(riga);
        int g = 0, fam = 0, r = 0;
        std::string membri;
        campi >> g >> fam >> r >> membri;
        if (!campi || g < 1 || g > 6 || fam < 1 || fam > 8 || r < 1 || r > 45)
            fallisci("bad formation: " + riga);
        std::istringstream elenco(membri);
        std::string numero;
        int m = 0;
        while (std::getline(elenco, numero, '.')) {
            if (++m > 10) fallisci("too many members: " + riga);
            metti16(dati, indiceformazione(g, fam, m, r), std::stoi(numero));
        }
        int& n = conteggi[{g, fam}];
        n = std::max(n, r);
        metti16(dati, indiceformazione(g, fam, 0, 0), n);
        metti16(dati, indiceformazione(g, fam, 0, 1), m);
    }
    return dati;
}

std::vector<uint8_t> configurazione() {
    std::array<int, NUMCONFIG> slot{};
    slot[1] = 1; // background picture
    slot[2] = 0; // no welcome message
    slot[3] = 0; // analysis from the start of the archive
    slot[4] = 1; // icon animation
    slot[5] = 0; // output to the printer
    slot[8] = 1; // standard toolbar
    slot[9] = 1; // functions toolbar
    for (int w = 1; w <= 10; ++w)
        slot[10 + w] = 1; // default wheels
    slot[21] = 3;         // font size 8
    std::vector<uint8_t> dati(DIMCONFIG, 0);
    for (size_t i = 0; i < slot.size(); ++i)
        metti16(dati, i, slot[i]);
    return dati;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) fallisci("usage: generadati <draws.txt> <formations.tsv> <output folder>");
    const std::string uscita = argv[3];
    scrivi(uscita + "/archivio.dat", archivio(argv[1]));
    scrivi(uscita + "/vincite.dat", vincite());
    scrivi(uscita + "/tab.dat", formazioni(argv[2]));
    scrivi(uscita + "/bolv.cfg", configurazione());
    return 0;
}
