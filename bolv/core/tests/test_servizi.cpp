// Combinatorics, probabilities, number lists, the numeric routines and the
// text conversions the windows use.
#include "combinatoria.h"
#include "numerica.h"
#include "testo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace bolv {
namespace {

TEST(Combinatoria, BinomialCoefficientsExactIn64Bits) {
    struct Caso {
        int n, k;
        int64_t atteso;
    };
    const Caso casi[] = {
        {90, 5, 43949268},
        {90, 2, 4005},
        {90, 3, 117480},
        {5, 0, 1},
        {5, -1, 1},
        {3, 5, 0},
        {10, 1, 10},
        {0, 0, 1},
        {-3, 2, 0},
        {90, 85, 43949268},
        {90, 90, 1},
        {64, 6, 74974368},                             // past the 32-bit running product of old
        {90, 6, 622614630},                            // the last one within 32 bits for n = 90
        {90, 7, 7471375560LL},                         // beyond 32 bits: never wrapped
        {90, 45, std::numeric_limits<int64_t>::max()}, // beyond 64 bits: saturated
        {66, 33, 7219428434016265740LL},               // the largest C(n, n/2) in 63 bits
    };
    for (const auto& c : casi)
        EXPECT_EQ(numcombinazioni(c.n, c.k), c.atteso) << c.n << " " << c.k;
}

TEST(Combinatoria, ProbabilityOfAtLeastKOfNInOneWheel) {
    EXPECT_DOUBLE_EQ(probabilita(1, 1), 1.0 / 18);
    EXPECT_DOUBLE_EQ(probabilita(2, 2), 2.0 / 801);
    EXPECT_DOUBLE_EQ(probabilita(5, 5), 1.0 / 43949268);
    EXPECT_DOUBLE_EQ(probabilita(90, 5), 1.0);
    EXPECT_DOUBLE_EQ(probabilita(10, 1),
                     1.0 - 80.0 * 79 * 78 * 77 * 76 / (90.0 * 89 * 88 * 87 * 86));
    EXPECT_EQ(probabilita(3, 6), 0);
    EXPECT_EQ(probabilita(4, 5), 0); // four numbers never make a cinquina
    EXPECT_DOUBLE_EQ(ciclicita(1, 1), 18);
    EXPECT_DOUBLE_EQ(ciclicita(2, 2), 400.5);
    EXPECT_EQ(ciclicita(3, 6), 0);
}

TEST(NumberLists, CountAndSplitAtSeparators) {
    struct Caso {
        const char* testo;
        size_t separatori;
        std::vector<std::string> campi;
    };
    const Caso casi[] = {
        {"5.17.88", 2, {"5", "17", "88"}},
        {"", 0, {""}},
        {"3..7", 2, {"3", "", "7"}},
        {"12.", 1, {"12", ""}},
        {".", 1, {"", ""}},
        {"45", 0, {"45"}},
        {" 1 . 2", 1, {" 1 ", " 2"}},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(contaseparatori(c.testo, "."), c.separatori) << c.testo;
        EXPECT_EQ(dividistringa(c.testo, "."), c.campi) << c.testo;
        EXPECT_EQ(dividistringa(c.testo, ".").size(), c.separatori + 1);
    }
    // The count is as wide as the fields are many: 40,000 separators are not
    // the -25,536 of a 16-bit count.
    const std::string lunga(40000, '.');
    EXPECT_EQ(contaseparatori(lunga, "."), 40000u);
    EXPECT_EQ(contaseparatori(lunga + lunga, ".-"), 80000u);
    EXPECT_EQ(dividistringa(lunga, ".").size(), contaseparatori(lunga, ".") + 1);
    EXPECT_EQ(InCount(lunga, '.'), 40000u);
    // Every character of the separator set counts and splits.
    EXPECT_EQ(contaseparatori("1.2-3.4", ".-"), 3u);
    EXPECT_EQ(dividistringa("1.2-3", ".-"), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(Numerica, SmallRoutines) {
    EXPECT_EQ(InCount("1.2.3", '.'), 2u);
    EXPECT_EQ(InCount("", '.'), 0u);
    EXPECT_EQ(MinInt(5, 3), 3);
    EXPECT_EQ(MaxInt(-5, 3), 3);
}

TEST(Testo, PlainDecimalConversion) {
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-7), "-7");
}

TEST(Testo, NumericValueOfAText) {
    struct Caso {
        const char* testo;
        double atteso;
    };
    const Caso casi[] = {
        {"", 0},    {"  42", 42}, {"12abc", 12},  {"abc", 0}, {"-3", -3},  {"+8", 8},  {"2.5", 2.5},
        {"2,5", 2}, {" 7*", 7},   {"1.2.3", 1.2}, {"-", 0},   {".5", 0.5}, {"\t9", 9},
    };
    for (const auto& c : casi)
        EXPECT_DOUBLE_EQ(Val(c.testo), c.atteso) << c.testo;
}

// A number typed too long for a double is still far out of any range a caller
// checks, never 0; one too small for a double is 0.
TEST(Testo, NumbersBeyondADoubleKeepTheirSize) {
    const std::string cifre(310, '9');
    const std::string zeri(400, '0');
    struct Caso {
        std::string testo;
        double atteso;
    };
    const Caso casi[] = {
        {cifre, HUGE_VAL},      {"  -" + cifre + "x", -HUGE_VAL}, {"+1" + zeri + ".5", HUGE_VAL},
        {"0." + zeri + "1", 0}, {"-0." + zeri + "7", 0},          {zeri + "12", 12},
        {zeri + "." + zeri, 0},
    };
    for (const auto& c : casi)
        EXPECT_EQ(Val(c.testo), c.atteso) << c.testo.substr(0, 20);
    const double punto = Val(cifre); // an insertion point typed as 310 digits
    EXPECT_FALSE(punto >= 0 && punto <= 7999);
}

TEST(Testo, DatePatterns) {
    const Data data{2005, 2, 9};
    EXPECT_EQ(formatodata(data, "dd.mm.yy"), "09.02.05");
    EXPECT_EQ(formatodata(data, "dd.mm.yyyy"), "09.02.2005");
    EXPECT_EQ(formatodata(data, "ddd dd.mm.yyyy"), "mer 09.02.2005");
    EXPECT_EQ(formatodata({1939, 1, 7}, "ddd dd.mm.yy"), "sab 07.01.39");
}

} // namespace
} // namespace bolv
