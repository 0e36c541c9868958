#include "classifica.h"

#include "ambiterni.h"
#include "camminoclassifica.h"
#include "combinatoria.h"
#include "tabelle.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <queue>
#include <thread>
#include <tuple>
#include <utility>

namespace bolv {

namespace {

constexpr int CELLEAMBI = 91 * 91;
constexpr int CELLETERNI = NUMTERNI + 1;

// How often a run going on shows its best groups so far.
constexpr auto INTERVALLOVETRINA = std::chrono::milliseconds(200);

// The sequential road: every group that passes is offered to the ranking at once.
class Versograduatoria : public Destinazione {
  public:
    Versograduatoria(Graduatoria& g, int ruota, int k, Avanzamento& a, Progresso p)
        : g(g), ruota(ruota), segno(g.ordine() == 2 ? -1 : 1), a(a), vetrina(p.vetrina),
          perruota(static_cast<uint64_t>(numcombinazioni(90, k))),
          fatti(perruota * p.ruoteelaborate), totale(perruota * std::max(1, p.ruoteselezionate)) {}
    ~Versograduatoria() override { mostra(); }
    int64_t soglia() const override { return segno * static_cast<int64_t>(g.soglia); }
    void offri(const int* c, int k, int32_t valore) override {
        g.inseriscirisultato(ruota, c, k, segno * valore);
        cambiata = true;
    }
    void avanzamento(uint64_t gruppi) override {
        fatti += gruppi;
        a.avanza(static_cast<int>(100 * fatti / totale));
        const auto ora = std::chrono::steady_clock::now();
        if (ora - mostrata < INTERVALLOVETRINA) return;
        mostrata = ora;
        mostra();
    }

  private:
    void mostra() {
        if (vetrina && std::exchange(cambiata, false)) vetrina->sostituisci(g.classificati());
    }

    Graduatoria& g;
    int ruota;
    int segno;
    Avanzamento& a;
    Vetrina* vetrina;
    uint64_t perruota, fatti, totale;
    bool cambiata = false;
    std::chrono::steady_clock::time_point mostrata = std::chrono::steady_clock::now();
};

bool enumera(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a, Progresso p) {
    if (!t.ritardi && g.ordine() == 2) g.iniziaruotapresenze();
    if (a.interrotto()) return true;
    const auto d = datiruota(t, ruota, g.ordine(), a);
    Versograduatoria dest(g, ruota, k, a, p);
    const auto cammino = camminata(*d, k, g.vincoli(), dest, a);
    for (int x1 = 1; x1 <= 91 - k; ++x1)
        if (!cammino->radice(x1, 0)) return true;
    return a.interrotto();
}

// A group found by one part of a parallel walk, kept while it may still be ranked.
struct Superstite {
    std::array<int8_t, 10> numeri;
    int32_t valore;
};

// The N largest values offered to it.
class Migliori {
  public:
    explicit Migliori(int n) : n(n) {}
    // The N-th largest, once there are N.
    std::optional<int32_t> aggiungi(int32_t valore) {
        valori.push(valore);
        if (std::ssize(valori) > n) valori.pop();
        if (std::ssize(valori) < n) return std::nullopt;
        return valori.top();
    }

  private:
    int n;
    std::priority_queue<int32_t, std::vector<int32_t>, std::greater<>> valori;
};

// What the finished units that open the enumeration, with no gap, prove: when the walk in
// order reaches any later unit its threshold is at least the N-th largest of their values,
// so a later group that does not beat it would not even be offered.
class Prefisso {
  public:
    Prefisso(int n, const std::vector<std::vector<Superstite>>& trovati)
        : migliori(n), trovati(trovati), fatte(trovati.size(), false) {}
    void finita(size_t u) {
        std::lock_guard<std::mutex> blocco(m);
        fatte[u] = true;
        for (; primo < fatte.size() && fatte[primo]; ++primo)
            for (const Superstite& s : trovati[primo])
                if (const auto v = migliori.aggiungi(s.valore))
                    valore.store(*v, std::memory_order_relaxed);
    }
    std::atomic<int32_t> valore{0};

  private:
    std::mutex m;
    Migliori migliori;
    const std::vector<std::vector<Superstite>>& trovati;
    std::vector<bool> fatte;
    size_t primo = 0;
};

// What the parts of a parallel run share besides the groups: the threshold under which no
// group can be ranked, the groups done, the best shown.
class Comune {
  public:
    Comune(int n, Avanzamento& a, Vetrina* vetrina, uint64_t totale)
        : n(n), vetrina(vetrina), a(a), totale(std::max<uint64_t>(1, totale)) {}

    // The percentage shown moves only forward, whatever order the parts report in.
    void avanzamento(uint64_t gruppi) {
        const auto ora = fatti.fetch_add(gruppi, std::memory_order_relaxed) + gruppi;
        const int p = static_cast<int>(100 * ora / totale);
        if (p <= percento.load(std::memory_order_relaxed)) return;
        std::lock_guard<std::mutex> blocco(m);
        if (p <= percento.load(std::memory_order_relaxed)) return;
        percento.store(p, std::memory_order_relaxed);
        a.avanza(p);
    }

    const int n;
    Vetrina* const vetrina;
    std::atomic<int32_t> soglia{1}; // a value of 0 never enters a "Massimi" ranking

  private:
    Avanzamento& a;
    const uint64_t totale;
    std::atomic<uint64_t> fatti{0};
    std::atomic<int> percento{0};
    std::mutex m;
};

// One part of a parallel walk. A group is kept when it beats what is proved of the threshold
// the walk in order would have on reaching it: the earlier units (Prefisso), the earlier
// groups of its own unit; and when it is not below the N-th value of some N groups found
// anywhere (comune.soglia), under which no group can be ranked.
class Parte : public Destinazione {
  public:
    Parte(Comune& comune, const Prefisso& prefisso)
        : comune(comune), prefisso(prefisso), migliori(comune.n), inunita(comune.n) {}
    int64_t soglia() const override {
        return std::max({comune.soglia.load(std::memory_order_relaxed) - 1,
                         prefisso.valore.load(std::memory_order_relaxed), sogliaunita});
    }
    void nuovaunita(std::vector<Superstite>* u, int r) {
        uscita = u;
        ruota = r;
        inunita = Migliori(comune.n);
        sogliaunita = 0;
    }
    void offri(const int* c, int k, int32_t valore) override {
        Superstite s{};
        for (int i = 0; i < k; ++i)
            s.numeri[i] = static_cast<int8_t>(c[i]);
        s.valore = valore;
        uscita->push_back(s);
        if (comune.vetrina) comune.vetrina->proponi(comune.n, ruota, c, k, valore);
        if (const auto v = inunita.aggiungi(valore)) sogliaunita = *v;
        const auto v = migliori.aggiungi(valore);
        if (!v) return;
        int32_t attuale = comune.soglia.load(std::memory_order_relaxed);
        while (attuale < *v && !comune.soglia.compare_exchange_weak(attuale, *v)) {
        }
    }
    void avanzamento(uint64_t gruppi) override { comune.avanzamento(gruppi); }

  private:
    Comune& comune;
    const Prefisso& prefisso;
    Migliori migliori, inunita;
    int32_t sogliaunita = 0;
    std::vector<Superstite>* uscita = nullptr;
    int ruota = 0;
};

Esitoclassifica conclusione(const Graduatoria& g, bool interrotta) {
    return {g.classificati(), interrotta};
}

// The "Massimi" run split over the cores: each part walks whole subtrees, in any order,
// keeping what is not below the threshold proved so far; the survivors, merged in
// enumeration order, then pass once through the sequential ranking.
Esitoclassifica classificaparallela(const Tavole& t, const Impostazioni& imp, Avanzamento& a,
                                    Vetrina* vetrina) {
    // Each wheel's data is made by the first part that needs it, while the others walk.
    std::vector<std::shared_ptr<const Datiruota>> dati(imp.ruote.size());
    std::vector<std::once_flag> pronti(imp.ruote.size());
    struct Unita {
        int indiceruota, x1, x2;
    };
    std::vector<Unita> unita;
    for (int i = 0; i < std::ssize(imp.ruote); ++i)
        for (int x1 = 1; x1 <= 91 - imp.k; ++x1) {
            if (imp.k == 2) {
                unita.push_back({i, x1, 0});
                continue;
            }
            for (int x2 = x1 + 1; x2 <= 92 - imp.k; ++x2)
                unita.push_back({i, x1, x2});
        }
    std::vector<std::vector<Superstite>> trovati(unita.size());
    Comune comune(imp.n, a, vetrina,
                  static_cast<uint64_t>(numcombinazioni(90, imp.k)) * imp.ruote.size());
    Prefisso prefisso(imp.n, trovati);
    std::atomic<size_t> prossima{0};
    const auto lavora = [&] {
        Parte parte(comune, prefisso);
        std::unique_ptr<Camminata> cammino; // for the wheel of the last unit
        int ruotacammino = -1;
        for (size_t u; (u = prossima.fetch_add(1)) < unita.size();) {
            if (a.interrotto()) return;
            const Unita& un = unita[u];
            const int i = un.indiceruota;
            parte.nuovaunita(&trovati[u], imp.ruote[i]);
            if (i != ruotacammino) {
                std::call_once(pronti[i], [&] { dati[i] = datiruota(t, imp.ruote[i], 1, a); });
                cammino = camminata(*dati[i], imp.k, imp.vincoli, parte, a);
                ruotacammino = i;
            }
            if (cammino->radice(un.x1, un.x2)) prefisso.finita(u);
        }
    };
    const unsigned fili = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> lavoratori;
    for (unsigned i = 1; i < fili; ++i)
        lavoratori.emplace_back(lavora);
    lavora();
    for (auto& l : lavoratori)
        l.join();

    // Only groups that reach the N-th value of all survivors can be ranked.
    std::vector<int32_t> valori;
    for (const auto& lista : trovati)
        for (const auto& s : lista)
            valori.push_back(s.valore);
    int32_t minimo = std::numeric_limits<int32_t>::min();
    if (std::ssize(valori) >= imp.n) {
        std::nth_element(valori.begin(), valori.begin() + (imp.n - 1), valori.end(),
                         std::greater<>());
        minimo = valori[imp.n - 1];
    }
    Graduatoria g(imp.n, 1, imp.vincoli);
    for (size_t u = 0; u < unita.size(); ++u)
        for (const auto& s : trovati[u]) {
            if (s.valore < minimo || !confronto(s.valore, g.soglia, 1)) continue;
            int numeri[10];
            for (int i = 0; i < imp.k; ++i)
                numeri[i] = s.numeri[i];
            g.inseriscirisultato(imp.ruote[unita[u].indiceruota], numeri, imp.k, s.valore);
        }
    return conclusione(g, a.interrotto());
}

} // namespace

bool confronto(long valore, long soglia, int ordine) {
    if (ordine == 1) return valore > soglia;
    if (ordine == 2) return valore < soglia;
    return false;
}

Tavole tavoleclassifica(const Stato& s, int sorte, bool ritardi, const std::vector<int>& ruote) {
    Tavole t;
    t.sorte = sorte;
    t.ritardi = ritardi;
    if (sorte == 2) {
        const Vistaambi v = *tabellaambi(s);
        t.valori.assign(static_cast<size_t>(11) * CELLEAMBI, 0);
        for (int w : ruote)
            for (int a = 1; a <= 89; ++a)
                for (int b = a + 1; b <= 90; ++b) {
                    const int valore = ritardi ? v.ritardo(w, a, b) : v.presenze(w, a, b);
                    const size_t base = static_cast<size_t>(w - 1) * CELLEAMBI;
                    t.valori[base + 91 * a + b] = t.valori[base + 91 * b + a] =
                        static_cast<int16_t>(valore);
                }
        return t;
    }
    const Vistaterni v = *tabellaterni(s);
    t.valori.assign(static_cast<size_t>(11) * CELLETERNI, 0);
    for (int w : ruote)
        for (int a = 1; a <= 88; ++a)
            for (int b = a + 1; b <= 89; ++b)
                for (int c = b + 1; c <= 90; ++c)
                    t.valori[static_cast<size_t>(w - 1) * CELLETERNI + indiceterno(a, b, c)] =
                        static_cast<int16_t>(ritardi ? v.ritardo(w, a, b, c)
                                                     : v.presenze(w, a, b, c));
    return t;
}

Graduatoria::Graduatoria(int n, int ordine, std::vector<int> vincoli)
    : tabella(n), ordinamento(ordine), richiesti(std::move(vincoli)) {
    if (ordine != 2) return;
    for (Riga& r : tabella) {
        r.valore = INIZIOMINIMI;
        r.convalore = true;
    }
}

void Graduatoria::iniziaruotapresenze() {
    soglia = 1000000;
}

void Graduatoria::inseriscirisultato(int ruota, const int* combinazione, int k, int valore) {
    for (int v : richiesti)
        if (std::find(combinazione, combinazione + k, v) == combinazione + k) return;
    const int n = static_cast<int>(tabella.size());
    int r = 0;
    for (; r < n; ++r) {
        const int c = tabella[r].convalore ? tabella[r].valore : 0;
        if (ordinamento == 1 ? c <= valore : valore <= c) break;
    }
    if (r < n) {
        for (int i = n - 1; i > r; --i)
            tabella[i] = tabella[i - 1];
        tabella[r] = Riga{ruota, std::vector<int>(combinazione, combinazione + k), valore, true};
    }
    if (tabella[n - 1].convalore) soglia = tabella[n - 1].valore;
}

std::vector<Riga> Graduatoria::classificati() const {
    std::vector<Riga> righe;
    for (const Riga& r : tabella)
        if (r.pieno()) righe.push_back(r);
    return righe;
}

bool classificaambiritardi(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                           Progresso p) {
    return enumera(t, k, ruota, g, a, p);
}

bool classificaambipresenze(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                            Progresso p) {
    return enumera(t, k, ruota, g, a, p);
}

bool classificaterniritardi(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                            Progresso p) {
    return enumera(t, k, ruota, g, a, p);
}

bool classificaternipresenze(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a,
                             Progresso p) {
    return enumera(t, k, ruota, g, a, p);
}

Esitoclassifica classificasequenziale(const Tavole& t, const Impostazioni& imp, Avanzamento& a,
                                      Vetrina* vetrina) {
    const int ordine = imp.ritardi ? 1 : imp.ordine;
    Graduatoria g(imp.n, ordine, imp.vincoli);
    using Enumeratore = bool (*)(const Tavole&, int, int, Graduatoria&, Avanzamento&, Progresso);
    const Enumeratore e = imp.sorte == 2
                              ? (imp.ritardi ? classificaambiritardi : classificaambipresenze)
                              : (imp.ritardi ? classificaterniritardi : classificaternipresenze);
    const int ruote = static_cast<int>(imp.ruote.size());
    for (int i = 0; i < ruote; ++i)
        if (e(t, imp.k, imp.ruote[i], g, a, {i, ruote, vetrina})) return conclusione(g, true);
    return conclusione(g, false);
}

Esitoclassifica classifica(const Tavole& t, const Impostazioni& imp, Avanzamento& a,
                           Vetrina* vetrina) {
    // A "Minimi" ranking restarts its threshold at every wheel: the offers stay in order.
    if (!imp.ritardi && imp.ordine == 2) return classificasequenziale(t, imp, a, vetrina);
    return classificaparallela(t, imp, a, vetrina);
}

std::optional<std::vector<Riga>> Vetrina::novita() {
    std::lock_guard<std::mutex> blocco(m);
    if (!std::exchange(cambiata, false)) return std::nullopt;
    return righe;
}

void Vetrina::sostituisci(std::vector<Riga> nuove) {
    std::lock_guard<std::mutex> blocco(m);
    righe = std::move(nuove);
    cambiata = true;
}

void Vetrina::proponi(int n, int ruota, const int* numeri, int k, int valore) {
    if (valore <= minimo.load(std::memory_order_relaxed)) return;
    Riga nuova{ruota, std::vector<int>(numeri, numeri + k), valore, true};
    const auto dopo = [](const Riga& a, const Riga& b) { // a stands above b
        if (a.valore != b.valore) return a.valore > b.valore;
        return std::tie(a.ruota, a.numeri) > std::tie(b.ruota, b.numeri);
    };
    std::lock_guard<std::mutex> blocco(m);
    righe.insert(std::upper_bound(righe.begin(), righe.end(), nuova, dopo), std::move(nuova));
    if (std::ssize(righe) > n) righe.pop_back();
    if (std::ssize(righe) == n) minimo.store(righe.back().valore, std::memory_order_relaxed);
    cambiata = true;
}

std::variant<std::vector<int>, Erroretesto> leggivincoli(const std::string& testo, int k) {
    if (testo.find_first_not_of("0123456789.") != std::string::npos)
        return Erroretesto{
            "La sequenza dei numeri di vincolo non è stata introdotta correttamente."};
    const size_t campi = contaseparatori(testo, ".") + 1;
    if (campi > 10)
        return Erroretesto{"Errore: sono stati inseriti più di 10 numeri come vincolo."};
    std::vector<int> numeri;
    for (const std::string& campo : dividistringa(testo, ".")) {
        // The value in its full width: a long field is never cut down to a small number.
        const size_t cifra = campo.find_first_not_of('0');
        if (cifra == std::string::npos) continue;
        const std::string significative = campo.substr(cifra);
        numeri.push_back(significative.size() > 3 ? 91 : std::stoi(significative));
    }
    if (campi > static_cast<size_t>(k))
        return Erroretesto{
            "Sono stati indicati troppi numeri di vincolo per il numero di numeri impostato."};
    for (int v : numeri)
        if (v > 90) return Erroretesto{"Sono stati introdotti numeri non validi tra i vincoli."};
    for (size_t i = 0; i < numeri.size(); ++i)
        for (size_t j = i + 1; j < numeri.size(); ++j)
            if (numeri[i] == numeri[j])
                return Erroretesto{"Sono stati introdotti due o più numeri uguali tra i vincoli."};
    return numeri;
}

} // namespace bolv
