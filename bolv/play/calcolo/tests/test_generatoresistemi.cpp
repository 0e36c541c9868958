// The systems generator: the typed list's checks in their order, the size refused before
// anything is built, the examples of integral and orthogonal systems, and the orthogonal
// covering checked against a plain greedy enumeration on random small inputs.
#include "combinatoria.h"
#include "generatoresistemi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>

namespace bolv {
namespace {

std::vector<std::string> righe(const Sistema& s) {
    std::vector<std::string> t;
    for (size_t i = 0; i < s.righe(); ++i)
        t.push_back(testoriga(s.riga(i)));
    return t;
}

std::vector<std::string> sviluppa(const std::string& testo, int k, int sorte, Tiposistema tipo) {
    const Letturasistema l = leggisistema(testo, k, sorte, tipo);
    EXPECT_EQ(l.errore, Erroresistema::nessuno) << testo;
    Avanzamento a;
    return righe(generasistema(l.richiesta, a));
}

// "1.2. ... .ultimo".
std::string dauno(int ultimo) {
    std::string t = "1";
    for (int i = 2; i <= ultimo; ++i)
        t += "." + std::to_string(i);
    return t;
}

TEST(Generatoresistemi, LetturaRifiutata) {
    const std::string novantuno = dauno(91);
    const struct {
        const char* nome;
        std::string testo;
        int k, sorte;
        Tiposistema tipo;
        Erroresistema errore;
    } casi[] = {
        {"empty", "", 2, 2, Tiposistema::integrale, Erroresistema::vuota},
        {"letter", "1.2a", 2, 2, Tiposistema::integrale, Erroresistema::caratteri},
        {"blank", "1. 2", 2, 2, Tiposistema::integrale, Erroresistema::caratteri},
        {"minus", "-1.2", 2, 2, Tiposistema::integrale, Erroresistema::caratteri},
        // The count of fields is judged before any field, so the 91 would not be reached.
        {"91 fields", novantuno, 2, 2, Tiposistema::integrale, Erroresistema::oltre90},
        {"final point", "1.2.", 2, 2, Tiposistema::integrale, Erroresistema::nullo},
        {"leading point", ".1.2", 2, 2, Tiposistema::integrale, Erroresistema::nullo},
        {"double point", "1..2", 2, 2, Tiposistema::integrale, Erroresistema::nullo},
        {"zeros", "1.000.2", 2, 2, Tiposistema::integrale, Erroresistema::nullo},
        {"null before a 95", "95.0", 2, 2, Tiposistema::integrale, Erroresistema::nullo},
        {"above 90", "10.20.95", 2, 2, Tiposistema::integrale, Erroresistema::nonvalidi},
        {"very long field", "1.99999999999999999999", 2, 2, Tiposistema::integrale,
         Erroresistema::nonvalidi},
        {"repeat", "7.8.7", 2, 2, Tiposistema::integrale, Erroresistema::uguali},
        {"repeat with leading zero", "7.8.07", 2, 2, Tiposistema::integrale, Erroresistema::uguali},
        {"k below ambo", "1.2.3", 1, 2, Tiposistema::ortogonale, Erroresistema::eccede},
        {"k below terno", "1.2.3", 2, 3, Tiposistema::ortogonale, Erroresistema::eccede},
    };
    for (const auto& c : casi)
        EXPECT_EQ(leggisistema(c.testo, c.k, c.sorte, c.tipo).errore, c.errore) << c.nome;
}

// Sizes are exact in 64 bits: C(90, 7) is beyond 32 bits and still told as it is.
TEST(Generatoresistemi, TroppoGrandeConLaSuaDimensione) {
    const std::string novanta = dauno(90);
    const struct {
        int k;
        int64_t dimensione;
        bool rifiutato;
    } casi[] = {
        {2, 4005, false},        {3, 117480, false},          {4, 2555190, true},
        {7, 7471375560LL, true}, {10, 5720645481903LL, true},
    };
    for (const auto& c : casi) {
        const Letturasistema l = leggisistema(novanta, c.k, 2, Tiposistema::integrale);
        EXPECT_EQ(l.dimensione, c.dimensione) << c.k;
        EXPECT_EQ(l.errore == Erroresistema::troppogrande, c.rifiutato) << c.k;
    }
    // The orthogonal system of the same numbers is never too large.
    EXPECT_EQ(leggisistema(novanta, 10, 3, Tiposistema::ortogonale).errore, Erroresistema::nessuno);
}

TEST(Generatoresistemi, Esempi) {
    using V = std::vector<std::string>;
    const struct {
        const char* nome;
        std::string testo;
        int k, sorte;
        Tiposistema tipo;
        V righe;
    } casi[] = {
        {"integral", "1.2.3.4", 2, 2, Tiposistema::integrale,
         V{"01.02", "01.03", "01.04", "02.03", "02.04", "03.04"}},
        {"typed order kept", "45.3.12", 2, 2, Tiposistema::integrale, V{"45.03", "45.12", "03.12"}},
        {"integral, k above n", "1.2", 3, 2, Tiposistema::integrale, V{}},
        {"integral, k = n", "9.8.7", 3, 2, Tiposistema::integrale, V{"09.08.07"}},
        {"orthogonal ambo", "1.2.3.4", 3, 2, Tiposistema::ortogonale,
         V{"01.02.03", "01.04", "02.04", "03.04"}},
        {"orthogonal ambata", "1.2.3.4.5.6", 2, 1, Tiposistema::ortogonale,
         V{"01.02", "03.04", "05.06"}},
        {"orthogonal ambata, odd", "1.2.3", 2, 1, Tiposistema::ortogonale, V{"01.02", "03"}},
        {"orthogonal terno, k = s", "1.2.3.4", 3, 3, Tiposistema::ortogonale,
         V{"01.02.03", "01.02.04", "01.03.04", "02.03.04"}},
        {"orthogonal, fewer numbers than the sorte", "1.2", 3, 3, Tiposistema::ortogonale, V{}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(sviluppa(c.testo, c.k, c.sorte, c.tipo), c.righe) << c.nome;
}

// The greedy covering as plainly as it can be said: every m-subset in lexicographic order,
// for m = k down to s, taken when none of its s-subsets is taken yet.
std::vector<std::vector<int>> ortogonalepiano(int n, int k, int s) {
    std::vector<std::vector<int>> prese;
    std::set<std::vector<int>> coperti;
    const auto sottoinsiemi = [](const std::vector<int>& v, int m) {
        std::vector<std::vector<int>> tutti;
        for (unsigned maschera = 0; maschera < (1u << v.size()); ++maschera) {
            if (__builtin_popcount(maschera) != m) continue;
            std::vector<int> sub;
            for (size_t i = 0; i < v.size(); ++i)
                if (maschera & (1u << i)) sub.push_back(v[i]);
            tutti.push_back(sub);
        }
        return tutti;
    };
    std::vector<int> tutte(n);
    for (int i = 0; i < n; ++i)
        tutte[i] = i;
    for (int m = k; m >= s; --m) {
        if (m > n) continue;
        auto linee = sottoinsiemi(tutte, m);
        std::sort(linee.begin(), linee.end());
        for (const auto& l : linee) {
            const auto parti = sottoinsiemi(l, s);
            if (std::any_of(parti.begin(), parti.end(), [&](auto& p) { return coperti.count(p); }))
                continue;
            prese.push_back(l);
            coperti.insert(parti.begin(), parti.end());
        }
    }
    return prese;
}

TEST(Generatoresistemi, OrtogonaleComeLaEnumerazionePianaECopreOgniSottoinsiemeUnaVolta) {
    std::mt19937 caso(20261211);
    for (int prova = 0; prova < 120; ++prova) {
        const int n = std::uniform_int_distribution<int>(1, 13)(caso);
        const int s = std::uniform_int_distribution<int>(1, 3)(caso);
        const int k = std::uniform_int_distribution<int>(s, 10)(caso);
        std::vector<int> pool(90);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), caso);
        Richiestasistema r{{pool.begin(), pool.begin() + n}, k, s, Tiposistema::ortogonale};
        Avanzamento a;
        const Sistema sistema = generasistema(r, a);
        const std::string traccia =
            "n=" + std::to_string(n) + " k=" + std::to_string(k) + " s=" + std::to_string(s);

        std::vector<std::vector<int>> attese;
        for (const auto& l : ortogonalepiano(n, k, s)) {
            std::vector<int> numeri;
            for (int p : l)
                numeri.push_back(r.numeri[p]);
            attese.push_back(numeri);
        }
        ASSERT_EQ(sistema.righe(), attese.size()) << traccia;
        std::map<std::set<int>, int> volte;
        for (size_t i = 0; i < sistema.righe(); ++i) {
            const auto riga = sistema.riga(i);
            ASSERT_EQ(std::vector<int>(riga.begin(), riga.end()), attese[i]) << traccia;
            // Every s-subset of the line, counted.
            std::vector<int> v(riga.begin(), riga.end());
            for (unsigned m = 0; m < (1u << v.size()); ++m) {
                if (__builtin_popcount(m) != s) continue;
                std::set<int> sub;
                for (size_t j = 0; j < v.size(); ++j)
                    if (m & (1u << j)) sub.insert(v[j]);
                ++volte[sub];
            }
        }
        EXPECT_EQ(static_cast<int64_t>(volte.size()), numcombinazioni(n, s)) << traccia;
        for (const auto& [sub, quante] : volte)
            EXPECT_EQ(quante, 1) << traccia;
    }
}

TEST(Generatoresistemi, InterrottoTieneLeRigheTrovate) {
    for (Tiposistema tipo : {Tiposistema::integrale, Tiposistema::ortogonale}) {
        Richiestasistema r{{1, 2, 3, 4, 5, 6, 7, 8}, 3, 2, tipo};
        Avanzamento a;
        a.interrompi();
        EXPECT_EQ(generasistema(r, a).righe(), 0u);
    }
}

} // namespace
} // namespace bolv
