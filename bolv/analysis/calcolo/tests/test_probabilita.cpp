// The equity index: payout times probability, only where the payout table has a value.
#include "combinatoria.h"
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
    const Caso casi[] = {
        {1, 1, 1.0 / 18},                 // payout 1, one chance in 18
        {2, 2, 7 * probabilita(2, 2)},    // payout of ambo on two numbers: 2 + 5
        {10, 5, 50 * probabilita(10, 5)}, // the table's last value
        {10, 1, 46 * probabilita(10, 1)}, // at least one of ten
        {1, 2, 0},                        // a sorte above the numbers played
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
