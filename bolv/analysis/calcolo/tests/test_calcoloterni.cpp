// The never-drawn triples: which are listed, in what order, and the limit of the list.
#include "ambiterni.h"
#include "calcoloterni.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

// A window of ten draws; the triples given have the all-wheels delay of the whole window.
Stato vergini(const std::vector<std::array<int, 3>>& terni) {
    Stato s;
    s.primaestrazione = 11;
    s.ultimaestrazione = 20;
    s.ternattivi = true;
    s.ritarditerni.assign(NUMCELLETERNI, 3);
    s.presenzeterni.assign(NUMCELLETERNI, 0);
    for (const auto& [a, b, c] : terni) {
        s.ritarditerni[indicetabterni(11, indiceterno(a, b, c))] = 10;
        s.ritarditerni[indicetabterni(1, indiceterno(a, b, c))] = 10;
    }
    return s;
}

// The first n triples of the lexicographic order.
std::vector<std::array<int, 3>> primi(int n) {
    std::vector<std::array<int, 3>> t;
    for (int a = 1; a <= 88; ++a)
        for (int b = a + 1; b <= 89; ++b)
            for (int c = b + 1; c <= 90 && static_cast<int>(t.size()) < n; ++c)
                t.push_back({a, b, c});
    return t;
}

TEST(Ternivergini, ListedInLexicographicOrder) {
    const std::vector<std::array<int, 3>> terni = {{1, 2, 3}, {1, 2, 90}, {1, 3, 4}, {88, 89, 90}};
    Stato s = vergini({{88, 89, 90}, {1, 3, 4}, {1, 2, 3}, {1, 2, 90}});
    // Never drawn on one wheel only is not never drawn.
    s.ritarditerni[indicetabterni(1, indiceterno(5, 6, 7))] = 10;
    const Ternivergini e = elencaternivergini(s, *tabellaterni(s));
    EXPECT_FALSE(e.troppi);
    EXPECT_EQ(e.terni, terni);
}

TEST(Ternivergini, UpToTwentyThousand) {
    const struct {
        int quanti;
        bool troppi;
    } casi[] = {{0, false}, {MAXTERNIVERGINI, false}, {MAXTERNIVERGINI + 1, true}};
    for (const auto& k : casi) {
        SCOPED_TRACE(k.quanti);
        const std::vector<std::array<int, 3>> terni = primi(k.quanti);
        const Stato s = vergini(terni);
        const Ternivergini e = elencaternivergini(s, *tabellaterni(s));
        EXPECT_EQ(e.troppi, k.troppi);
        EXPECT_EQ(e.terni, (k.troppi ? std::vector<std::array<int, 3>>{} : terni));
    }
}

} // namespace
} // namespace bolv
