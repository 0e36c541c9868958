// The table of all pairs: the copy of the three tables on every wheel, the head-number
// filter and the orders.
#include "calcoloambi.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

// A value that tells table, wheel and pair apart, within 16 bits.
int valore(int tabella, int w, int a, int b) {
    return (tabella * 11 + w - 1) * 900 + (a * 13 + b * 7) % 900;
}

Stato tabellefinte() {
    Stato s;
    s.ambiattivi = true;
    std::vector<int16_t>* tabelle[3] = {&s.ritardiambi, &s.storiciambi, &s.presenzeambi};
    for (int t = 0; t < 3; ++t) {
        tabelle[t]->assign(NUMAMBI, 0);
        for (int w = 1; w <= 11; ++w)
            for (int a = 1; a <= 89; ++a)
                for (int b = a + 1; b <= 90; ++b)
                    (*tabelle[t])[indiceambo(w, a, b)] = static_cast<int16_t>(valore(t, w, a, b));
    }
    return s;
}

TEST(Ambi, TheCopyKeepsEveryTableWheelAndPairApart) {
    const Stato s = tabellefinte();
    const std::vector<Ambo> ambi = copiaambi(*tabellaambi(s));
    ASSERT_EQ(ambi.size(), 4005u);
    const std::array<int, 2> attesi[] = {{1, 2}, {1, 90}, {2, 3}, {44, 45}, {89, 90}};
    for (const auto& [a, b] : attesi) {
        const int k = (a - 1) * (180 - a) / 2 + (b - a - 1); // place in pair order
        ASSERT_EQ(ambi[k].a, a);
        ASSERT_EQ(ambi[k].b, b);
        for (int t = 0; t < 3; ++t)
            for (int w = 1; w <= 11; ++w)
                EXPECT_EQ(ambi[k].valori[t][w - 1], valore(t, w, a, b))
                    << "table " << t << " wheel " << w << " pair " << a << "." << b;
    }
}

TEST(Ambi, HeadNumberIsNessunoOrOneToNinety) {
    const struct {
        const char* testo;
        std::optional<int> h;
    } casi[] = {
        {"Nessuno", 0},
        {" 1", 1},
        {"1", 1},
        {" 90", 90},
        {"45 ", 45},
        {"0", std::nullopt},
        {"91", std::nullopt},
        {"255", std::nullopt},
        {"256", std::nullopt},
        {"-3", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"12abc", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& k : casi)
        EXPECT_EQ(capogiocoambi(k.testo), k.h) << '"' << k.testo << '"';
}

TEST(Ambi, FilterAndOrder) {
    const Stato s = tabellefinte();
    const std::vector<Ambo> ambi = copiaambi(*tabellaambi(s));
    const auto coppia = [&](int k) { return std::array{ambi[k].a, ambi[k].b}; };

    const std::vector<int> tutti = righeambi(ambi, 0, 0, 12);
    EXPECT_EQ(tutti.size(), 4005u);
    const std::vector<int> uno = righeambi(ambi, 1, 0, 12);
    ASSERT_EQ(uno.size(), 89u);
    EXPECT_EQ(coppia(uno.front()), (std::array{1, 2}));
    EXPECT_EQ(coppia(uno.back()), (std::array{1, 90}));
    const std::vector<int> novanta = righeambi(ambi, 90, 0, 12);
    ASSERT_EQ(novanta.size(), 89u);
    EXPECT_EQ(coppia(novanta.front()), (std::array{1, 90}));
    EXPECT_EQ(coppia(novanta.back()), (std::array{89, 90}));

    // By a wheel column: that wheel's values of the chosen statistic, largest first.
    for (int statistica = 0; statistica < 3; ++statistica)
        for (int colonna : {1, 7, 11}) {
            const std::vector<int> r = righeambi(ambi, 0, statistica, colonna);
            for (size_t i = 1; i < r.size(); ++i) {
                const int prima = ambi[r[i - 1]].valori[statistica][colonna - 1];
                const int dopo = ambi[r[i]].valori[statistica][colonna - 1];
                ASSERT_TRUE(prima > dopo || (prima == dopo && r[i - 1] < r[i]));
            }
        }
}

} // namespace
} // namespace bolv
