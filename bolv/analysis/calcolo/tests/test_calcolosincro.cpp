// Synchronisms on hand-made draws: current and record delays by group size, a wheel not
// drawn at the end, the wheels' maxima, and delays up to 250.
#include "archiviomano.h"
#include "calcolosincro.h"

namespace bolv {
namespace {

class Sincro : public prova::Archiviomano {};

TEST_F(Sincro, ThreeDraws) {
    // Bari drawn three times; Cagliari at the first and the third draw; Firenze at the
    // first two only.
    const std::array<int, 5> a = {1, 2, 3, 4, 5}, b = {6, 7, 8, 9, 10}, c = {1, 11, 12, 13, 14},
                             d = {1, 2, 6, 7, 8};
    carica({prova::estrazione(0, {a, a, a}), prova::estrazione(1, {b, {}, b}),
            prova::estrazione(2, {c, d})});
    const Sincronismi r = calcolasincronismi(s);
    using Riga = std::array<int, 5>; // sizes 1..5, -1 none
    struct Caso {
        int w;
        Riga attuale, storico, estrazione;
    };
    const Caso casi[] = {
        // 1 11 12 13 14 at 0, 6..10 at 1, 2 3 4 5 at 2; five at delay 1 since draw 2.
        {1, {-1, -1, -1, 2, 1}, {-1, -1, -1, 2, 1}, {0, 0, 0, 3, 2}},
        // Delays in Cagliari's own draws: 3 4 5 out for one of them.
        {2, {-1, -1, 1, -1, 0}, {-1, -1, 1, -1, 0}, {0, 0, 3, 0, 1}},
        // Not drawn at the last draw: no current delays; records of its own draws.
        {3, {-1, -1, -1, -1, -1}, {-1, -1, -1, -1, 1}, {0, 0, 0, 0, 2}},
        {4, {-1, -1, -1, -1, -1}, {-1, -1, -1, -1, -1}, {0, 0, 0, 0, 0}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.w);
        EXPECT_EQ(r.attuale[k.w - 1], k.attuale);
        EXPECT_EQ(r.storico[k.w - 1], k.storico);
        EXPECT_EQ(r.estrazionestorico[k.w - 1], k.estrazione);
    }
    // The wheel of the largest value of each size, the earlier one on ties; none for 0.
    EXPECT_EQ(r.massimoattuale, (std::array<int, 5>{0, 0, 2, 1, 1}));
    EXPECT_EQ(r.massimostorico, (std::array<int, 5>{0, 0, 2, 1, 1}));
}

// Five numbers out since the first draw, the others coming round every 17 draws.
TEST_F(Sincro, DelaysUpTo250) {
    const struct { int estrazioni, attuale; } casi[] = {{251, 250}, {252, 16}};
    for (const auto& k : casi) {
        SCOPED_TRACE(k.estrazioni);
        std::vector<prova::Estrazione> e{prova::estrazione(0, {{{1, 2, 3, 4, 5}}})};
        for (int d = 2; d <= k.estrazioni; ++d) {
            const int base = 6 + ((d - 2) * 5) % 85;
            e.push_back(
                prova::estrazione(d - 1, {{{base, base + 1, base + 2, base + 3, base + 4}}}));
        }
        carica(e);
        EXPECT_EQ(calcolasincronismi(s).attuale[0][4], k.attuale);
    }
}

} // namespace
} // namespace bolv
