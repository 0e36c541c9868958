#include "stato.h"

#include <gtest/gtest.h>

using bolv::Data;

TEST(Data, WeekdayWithSundayOne) {
    struct Caso {
        Data data;
        int atteso;
    };
    const Caso casi[] = {
        {{1939, 1, 7}, 7},   // the first draw of the archive, a Saturday
        {{2005, 2, 9}, 4},   // a Wednesday
        {{2026, 12, 10}, 5}, // a Thursday
        {{2000, 2, 29}, 3},  // leap day, a Tuesday
    };
    for (const auto& c : casi)
        EXPECT_EQ(c.data.giornosettimana(), c.atteso) << c.data.anno;
}

TEST(Data, CalendarCarry) {
    EXPECT_EQ(Data::normalizzata(1939, 3, 0), (Data{1939, 2, 28}));
    EXPECT_EQ(Data::normalizzata(1940, 3, 0), (Data{1940, 2, 29}));
    EXPECT_EQ(Data::normalizzata(1939, 0, 5), (Data{1938, 12, 5}));
    EXPECT_EQ(Data::normalizzata(1900, 0, 0), (Data{1899, 11, 30}));
    EXPECT_EQ(Data::normalizzata(2026, 12, 10), (Data{2026, 12, 10}));
}
