#include "classifica.h"

#include "ambiterni.h"
#include "combinatoria.h"
#include "tabelle.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <queue>
#include <thread>

namespace bolv {

namespace {

constexpr int CELLEAMBI = 91 * 91;
constexpr int CELLETERNI = NUMTERNI + 1;
constexpr int32_t INFINITO = std::numeric_limits<int32_t>::max() / 4;
constexpr int MASSIMICOPPIE = 36; // C(9, 2): new pairs among the 9 numbers still to choose
constexpr int MASSIMITERNE = 84;  // C(9, 3)

// rank(a, b, c) = BASI[91 a + b] + c for a < b < c: the triple scans add one number to a
// base instead of ranking every triple afresh.
const std::array<int32_t, CELLEAMBI>& basiterni() {
    static const std::array<int32_t, CELLEAMBI> basi = [] {
        std::array<int32_t, CELLEAMBI> b{};
        for (int x = 1; x <= 88; ++x)
            for (int y = x + 1; y <= 89; ++y)
                b[91 * x + y] = indiceterno(x, y, y + 1) - (y + 1);
        return b;
    }();
    return basi;
}

// C(r, 2) and C(r, 3) for the r = 0..9 numbers still to choose.
constexpr int COPPIE[10] = {0, 0, 1, 3, 6, 10, 15, 21, 28, 36};
constexpr int TERNE[10] = {0, 0, 0, 1, 4, 10, 20, 35, 56, 84};

// The prefix sums of the m largest of valori (m = 0..quanti), kept in lista sorted largest
// first and merged with each new batch.
void unisci(std::vector<int32_t>& lista, std::vector<int32_t>& nuovi, int quanti) {
    lista.insert(lista.end(), nuovi.begin(), nuovi.end());
    nuovi.clear();
    const auto fine = lista.begin() + std::min<ptrdiff_t>(quanti, std::ssize(lista));
    std::partial_sort(lista.begin(), fine, lista.end(), std::greater<>());
    lista.erase(fine, lista.end());
}

void accodaprefissi(std::vector<int32_t>& dest, const std::vector<int32_t>& lista, int quanti) {
    int32_t somma = 0;
    dest.push_back(0);
    for (int m = 1; m <= quanti; ++m) {
        if (m <= std::ssize(lista)) somma += lista[m - 1];
        dest.push_back(somma);
    }
}

// One wheel's statistic as the walk reads it: widened, negated for a "Minimi" ranking (so
// that every ranking keeps the largest values), and for the presences the bounds on what
// the numbers still to choose can add.
struct Datiruota {
    bool terno = false;
    bool minimo = false; // value of a group: the smallest (delays), else the sum
    std::vector<int32_t> val;
    // Sum of the m largest values of the pairs (ambo) or triples (terno) whose numbers all
    // lie above x: nuove[x * (QUANTE + 1) + m].
    std::vector<int32_t> nuove;
    // Ambo: sum of the m largest P(y, z) with x < z, z != y: vicini[(91 y + x) * 10 + m].
    std::vector<int32_t> vicini;
    // Terno: sum of the m largest T(c, y, z) with x < y < z: conc[(91 c + x) * 37 + m].
    std::vector<int32_t> conc;

    int32_t ambo(int a, int b) const { return val[91 * a + b]; }
    int32_t terna(int a, int b, int c) const { return val[basiterni()[91 * a + b] + c]; }
    int quantenuove() const { return terno ? MASSIMITERNE : MASSIMICOPPIE; }
};

void limitiambi(Datiruota& d) {
    std::vector<int32_t> lista, nuovi;
    std::vector<std::vector<int32_t>> perx(91);
    for (int x = 89; x >= 0; --x) {
        for (int b = x + 2; b <= 90; ++b)
            nuovi.push_back(d.ambo(x + 1, b));
        unisci(lista, nuovi, MASSIMICOPPIE);
        perx[x] = lista;
    }
    for (int x = 0; x <= 90; ++x)
        accodaprefissi(d.nuove, perx[x], MASSIMICOPPIE);

    d.vicini.assign(91 * 91 * 10, 0);
    for (int y = 1; y <= 90; ++y) {
        lista.clear();
        for (int x = 89; x >= 0; --x) {
            if (x + 1 != y) nuovi.push_back(d.ambo(y, x + 1));
            unisci(lista, nuovi, 9);
            std::vector<int32_t> pref;
            accodaprefissi(pref, lista, 9);
            std::copy(pref.begin(), pref.end(), d.vicini.begin() + (91 * y + x) * 10);
        }
    }
}

void limititerni(Datiruota& d, const Avanzamento& a) {
    std::vector<int32_t> lista, nuovi;
    std::vector<std::vector<int32_t>> perx(91);
    for (int x = 88; x >= 0; --x) {
        for (int b = x + 2; b <= 89; ++b)
            for (int c = b + 1; c <= 90; ++c)
                nuovi.push_back(d.terna(x + 1, b, c));
        unisci(lista, nuovi, MASSIMITERNE);
        perx[x] = lista;
    }
    for (int x = 0; x <= 90; ++x)
        accodaprefissi(d.nuove, perx[x], MASSIMITERNE);

    d.conc.assign(91 * 91 * (MASSIMICOPPIE + 1), 0);
    for (int c = 1; c <= 88 && !a.interrotto(); ++c) {
        lista.clear();
        for (int x = 89; x >= c; --x) {
            for (int z = x + 2; z <= 90; ++z)
                nuovi.push_back(d.terna(c, x + 1, z));
            unisci(lista, nuovi, MASSIMICOPPIE);
            std::vector<int32_t> pref;
            accodaprefissi(pref, lista, MASSIMICOPPIE);
            std::copy(pref.begin(), pref.end(), d.conc.begin() + (91 * c + x) * 37);
        }
    }
}

// A stop asked for meanwhile leaves the bounds unfinished: the walk then ends at once.
Datiruota datiruota(const Tavole& t, int ruota, int ordine, const Avanzamento& a) {
    Datiruota d;
    d.terno = t.sorte == 3;
    d.minimo = t.ritardi;
    const int celle = d.terno ? CELLETERNI : CELLEAMBI;
    const int segno = ordine == 2 ? -1 : 1;
    const int16_t* origine = t.valori.data() + static_cast<size_t>(ruota - 1) * celle;
    d.val.resize(celle);
    for (int i = 0; i < celle; ++i)
        d.val[i] = segno * origine[i];
    if (!d.minimo) d.terno ? limititerni(d, a) : limitiambi(d);
    return d;
}

// Where the groups that pass go, and the threshold they must beat.
class Destinazione {
  public:
    virtual ~Destinazione() = default;
    // A group passes when its (signed) value is above this.
    virtual int64_t soglia() const = 0;
    virtual void offri(const int* c, int k, int32_t valore) = 0;
};

// The walk of one wheel: every group of k numbers in ascending lexicographic order, less
// those that cannot pass.
class Cammino {
  public:
    Cammino(const Datiruota& dati, int k, const std::vector<int>& vincoli, Destinazione& dest,
            Avanzamento& a)
        : d(dati), k(k), vincoli(vincoli), dest(dest), a(a) {
        std::sort(this->vincoli.begin(), this->vincoli.end());
    }

    // The groups that begin with x1 (and x2 when x2 > 0).
    void radice(int x1, int x2) {
        c[0] = x1;
        const int32_t neutro = d.minimo ? INFINITO : 0;
        for (int y = x1 + 1; y <= 90; ++y)
            agg[1][y] = d.terno ? neutro : d.ambo(x1, y);
        if (!ammessofiglio(0, x1, 0)) return;
        if (x2 == 0)
            nodo(1, neutro);
        else if (ammessofiglio(x1, x2, 1))
            figlio(1, neutro, x2);
    }
    bool fermato() const { return fermo; }

  private:
    int32_t unisci(int32_t s, int32_t v) const { return d.minimo ? std::min(s, v) : s + v; }

    void nodo(int j, int32_t s) {
        const int last = c[j - 1];
        if (j == k - 1) {
            foglie(j, s, last);
            return;
        }
        if (a.interrotto()) {
            fermo = true;
            return;
        }
        const int r = k - j;
        if (limite(j, s, last, r) <= dest.soglia()) return;
        for (int x = last + 1; x <= 91 - r && !fermo; ++x) {
            if (!ammessofiglio(last, x, j)) continue;
            figlio(j, s, x);
        }
    }

    // x placed at index j after last: no Vincoli number may be skipped, and those still to
    // place must fit in the places left.
    bool ammessofiglio(int last, int x, int j) const {
        int dopo = 0;
        for (int v : vincoli) {
            if (v > last && v < x) return false;
            if (v > x) ++dopo;
        }
        return dopo <= k - 1 - j;
    }

    void figlio(int j, int32_t s, int x) {
        const int32_t s2 = unisci(s, agg[j][x]);
        if (d.minimo && s2 <= dest.soglia()) return;
        c[j] = x;
        int32_t* dopo = agg[j + 1];
        const int32_t* prima = agg[j];
        if (!d.terno) {
            const int32_t* riga = d.val.data() + 91 * x;
            for (int y = x + 1; y <= 90; ++y)
                dopo[y] = unisci(prima[y], riga[y]);
        } else {
            for (int y = x + 1; y <= 90; ++y)
                dopo[y] = prima[y];
            for (int i = 0; i < j; ++i) {
                const int32_t* riga = d.val.data() + basiterni()[91 * c[i] + x];
                for (int y = x + 1; y <= 90; ++y)
                    dopo[y] = unisci(dopo[y], riga[y]);
            }
        }
        nodo(j + 1, s2);
    }

    void foglie(int j, int32_t s, int last) {
        int unico = 0; // the one number that may close the group, when a Vincoli number is due
        for (int v : vincoli)
            if (v > last) unico = v;
        const int32_t* ultimi = agg[j];
        const int da = unico ? unico : last + 1, a90 = unico ? unico : 90;
        int64_t soglia = dest.soglia();
        for (int y = da; y <= a90; ++y) {
            const int32_t v = unisci(s, ultimi[y]);
            if (v <= soglia) continue;
            c[j] = y;
            dest.offri(c, k, v);
            soglia = dest.soglia();
        }
    }

    // The best value any completion of c[0..j-1] by r more numbers could reach.
    int32_t limite(int j, int32_t s, int last, int r) const {
        const auto migliori = primi(r, last, [&](int y) { return agg[j][y]; });
        if (d.minimo) return std::min(s, migliori[r - 1]);
        int64_t somma = s;
        for (int i = 0; i < r; ++i)
            somma += migliori[i];
        const int quante = d.quantenuove() + 1;
        if (!d.terno) {
            // Each new pair counted half from either end: a number's best r - 1 partners.
            const auto conmezzi = primi(r, last, [&](int y) {
                return 2 * agg[j][y] + d.vicini[(91 * y + last) * 10 + r - 1];
            });
            int64_t doppio = 0;
            for (int i = 0; i < r; ++i)
                doppio += conmezzi[i];
            return saturato(std::min(somma + d.nuove[last * quante + COPPIE[r]],
                                     s + doppio / 2 - (doppio < 0 && doppio % 2 ? 1 : 0)));
        }
        for (int i = 0; i < j; ++i)
            somma += d.conc[(91 * c[i] + last) * 37 + COPPIE[r]];
        const int64_t nuove = d.nuove[last * quante + TERNE[r]];
        if (j > 2) return saturato(somma + nuove);
        // Near the root, where a pruned subtree is largest: the triples of one chosen and
        // two new numbers counted half from either new end, each with its best partners.
        const auto conmezzi = primi(r, last, [&](int y) {
            const auto partner = primi(r - 1, last, [&](int z) {
                if (z == y) return std::numeric_limits<int32_t>::min() / 2;
                int32_t b = 0;
                for (int i = 0; i < j; ++i)
                    b += d.terna(c[i], std::min(y, z), std::max(y, z));
                return b;
            });
            int32_t e = 2 * agg[j][y];
            for (int i = 0; i < r - 1; ++i)
                e += partner[i];
            return e;
        });
        int64_t doppio = 0;
        for (int i = 0; i < r; ++i)
            doppio += conmezzi[i];
        return saturato(std::min(somma, s + doppio / 2 - (doppio < 0 && doppio % 2 ? 1 : 0)) +
                        nuove);
    }
    // The r largest of valore(y) for y above last, largest first.
    template <class F> static std::array<int32_t, 10> primi(int r, int last, F valore) {
        std::array<int32_t, 10> migliori;
        migliori.fill(std::numeric_limits<int32_t>::min() / 2);
        for (int y = last + 1; y <= 90; ++y) {
            const int32_t v = valore(y);
            if (v <= migliori[r - 1]) continue;
            int i = r - 1;
            for (; i > 0 && migliori[i - 1] < v; --i)
                migliori[i] = migliori[i - 1];
            migliori[i] = v;
        }
        return migliori;
    }
    static int32_t saturato(int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, -INFINITO, INFINITO));
    }

    const Datiruota& d;
    const int k;
    std::vector<int> vincoli;
    Destinazione& dest;
    Avanzamento& a;
    int c[10] = {};
    int32_t agg[11][91] = {};
    bool fermo = false;
};

// The sequential road: every group that passes is offered to the ranking at once.
class Versograduatoria : public Destinazione {
  public:
    Versograduatoria(Graduatoria& g, int ruota)
        : g(g), ruota(ruota), segno(g.ordine() == 2 ? -1 : 1) {}
    int64_t soglia() const override { return segno * static_cast<int64_t>(g.soglia); }
    void offri(const int* c, int k, int32_t valore) override {
        g.inseriscirisultato(ruota, c, k, segno * valore);
    }

  private:
    Graduatoria& g;
    int ruota;
    int segno;
};

int percentuale(int fatti, int totale) {
    return totale > 0 ? static_cast<int>(100LL * fatti / totale) : 0;
}

bool enumera(const Tavole& t, int k, int ruota, Graduatoria& g, Avanzamento& a, Progresso p) {
    if (!t.ritardi && g.ordine() == 2) g.iniziaruotapresenze();
    if (a.interrotto()) return true;
    const Datiruota d = datiruota(t, ruota, g.ordine(), a);
    Versograduatoria dest(g, ruota);
    Cammino cammino(d, k, g.vincoli(), dest, a);
    for (int x1 = 1; x1 <= 91 - k; ++x1) {
        const int fatto = percentuale(x1 - 1, 91 - k);
        if (a.avanza((p.ruoteelaborate * 100 + fatto) / std::max(1, p.ruoteselezionate)))
            return true;
        cammino.radice(x1, 0);
        if (cammino.fermato()) return true;
    }
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

// One part of a parallel walk. A group is kept when it beats what is proved of the threshold
// the walk in order would have on reaching it: the earlier units (Prefisso), the earlier
// groups of its own unit; and when it is not below the N-th value of some N groups found
// anywhere (comune), under which no group can be ranked.
class Parte : public Destinazione {
  public:
    Parte(int n, std::atomic<int32_t>& comune, const Prefisso& prefisso)
        : n(n), comune(comune), prefisso(prefisso), migliori(n), inunita(n) {}
    int64_t soglia() const override {
        return std::max({comune.load(std::memory_order_relaxed) - 1,
                         prefisso.valore.load(std::memory_order_relaxed), sogliaunita});
    }
    void nuovaunita(std::vector<Superstite>* u) {
        uscita = u;
        inunita = Migliori(n);
        sogliaunita = 0;
    }
    void offri(const int* c, int k, int32_t valore) override {
        Superstite s{};
        for (int i = 0; i < k; ++i)
            s.numeri[i] = static_cast<int8_t>(c[i]);
        s.valore = valore;
        uscita->push_back(s);
        if (const auto v = inunita.aggiungi(valore)) sogliaunita = *v;
        const auto v = migliori.aggiungi(valore);
        if (!v) return;
        int32_t attuale = comune.load(std::memory_order_relaxed);
        while (attuale < *v && !comune.compare_exchange_weak(attuale, *v)) {
        }
    }

  private:
    int n;
    std::atomic<int32_t>& comune;
    const Prefisso& prefisso;
    Migliori migliori, inunita;
    int32_t sogliaunita = 0;
    std::vector<Superstite>* uscita = nullptr;
};

Esitoclassifica conclusione(const Graduatoria& g, bool interrotta) {
    return {g.classificati(), interrotta};
}

// The "Massimi" run split over the cores: each part walks whole subtrees, in any order,
// keeping what is not below the threshold proved so far; the survivors, merged in
// enumeration order, then pass once through the sequential ranking.
Esitoclassifica classificaparallela(const Tavole& t, const Impostazioni& imp, Avanzamento& a) {
    // Each wheel's data is made by the first part that needs it, while the others walk.
    std::vector<std::unique_ptr<Datiruota>> dati(imp.ruote.size());
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
    std::atomic<int32_t> comune{1}; // a value of 0 never enters a "Massimi" ranking
    Prefisso prefisso(imp.n, trovati);
    std::atomic<size_t> prossima{0}, fatte{0};
    const auto lavora = [&] {
        Parte parte(imp.n, comune, prefisso);
        for (size_t u; (u = prossima.fetch_add(1)) < unita.size();) {
            if (a.interrotto()) return;
            const Unita& un = unita[u];
            parte.nuovaunita(&trovati[u]);
            const int i = un.indiceruota;
            std::call_once(pronti[i], [&] {
                dati[i] = std::make_unique<Datiruota>(datiruota(t, imp.ruote[i], 1, a));
            });
            Cammino cammino(*dati[i], imp.k, imp.vincoli, parte, a);
            cammino.radice(un.x1, un.x2);
            if (!cammino.fermato()) prefisso.finita(u);
            a.avanza(percentuale(static_cast<int>(++fatte), static_cast<int>(unita.size())));
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

Esitoclassifica classificasequenziale(const Tavole& t, const Impostazioni& imp, Avanzamento& a) {
    const int ordine = imp.ritardi ? 1 : imp.ordine;
    Graduatoria g(imp.n, ordine, imp.vincoli);
    using Enumeratore = bool (*)(const Tavole&, int, int, Graduatoria&, Avanzamento&, Progresso);
    const Enumeratore e = imp.sorte == 2
                              ? (imp.ritardi ? classificaambiritardi : classificaambipresenze)
                              : (imp.ritardi ? classificaterniritardi : classificaternipresenze);
    const int ruote = static_cast<int>(imp.ruote.size());
    for (int i = 0; i < ruote; ++i)
        if (e(t, imp.k, imp.ruote[i], g, a, {i, ruote})) return conclusione(g, true);
    return conclusione(g, false);
}

Esitoclassifica classifica(const Tavole& t, const Impostazioni& imp, Avanzamento& a) {
    // A "Minimi" ranking restarts its threshold at every wheel: the offers stay in order.
    if (!imp.ritardi && imp.ordine == 2) return classificasequenziale(t, imp, a);
    return classificaparallela(t, imp, a);
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
