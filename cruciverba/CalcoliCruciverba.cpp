#include "CalcoliCruciverba.h"

#include <cassert>
#include <cmath>
#include <cstring>

namespace cruciverba {

namespace {

// The affine map of 100 steps of the generator, x -> a x + c modulo 2^32, worked out once.
struct Salto {
    uint32_t a;
    uint32_t c;
};

constexpr Salto SaltoDi(int passi) {
    Salto s{1u, 0u};
    for (int i = 0; i < passi; ++i)
        s = {s.a * 134775813u, s.c * 134775813u + 1u};
    return s;
}

constexpr Salto Salto100 = SaltoDi(100);

// How often each value 0..90 occurs in each row and each column. CorreggiDoppioni asks, for
// every repeat it finds, whether a candidate partner line holds a value; with these counts that
// is one look-up instead of a scan of the line, and when no candidate can fit the 101 draws of
// the search are known to fail and are skipped over in one step.
struct Conteggi {
    uint8_t riga[MassimoLato + 1][91];
    uint8_t colonna[MassimoLato + 1][91];

    Conteggi(const Griglia& g, int righe, int colonne) {
        std::memset(this, 0, sizeof *this);
        for (int r = 1; r <= righe; ++r)
            for (int c = 1; c <= colonne; ++c) {
                ++riga[r][g(r, c)];
                ++colonna[c][g(r, c)];
            }
    }
};

// Draws a partner offset in 0..m-1 as the search does: up to 101 draws, stopping at the first
// that fits (adatti holds one bit per offset); the last draw counts whether it fits or not.
uint32_t CercaPartner(Casuale& casuale, uint32_t m, uint32_t adatti) {
    if (adatti == 0) {
        casuale.Salta100();
        return casuale.Random(m);
    }
    uint32_t k = 0;
    for (int tentativo = 0; tentativo < 101; ++tentativo) {
        k = casuale.Random(m);
        if ((adatti >> k) & 1u) break;
    }
    return k;
}

// The grid seen line by line: by rows (line = row, position = column) or, transposed, by
// columns (line = column, position = row), so one repair serves both.
template <bool PerColonne> int32_t& Cella(Griglia& g, int linea, int posizione) {
    return PerColonne ? g(posizione, linea) : g(linea, posizione);
}

// Repairs a repeat of the value at (linea, posizione) within its line: a partner line after it
// is drawn, and the two cells at this position are exchanged.
template <bool PerColonne>
void CorreggiLinea(Griglia& g, int linee, int linea, int posizione,
                   uint8_t (&n)[MassimoLato + 1][91], Casuale& casuale) {
    const int32_t v = Cella<PerColonne>(g, linea, posizione);
    const auto m = static_cast<uint32_t>(linee - linea);
    uint32_t adatti = 0;
    for (uint32_t k = 0; k < m; ++k) {
        const int altra = linea + 1 + static_cast<int>(k);
        if (n[altra][v] == 0 && n[linea][Cella<PerColonne>(g, altra, posizione)] == 0)
            adatti |= 1u << k;
    }
    const int altra = linea + 1 + static_cast<int>(CercaPartner(casuale, m, adatti));
    const int32_t w = Cella<PerColonne>(g, altra, posizione);
    --n[linea][v], ++n[linea][w];
    --n[altra][w], ++n[altra][v];
    Cella<PerColonne>(g, linea, posizione) = w;
    Cella<PerColonne>(g, altra, posizione) = v;
}

// The count n of picked numbers: the positions holding a value in 1..90.
int ContaNumeri(const NumeriInGioco& numeri) {
    int n = 0;
    for (int32_t x : numeri)
        if (x >= 1 && x <= 90) ++n;
    return n;
}

// The picked number at position k (1-based); anything outside 1..90 counts as an empty cell.
int32_t Numero(const NumeriInGioco& numeri, int k) {
    const int32_t x = numeri[k - 1];
    return x >= 1 && x <= 90 ? x : 0;
}

// Quota fill then random fill, position p running down column 1, then column 2, and so on.
void Riempi(Griglia& g, const NumeriInGioco& numeri, int n, int righe, int colonne,
            Casuale& casuale) {
    const int celle = righe * colonne;
    const int quota = celle / n;
    int p = 0;
    auto metti = [&](int32_t x) {
        g(p % righe + 1, p / righe + 1) = x;
        ++p;
    };
    for (int k = 1; k <= n; ++k)
        for (int volta = 0; volta < quota; ++volta)
            metti(Numero(numeri, k));
    while (p < celle)
        metti(Numero(numeri, static_cast<int>(casuale.Random(n)) + 1));
}

bool Tentativo(Griglia& g, const NumeriInGioco& numeri, int n, int righe, int colonne,
               Casuale& casuale) {
    g.Svuota();
    Riempi(g, numeri, n, righe, colonne, casuale);
    for (int i = 0; i < righe * colonne * 1000; ++i)
        ScambiaCelle(g, righe, colonne, casuale);
    for (int passo = 1; passo <= 1001; ++passo) {
        for (int i = 0; i < 1000; ++i)
            ScambiaCelle(g, righe, colonne, casuale);
        CorreggiDoppioni(g, righe, colonne, casuale);
        if (SchemaValido(g, righe, colonne)) return true;
    }
    return false;
}

bool Contiene(const Griglia& g, int righe, int colonne, int32_t x) {
    for (int r = 1; r <= righe; ++r)
        for (int c = 1; c <= colonne; ++c)
            if (g(r, c) == x) return true;
    return false;
}

bool TuttiPresenti(const Griglia& g, const NumeriInGioco& numeri, int n, int righe, int colonne) {
    for (int k = 1; k <= n; ++k)
        if (!Contiene(g, righe, colonne, Numero(numeri, k))) return false;
    return true;
}

} // namespace

void Casuale::Salta100() {
    stato = stato * Salto100.a + Salto100.c;
}

void ScambiaCelle(Griglia& g, int righe, int colonne, Casuale& casuale) {
    const auto h = static_cast<uint32_t>(righe);
    const auto w = static_cast<uint32_t>(colonne);
    const int r1 = static_cast<int>(casuale.Random(h)) + 1;
    const int r2 = static_cast<int>(casuale.Random(h)) + 1;
    const int c1 = static_cast<int>(casuale.Random(w)) + 1;
    const int c2 = static_cast<int>(casuale.Random(w)) + 1;
    std::swap(g(r1, c1), g(r2, c2));
}

// Partners are always taken from later rows or later columns, so repeats lying wholly within the
// last row or the last column wait for the swaps of the next pass.
void CorreggiDoppioni(Griglia& g, int righe, int colonne, Casuale& casuale) {
    Conteggi n(g, righe, colonne);
    for (int r = 1; r < righe; ++r)
        for (int c = 1; c < colonne; ++c) {
            for (int c2 = c + 1; c2 <= colonne; ++c2)
                if (g(r, c2) == g(r, c)) CorreggiLinea<false>(g, righe, r, c, n.riga, casuale);
            for (int r3 = r + 1; r3 <= righe; ++r3)
                if (g(r3, c) == g(r, c)) CorreggiLinea<true>(g, colonne, c, r, n.colonna, casuale);
        }
}

bool SchemaValido(const Griglia& g, int righe, int colonne) {
    // One bit per value 0..90 seen so far in the line.
    auto senzaDoppioni = [](auto valore, int lunghezza) {
        uint64_t visti[2] = {0, 0};
        for (int i = 1; i <= lunghezza; ++i) {
            const auto x = static_cast<uint32_t>(valore(i));
            const uint64_t bit = uint64_t{1} << (x & 63u);
            if (visti[x >> 6] & bit) return false;
            visti[x >> 6] |= bit;
        }
        return true;
    };
    for (int r = 1; r <= righe; ++r)
        if (!senzaDoppioni([&](int c) { return g(r, c); }, colonne)) return false;
    for (int c = 1; c <= colonne; ++c)
        if (!senzaDoppioni([&](int r) { return g(r, c); }, righe)) return false;
    return true;
}

Generazione GeneraCruciverba(const NumeriInGioco& numeri, uint8_t colonne, uint8_t righe,
                             const std::function<void()>& gestisciMessaggi) {
    assert(righe >= 6 && righe <= MassimoLato && colonne >= 6 && colonne <= MassimoLato);
    auto messaggi = [&] {
        if (gestisciMessaggi) gestisciMessaggi();
    };
    messaggi();
    Casuale casuale{1717u};
    Generazione risultato{Griglia{}, EsitoGenerazione::Fallito};
    const int n = ContaNumeri(numeri);
    // With nothing picked there is nothing to place: a failure, not a division by zero.
    if (n > 0) {
        bool valido = false;
        for (int tentativo = 1; tentativo <= 10 && !valido; ++tentativo) {
            valido = Tentativo(risultato.griglia, numeri, n, righe, colonne, casuale);
            messaggi();
        }
        if (valido)
            risultato.esito = TuttiPresenti(risultato.griglia, numeri, n, righe, colonne)
                                  ? EsitoGenerazione::Completo
                                  : EsitoGenerazione::NumeriMancanti;
    }
    RandSeed = casuale.stato;
    return risultato;
}

int32_t NumeroCombinazioni(uint8_t n, uint8_t k) {
    const int differenza = n - k;
    double valore = 1.0;
    int d = 2;
    for (int m = k + 1; m <= n; ++m) {
        valore *= m;
        if (differenza >= d) valore /= d++;
    }
    while (differenza >= d)
        valore /= d++;
    if (valore < 2147483647.0) return static_cast<int32_t>(std::nearbyint(valore));
    return 2147483647;
}

const std::array<VoceSchema, NumeroSchemi + 1> TabellaSchemi = {{
    {"Scegli il cruciverba !", 0, 0},   {"6 x 6 = 9.600 Lire", 6, 6},
    {"6 x 7 = 39.200 Lire", 6, 7},      {"7 x 6 = 39.200 Lire", 7, 6},
    {"7 x 7 = 78.400 Lire", 7, 7},      {"6 x 8 = 140.800 Lire", 6, 8},
    {"8 x 6 = 140.800 Lire", 8, 6},     {"7 x 8 = 201.600 Lire", 7, 8},
    {"8 x 7 = 201.600 Lire", 8, 7},     {"8 x 8 = 358.400 Lire", 8, 8},
    {"6 x 9 = 410.400 Lire", 6, 9},     {"9 x 6 = 410.400 Lire", 9, 6},
    {"7 x 9 = 520.800 Lire", 7, 9},     {"9 x 7 = 520.800 Lire", 9, 7},
    {"8 x 9 = 739.200 Lire", 8, 9},     {"9 x 8 = 739.200 Lire", 9, 8},
    {"6 x 10 = 1.016.000 Lire", 6, 10}, {"10 x 6 = 1.016.000 Lire", 10, 6},
    {"9 x 9 = 1.209.600 Lire", 9, 9},   {"7 x 10 = 1.232.000 Lire", 7, 10},
    {"10 x 7 = 1.232.000 Lire", 10, 7}, {"8 x 10 = 1.568.000 Lire", 8, 10},
    {"10 x 8 = 1.568.000 Lire", 10, 8}, {"9 x 10 = 2.184.000 Lire", 9, 10},
    {"10 x 9 = 2.184.000 Lire", 10, 9}, {"10 x 10 = 3.360.000 Lire", 10, 10},
}};

} // namespace cruciverba
