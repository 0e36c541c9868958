// The equity index: payout times probability, only where the payout table has a value.
#include "probabilita.h"

#include <gtest/gtest.h>

namespace bolv {
namespace {

TEST(IndiceEquita, PayoutOverCyclicityWithinTheTable) {
    std::array<float, NUMVINCITE> vincite{};
    for (int i = 0; i < NUMVINCITE; ++i)
        vincite[i] = static_cast<float>(i + 1); // payout (k, n) = k + 5 (n - 1)
    struct Caso {
        int n, k;
        double atteso;
    };
    // Chances counted by hand among the C(90, 5) = 43,949,268 draws of one wheel.
    constexpr double ESTRAZIONI = 43949268;
    const Caso casi[] = {
        {1, 1, 1.0 / 18}, // payout 1, one chance in 18
        // Payout of ambo on two numbers: 2 + 5; both drawn with 3 of the other 88:
        // C(88, 3) = 109,736 draws, that is 2 in 801.
        {2, 2, 7 * 2.0 / 801},
        // Payout 2 + 10; two of the three with 3 of the other 87, or all three with 2:
        // 3 C(87, 3) + C(87, 2) = 317,985 + 3,741 draws.
        {3, 2, 12 * 321726 / ESTRAZIONI},
        // The table's last value; C(10, 5) = 252 draws.
        {10, 5, 50 * 252 / ESTRAZIONI},
        // At least one of ten: every draw but the C(80, 5) = 24,040,016 without any of them.
        {10, 1, 46 * (43949268 - 24040016) / ESTRAZIONI},
        {1, 2, 0}, // a sorte above the numbers played
        {3, 4, 0},
        {11, 1, 0}, // past the payout table
        {90, 5, 0},
    };
    for (const Caso& c : casi)
        EXPECT_NEAR(indiceequita(vincite, c.n, c.k), c.atteso, 1e-12) << c.n << " " << c.k;
    EXPECT_EQ(vincita(vincite, 3, 4), 18.0f);
}

} // namespace
} // namespace bolv
