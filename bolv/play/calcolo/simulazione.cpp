#include "simulazione.h"

#include "combinatoria.h"
#include "filesicuri.h"
#include "testo.h"

#include <algorithm>
#include <filesystem>

namespace bolv {

Generatore::Generatore(uint64_t seme) : motore(seme) {}

double Generatore::valore() {
    // The top 53 bits as a fraction: the same values whatever the standard library.
    return static_cast<double>(motore() >> 11) * 0x1.0p-53;
}

Sorgentecasuale& generatoreprogramma() {
    static Generatore g;
    return g;
}

std::array<int, 5> Estrai(Sorgentecasuale& g) {
    std::array<int, 5> e{};
    for (int i = 0; i < 5; ++i) {
        int x;
        do {
            x = std::min(90, static_cast<int>(g.valore() * 90 + 1));
        } while (std::find(e.begin(), e.begin() + i, x) != e.begin() + i);
        e[i] = x;
    }
    return e;
}

Numerisimulati leggenumeri(const std::string& testo, int sorte) {
    const auto errore = [](Errorenumeri e) { return Numerisimulati{e, {}}; };
    if (!std::all_of(testo.begin(), testo.end(),
                     [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return errore(Errorenumeri::numeri);
    std::vector<double> valori;
    for (const std::string& campo : dividistringa(testo, "."))
        valori.push_back(Val(campo));
    if (std::find(valori.begin(), valori.end(), 0.0) != valori.end())
        return errore(Errorenumeri::nullo);
    // Checked on the typed values, before any is narrowed to a number of the group.
    const bool fuori = std::any_of(valori.begin(), valori.end(), [](double v) { return v > 90; });
    if (valori.size() > MAXNUMERISIMULATI || static_cast<int>(valori.size()) < sorte || fuori)
        return errore(Errorenumeri::numeri);
    Numerisimulati r;
    for (double v : valori)
        r.numeri.push_back(static_cast<int>(v));
    auto ordinati = r.numeri;
    std::sort(ordinati.begin(), ordinati.end());
    if (std::adjacent_find(ordinati.begin(), ordinati.end()) != ordinati.end())
        return errore(Errorenumeri::numeri);
    return r;
}

void Bacheca::pubblica(const Contatori& c) {
    std::lock_guard<std::mutex> l(guardia);
    ultimi = c;
}

void Bacheca::svuota() {
    std::lock_guard<std::mutex> l(guardia);
    ultimi.reset();
}

std::optional<Contatori> Bacheca::leggi() const {
    std::lock_guard<std::mutex> l(guardia);
    return ultimi;
}

Esitosimulazione simula(const std::vector<int>& numeri, int sorte, long estrazioni,
                        Sorgentecasuale& g, Avanzamento& a, Bacheca* bacheca) {
    std::array<bool, 91> giocato{};
    for (int n : numeri)
        giocato[n] = true;
    std::array<long, 6> combinazioni{}; // winning combinations in a draw holding h numbers
    for (int h = sorte; h <= 5; ++h)
        combinazioni[h] = static_cast<long>(numcombinazioni(h, sorte));

    Esitosimulazione esito;
    Contatori c;
    for (long i = 1; i <= estrazioni; ++i) {
        int presi = 0;
        for (int x : Estrai(g))
            presi += giocato[x];
        if (presi >= sorte) {
            c.ritardostorico = std::max(c.ritardostorico, c.ritardoattuale);
            c.ritardoattuale = 0;
            c.presenze += combinazioni[presi];
        } else {
            ++c.ritardoattuale;
        }
        if (i % 100 != 0) continue;
        c.simulate = i;
        esito.mostrati = c;
        if (bacheca) bacheca->pubblica(c);
        if (a.avanza(static_cast<int>(i * 100 / estrazioni))) break;
    }
    esito.ritardostorico = c.ritardostorico;
    return esito;
}

std::vector<uint8_t> immaginemassimi(const Massimi& m) {
    std::vector<uint8_t> dati(DIMSIMUL);
    for (size_t i = 0; i < m.size(); ++i) {
        const auto v = static_cast<uint32_t>(m[i]);
        for (int b = 0; b < 4; ++b)
            dati[4 * i + b] = static_cast<uint8_t>(v >> (8 * b));
    }
    return dati;
}

std::optional<Massimi> decodificamassimi(const std::vector<uint8_t>& dati) {
    std::vector<uint8_t> testa(DIMSIMUL, 0);
    std::copy_n(dati.begin(), std::min<size_t>(dati.size(), DIMSIMUL), testa.begin());
    Massimi m{};
    for (size_t i = 0; i < m.size(); ++i) {
        uint32_t v = 0;
        for (int b = 0; b < 4; ++b)
            v |= static_cast<uint32_t>(testa[4 * i + b]) << (8 * b);
        m[i] = static_cast<int32_t>(v);
    }
    for (int s = 0; s <= 5; ++s)
        for (int k = 0; k <= 10; ++k) {
            const int32_t v = m[indicemassimo(k, s)];
            const bool possibile = s >= 1 && k >= s;
            if (v < 0 || (v != 0 && !possibile)) return std::nullopt;
        }
    return m;
}

Letturamassimi caricamassimi(const std::string& percorso, Massimi& m) {
    m = Massimi{};
    std::error_code e;
    if (!std::filesystem::exists(percorso, e) && !e)
        return scrivifilesicuro(percorso, {}) ? Letturamassimi::letti : Letturamassimi::noncreati;
    // Only the table is read, however long the file.
    const auto dati = leggiinizio(percorso, DIMSIMUL);
    const auto letti = dati ? decodificamassimi(*dati) : std::nullopt;
    if (!letti) return Letturamassimi::danneggiati;
    m = *letti;
    return Letturamassimi::letti;
}

bool salvamassimi(const std::string& percorso, const Massimi& m) {
    return scriviinizio(percorso, immaginemassimi(m));
}

} // namespace bolv
