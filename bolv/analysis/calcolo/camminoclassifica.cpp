#include "camminoclassifica.h"

#include "ambiterni.h"
#include "combinatoria.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

namespace bolv {

namespace {

constexpr int CELLEAMBI = 91 * 91;
constexpr int CELLETERNI = NUMTERNI + 1;
constexpr int32_t INFINITO = std::numeric_limits<int32_t>::max() / 4;
constexpr int MASSIMICOPPIE = 36; // C(9, 2): new pairs among the 9 numbers still to choose
constexpr int MASSIMITERNE = 84;  // C(9, 3)
constexpr int LATO = 96;          // a row of the partner sums, padded
constexpr int32_t VUOTO = -(1 << 26);

// The groups of r numbers chosen among n, C(n, r), for n = 0..90 and r = 0..10: looked up,
// for the walks count every group they pass over.
uint64_t gruppi(int n, int r) {
    static const auto tavola = [] {
        std::array<std::array<uint64_t, 11>, 91> t{};
        for (int i = 0; i <= 90; ++i)
            for (int j = 0; j <= 10; ++j)
                t[i][j] = static_cast<uint64_t>(numcombinazioni(i, j));
        return t;
    }();
    return tavola[n][r];
}

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

} // namespace

// One wheel's statistic as the walks read it: widened, negated for a "Minimi" ranking (so
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
    // Terno: T(x, y, z) for any order of three distinct numbers at denso[(91 x + y) * LATO + z];
    // VUOTO where y = z, so that a number is never its own partner.
    std::vector<int32_t> denso;
    // Terno: sum of the m largest T(y, z, w) with z, w above x and other than y:
    // tre[(91 y + x) * 37 + m]. For y up to x, the best triples of a chosen number y with
    // two new numbers.
    std::vector<int32_t> tre;

    int32_t ambo(int a, int b) const { return val[91 * a + b]; }
    int32_t terna(int a, int b, int c) const { return val[basiterni()[91 * a + b] + c]; }
};

namespace {

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

// The tables of the bound that splits every triple among its new numbers.
void limititernistretti(Datiruota& d, const Avanzamento& a) {
    d.denso.assign(static_cast<size_t>(91) * 91 * LATO, 0);
    for (int x = 1; x <= 90; ++x)
        for (int y = 1; y <= 90; ++y) {
            int32_t* riga = d.denso.data() + (91 * x + y) * LATO;
            riga[y] = VUOTO;
            if (x == y) continue;
            for (int z = 1; z <= 90; ++z) {
                if (z == x || z == y) continue;
                int t[3] = {x, y, z};
                std::sort(t, t + 3);
                riga[z] = d.terna(t[0], t[1], t[2]);
            }
        }
    d.tre.assign(91 * 91 * (MASSIMICOPPIE + 1), 0);
    std::vector<int32_t> lista, nuovi, pref;
    for (int y = 1; y <= 90 && !a.interrotto(); ++y) {
        lista.clear();
        for (int x = 89; x >= 0; --x) {
            const int z = x + 1;
            if (z != y)
                for (int w = z + 1; w <= 90; ++w)
                    if (w != y) nuovi.push_back(d.denso[(91 * y + z) * LATO + w]);
            unisci(lista, nuovi, MASSIMICOPPIE);
            pref.clear();
            accodaprefissi(pref, lista, MASSIMICOPPIE);
            std::copy(pref.begin(), pref.end(), d.tre.begin() + (91 * y + x) * 37);
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
    limititernistretti(d, a);
}

// What the walks share: the numbers chosen so far, the Vincoli, the count of the groups
// done.
class Passi : public Camminata {
  public:
    Passi(const Datiruota& dati, int k, const std::vector<int>& vincoli, Destinazione& dest,
          Avanzamento& a)
        : d(dati), k(k), vincoli(vincoli), dest(dest), a(a) {
        std::sort(this->vincoli.begin(), this->vincoli.end());
    }

  protected:
    // The root's own numbers admitted: true; otherwise its groups are done at once.
    bool ammessaradice(int x1, int x2) {
        c[0] = x1;
        if (ammessofiglio(0, x1, 0) && (x2 == 0 || ammessofiglio(x1, x2, 1))) return true;
        fatti(x2 ? x2 : x1, x2 ? k - 2 : k - 1);
        return false;
    }
    bool fineradice() {
        dest.avanzamento(std::exchange(contati, 0));
        return !fermo;
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

    // The groups of c[0..] with r more numbers above last are done.
    void fatti(int last, int r) { contati += gruppi(90 - last, r); }
    void fatti(uint64_t n) { contati += n; }
    // At every inner step: reports every few hundred steps; true once a stop is asked for.
    bool fermare() {
        if (++passi == 256) {
            passi = 0;
            dest.avanzamento(std::exchange(contati, 0));
        }
        fermo = fermo || a.interrotto();
        return fermo;
    }

    // The one number that may close the group after last, when a Vincoli number is due;
    // otherwise 0.
    int unico(int last) const {
        int dovuto = 0;
        for (int v : vincoli)
            if (v > last) dovuto = v;
        return dovuto;
    }

    // The last number of the group, after last, by presences.
    void foglie(int j, int32_t s, int last) {
        const int unico = this->unico(last);
        const int32_t* ultimi = agg[j];
        const int da = unico ? unico : last + 1, a90 = unico ? unico : 90;
        int64_t soglia = dest.soglia();
        for (int y = da; y <= a90; ++y) {
            const int32_t v = s + ultimi[y];
            if (v <= soglia) continue;
            c[j] = y;
            dest.offri(c, k, v);
            soglia = dest.soglia();
        }
        fatti(last, 1);
    }

    // The r largest of valore(y) for y above last, largest first.
    template <class F> static std::array<int32_t, 10> primi(int r, int last, F valore) {
        std::array<int32_t, 10> migliori;
        migliori.fill(std::numeric_limits<int32_t>::min() / 2);
        for (int y = last + 1; y <= 90; ++y)
            inserisci(migliori, r, valore(y));
        return migliori;
    }
    // Keeps the n largest values offered, largest first.
    template <class T> static void inserisci(std::array<T, 10>& migliori, int n, T v) {
        if (v <= migliori[n - 1]) return;
        int i = n - 1;
        for (; i > 0 && migliori[i - 1] < v; --i)
            migliori[i] = migliori[i - 1];
        migliori[i] = v;
    }
    static int32_t saturato(int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, -INFINITO, INFINITO));
    }

    const Datiruota& d;
    const int k;
    std::vector<int> vincoli;
    Destinazione& dest;
    int c[10] = {};
    // What each number above the last chosen adds to the group: the pairs (ambo) or the
    // triples (terno) it makes with the numbers chosen, summed (presences) or at their
    // smallest (delays).
    int32_t agg[11][91] = {};
    bool fermo = false;

  private:
    Avanzamento& a;
    uint64_t contati = 0; // groups done since the last report
    int passi = 0;
};

// The walk of the pairs by presences.
class Camminoambi : public Passi {
  public:
    using Passi::Passi;

    bool radice(int x1, int x2) override {
        for (int y = x1 + 1; y <= 90; ++y)
            agg[1][y] = d.ambo(x1, y);
        if (ammessaradice(x1, x2)) x2 == 0 ? nodo(1, 0) : figlio(1, 0, x2);
        return fineradice();
    }

  private:
    void nodo(int j, int32_t s) {
        const int last = c[j - 1];
        if (j == k - 1) {
            foglie(j, s, last);
            return;
        }
        if (fermare()) return;
        const int r = k - j;
        if (limite(j, s, last, r) <= dest.soglia()) {
            fatti(last, r);
            return;
        }
        for (int x = last + 1; x <= 91 - r && !fermo; ++x) {
            if (!ammessofiglio(last, x, j)) {
                fatti(x, r - 1);
                continue;
            }
            figlio(j, s, x);
        }
    }

    void figlio(int j, int32_t s, int x) {
        c[j] = x;
        int32_t* dopo = agg[j + 1];
        const int32_t* prima = agg[j];
        const int32_t* riga = d.val.data() + 91 * x;
        for (int y = x + 1; y <= 90; ++y)
            dopo[y] = prima[y] + riga[y];
        nodo(j + 1, s + agg[j][x]);
    }

    // The best value any completion of c[0..j-1] by r more numbers could reach: the best r
    // of agg with the best new pairs, or each new pair counted half from either end with a
    // number's best r - 1 partners.
    int32_t limite(int j, int32_t s, int last, int r) const {
        const auto migliori = primi(r, last, [&](int y) { return agg[j][y]; });
        int64_t somma = s;
        for (int i = 0; i < r; ++i)
            somma += migliori[i];
        const auto conmezzi = primi(
            r, last, [&](int y) { return 2 * agg[j][y] + d.vicini[(91 * y + last) * 10 + r - 1]; });
        int64_t doppio = 0;
        for (int i = 0; i < r; ++i)
            doppio += conmezzi[i];
        return saturato(std::min(somma + d.nuove[last * (MASSIMICOPPIE + 1) + COPPIE[r]],
                                 s + doppio / 2 - (doppio < 0 && doppio % 2 ? 1 : 0)));
    }
};

// The walk by delay: a group's value is the smallest delay of its pairs (triples), so a
// number can join only while everything it makes with the numbers chosen is above the
// threshold. Each depth keeps the list of those numbers, the candidates; a number struck
// off stays off below, for the threshold only rises.
class Camminoritardi : public Passi {
  public:
    using Passi::Passi;

    bool radice(int x1, int x2) override {
        const int64_t soglia = dest.soglia();
        candidati[1].clear();
        for (int y = x1 + 1; y <= 90; ++y) {
            agg[1][y] = d.terno ? INFINITO : d.ambo(x1, y);
            if (agg[1][y] > soglia) candidati[1].push_back(static_cast<int8_t>(y));
        }
        if (ammessaradice(x1, x2)) {
            if (x2 == 0)
                nodo(1, INFINITO);
            else if (const auto i = std::ranges::find(candidati[1], x2); i != candidati[1].end())
                figlio(1, INFINITO, i - candidati[1].begin());
            else
                fatti(x2, k - 2);
        }
        return fineradice();
    }

  private:
    void nodo(int j, int32_t s) {
        const int last = c[j - 1];
        const int r = k - j;
        if (r == 1) {
            ultimi(j, s, last);
            return;
        }
        uint64_t resto = gruppi(90 - last, r); // the groups left to the children walked
        const std::vector<int8_t>& lista = candidati[j];
        if (!fermare() && validi(j) >= r)
            // A child needs r - 1 candidates above it.
            for (size_t i = 0; i + r <= lista.size() && !fermo; ++i) {
                const int x = lista[i];
                if (!ammessofiglio(last, x, j) || std::min(s, agg[j][x]) <= dest.soglia()) continue;
                resto -= gruppi(90 - x, r - 1);
                figlio(j, s, i);
            }
        fatti(resto);
    }

    // The candidates still above the threshold.
    int validi(int j) const {
        const int64_t soglia = dest.soglia();
        int n = 0;
        for (const int8_t y : candidati[j])
            n += agg[j][y] > soglia;
        return n;
    }

    // The candidate at index i of depth j joins the group.
    void figlio(int j, int32_t s, size_t i) {
        const std::vector<int8_t>& prima = candidati[j];
        const int x = prima[i];
        c[j] = x;
        const int32_t* righe[10] = {}; // the triples of x with each chosen number
        for (int l = 0; l < j && d.terno; ++l)
            righe[l] = d.val.data() + basiterni()[91 * c[l] + x];
        const int64_t soglia = dest.soglia();
        const size_t servono = k - j - 1; // candidates the child needs
        std::vector<int8_t>& dopo = candidati[j + 1];
        dopo.clear();
        for (size_t p = i + 1; p < prima.size() && dopo.size() + (prima.size() - p) >= servono;
             ++p) {
            const int y = prima[p];
            int32_t v = agg[j][y];
            if (!d.terno)
                v = std::min(v, d.ambo(x, y));
            else
                for (int l = 0; l < j && v > soglia; ++l)
                    v = std::min(v, righe[l][y]);
            if (v <= soglia) continue;
            agg[j + 1][y] = v;
            dopo.push_back(static_cast<int8_t>(y));
        }
        nodo(j + 1, std::min(s, agg[j][x]));
    }

    // The last number of the group, among the candidates.
    void ultimi(int j, int32_t s, int last) {
        const int unico = this->unico(last);
        int64_t soglia = dest.soglia();
        for (const int8_t y : candidati[j]) {
            const int32_t v = std::min(s, agg[j][y]);
            if ((unico && y != unico) || v <= soglia) continue;
            c[j] = y;
            dest.offri(c, k, v);
            soglia = dest.soglia();
        }
        fatti(last, 1);
    }

    std::array<std::vector<int8_t>, 11> candidati;
};

// The walk of the triples by presences. Besides agg it carries the partner sums
// P(y, z) = T(c[0], y, z) + ... + T(c[j-1], y, z) of each depth, so that its bound can split
// every triple of a completion among its new numbers: to a new number y go the triples it
// makes with two chosen numbers (agg), half of those with one chosen and one other new
// number (at most its best r - 1 partner sums), a third of those with two other new
// numbers (at most its best C(r - 1, 2) triples above the last chosen). Each triple of the
// completion is counted exactly once, so the r largest shares bound what it adds.
class Camminoterni : public Passi {
  public:
    Camminoterni(const Datiruota& dati, int k, const std::vector<int>& vincoli, Destinazione& dest,
                 Avanzamento& a)
        : Passi(dati, k, vincoli, dest, a),
          coppie(std::make_unique_for_overwrite<int32_t[]>(static_cast<size_t>(k) * 91 * LATO)) {}

    bool radice(int x1, int x2) override {
        std::fill(std::begin(agg[1]), std::end(agg[1]), 0);
        if (ammessaradice(x1, x2)) {
            sommacoppie(1, x1);
            x2 == 0 ? nodo(1, 0) : figlio(1, 0, x2);
        }
        return fineradice();
    }

  private:
    int32_t* somme(int j) { return coppie.get() + static_cast<size_t>(j) * 91 * LATO; }

    void nodo(int j, int32_t s) {
        const int last = c[j - 1];
        const int r = k - j;
        if (r == 1) {
            foglie(j, s, last);
            return;
        }
        if (fermare()) return;
        if (limitesemplice(j, s, last, r) <= dest.soglia()) {
            fatti(last, r);
            return;
        }
        if (j > 1) sommacoppie(j, last);
        if (r == 2) {
            coppiefinali(j, s, last);
            fatti(last, 2);
            return;
        }
        if (limitestretto(j, s, last, r) <= dest.soglia()) {
            fatti(last, r);
            return;
        }
        const int64_t* dopo = sopra(j, last, r);
        for (int x = last + 1; x <= 91 - r && !fermo; ++x) {
            if (!ammessofiglio(last, x, j) || !promettente(j, s, last, r, x, dopo[x])) {
                fatti(x, r - 1);
                continue;
            }
            figlio(j, s, x);
        }
    }

    // A child x's completions are those of this node that hold x and numbers above it: its
    // share and the best r - 1 shares above it bound them, the share made exact if need be.
    bool promettente(int j, int32_t s, int last, int r, int x, int64_t dopo) {
        if (s + sesto(quote[j][x] + dopo) <= dest.soglia()) return false;
        if (esatte[j][x]) return true;
        rendiesatta(j, last, r, x);
        return s + sesto(quote[j][x] + dopo) > dest.soglia();
    }

    // For each candidate, the best r - 1 shares above it.
    const int64_t* sopra(int j, int last, int r) {
        std::array<int64_t, 10> migliori;
        migliori.fill(std::numeric_limits<int32_t>::min());
        for (int x = 90; x > last; --x) {
            int64_t somma = 0;
            for (int i = 0; i < r - 1; ++i)
                somma += migliori[i];
            suffissi[j][x] = somma;
            inserisci<int64_t>(migliori, r - 1, quote[j][x]);
        }
        return suffissi[j];
    }

    // The partner sums of depth j, from those of depth j - 1 and the triples of the last
    // number (at depth 1 those triples alone), with the largest of each row.
    void sommacoppie(int j, int last) {
        int32_t* __restrict dopo = somme(j);
        const int32_t* __restrict t = d.denso.data() + 91 * last * LATO;
        const int da = last + 1;
        for (int y = da; y <= 90; ++y) {
            int32_t* __restrict o = dopo + y * LATO;
            const int32_t* __restrict q = t + y * LATO;
            int32_t massimo = VUOTO;
            if (j == 1) {
                for (int z = da; z <= 90; ++z) {
                    o[z] = q[z];
                    massimo = std::max(massimo, o[z]);
                }
            } else {
                const int32_t* __restrict p = somme(j - 1) + y * LATO;
                for (int z = da; z <= 90; ++z) {
                    o[z] = p[z] + q[z];
                    massimo = std::max(massimo, o[z]);
                }
            }
            massimi[j][y] = massimo;
        }
    }

    void figlio(int j, int32_t s, int x) {
        c[j] = x;
        const int32_t* p = somme(j) + x * LATO;
        for (int y = x + 1; y <= 90; ++y)
            agg[j + 1][y] = agg[j][y] + p[y];
        nodo(j + 1, s + agg[j][x]);
    }

    // The last two numbers: every pair above last, in order.
    void coppiefinali(int j, int32_t s, int last) {
        const int32_t* p = somme(j);
        int64_t soglia = dest.soglia();
        for (int y = last + 1; y <= 89; ++y) {
            if (!ammessofiglio(last, y, j)) continue;
            const int32_t base = s + agg[j][y];
            const int32_t* riga = p + y * LATO;
            int32_t migliore = std::numeric_limits<int32_t>::min();
            for (int z = y + 1; z <= 90; ++z)
                migliore = std::max(migliore, agg[j][z] + riga[z]);
            if (base + migliore <= soglia) continue;
            c[j] = y;
            for (int z = y + 1; z <= 90; ++z) {
                const int32_t v = base + agg[j][z] + riga[z];
                if (v <= soglia || !ammessofiglio(y, z, j + 1)) continue;
                c[j + 1] = z;
                dest.offri(c, k, v);
                soglia = dest.soglia();
            }
        }
    }

    // From agg and the tables alone: the best r of agg, each chosen number's best C(r, 2)
    // triples with two new numbers, the best C(r, 3) triples of new numbers.
    int32_t limitesemplice(int j, int32_t s, int last, int r) const {
        const auto migliori = primi(r, last, [&](int y) { return agg[j][y]; });
        int64_t somma = s;
        for (int i = 0; i < r; ++i)
            somma += migliori[i];
        for (int i = 0; i < j; ++i)
            somma += d.tre[(91 * c[i] + last) * 37 + COPPIE[r]];
        return saturato(somma + d.nuove[last * (MASSIMITERNE + 1) + TERNE[r]]);
    }

    // The sum of the r largest shares, each share six times over so that the halves and
    // thirds stay whole. A share first takes r - 1 times its row's largest partner sum; only
    // the shares that may count among the r largest are then made exact.
    int32_t limitestretto(int j, int32_t s, int last, int r) {
        int32_t* quota = quote[j];
        const int m = COPPIE[r - 1];
        for (int y = last + 1; y <= 90; ++y) {
            quota[y] = saturato(6LL * agg[j][y] + 2LL * d.tre[(91 * y + last) * 37 + m] +
                                3LL * (r - 1) * massimi[j][y]);
            esatte[j][y] = false;
        }
        const int64_t soglia = dest.soglia();
        for (;;) {
            int primi[10];
            int quanti = 0;
            for (int y = last + 1; y <= 90; ++y) {
                if (quanti == r && quota[y] <= quota[primi[r - 1]]) continue;
                int i = quanti < r ? quanti++ : r - 1;
                for (; i > 0 && quota[primi[i - 1]] < quota[y]; --i)
                    primi[i] = primi[i - 1];
                primi[i] = y;
            }
            if (quanti < r) return -INFINITO;
            int64_t sesti = 0;
            bool esatto = true;
            for (int i = 0; i < r; ++i) {
                sesti += quota[primi[i]];
                esatto = esatto && esatte[j][primi[i]];
            }
            const int32_t limite = saturato(s + sesto(sesti));
            if (limite <= soglia || esatto) return limite;
            for (int i = 0; i < r; ++i)
                if (!esatte[j][primi[i]]) rendiesatta(j, last, r, primi[i]);
        }
    }

    void rendiesatta(int j, int last, int r, int y) {
        const int32_t* riga = somme(j) + y * LATO;
        const auto partner = primi(r - 1, last, [&](int z) { return riga[z]; });
        int64_t e = 6LL * agg[j][y] + 2LL * d.tre[(91 * y + last) * 37 + COPPIE[r - 1]];
        for (int i = 0; i < r - 1; ++i)
            e += 3LL * partner[i];
        quote[j][y] = saturato(e);
        esatte[j][y] = true;
    }

    static int64_t sesto(int64_t v) { return v >= 0 ? v / 6 : -((-v + 5) / 6); }

    std::unique_ptr<int32_t[]> coppie; // each depth's rows written before they are read
    int32_t massimi[11][91] = {};      // the largest partner sum of each row
    int32_t quote[11][91] = {};        // six times each candidate's share, or more
    bool esatte[11][91] = {};          // the share is exact
    int64_t suffissi[11][91] = {};     // the best r - 1 of quote above each candidate
};

} // namespace

std::shared_ptr<const Datiruota> datiruota(const Tavole& t, int ruota, int ordine,
                                           const Avanzamento& a) {
    auto d = std::make_shared<Datiruota>();
    d->terno = t.sorte == 3;
    d->minimo = t.ritardi;
    const int celle = d->terno ? CELLETERNI : CELLEAMBI;
    const int segno = ordine == 2 ? -1 : 1;
    const int16_t* origine = t.valori.data() + static_cast<size_t>(ruota - 1) * celle;
    d->val.resize(celle);
    for (int i = 0; i < celle; ++i)
        d->val[i] = segno * origine[i];
    if (!d->minimo) d->terno ? limititerni(*d, a) : limitiambi(*d);
    return d;
}

std::unique_ptr<Camminata> camminata(const Datiruota& d, int k, const std::vector<int>& vincoli,
                                     Destinazione& dest, Avanzamento& a) {
    if (d.minimo) return std::make_unique<Camminoritardi>(d, k, vincoli, dest, a);
    if (d.terno) return std::make_unique<Camminoterni>(d, k, vincoli, dest, a);
    return std::make_unique<Camminoambi>(d, k, vincoli, dest, a);
}

} // namespace bolv
