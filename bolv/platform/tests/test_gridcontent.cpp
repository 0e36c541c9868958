// The grid's content without any widget: sizes, filling rows, sorting, merged
// headings, copy text.
#include "gridcontent.h"
#include "textformat.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

GridContent columnOf(const QStringList& texts, int col = 1) {
    GridContent g(texts.size() + 1, 3);
    g.setText(0, col, QStringLiteral("titolo"));
    for (int i = 0; i < texts.size(); ++i) {
        g.setText(i + 1, col, texts[i]);
        g.setText(i + 1, 0, QString::number(i + 1)); // where each row came from
    }
    return g;
}

QStringList column(const GridContent& g, int col) {
    QStringList out;
    for (int r = g.fixedRows(); r < g.rows(); ++r)
        out << g.text(r, col);
    return out;
}

TEST(GridContent, ResizeKeepsTheCellsThatRemain) {
    GridContent g(3, 3);
    g.setText(1, 1, QStringLiteral("x"));
    g.setBold(2, 2, true);
    g.resize(5, 2);
    EXPECT_EQ(g.text(1, 1), "x");
    EXPECT_EQ(g.text(4, 1), "");
    g.resize(3, 3);
    EXPECT_FALSE(g.bold(2, 2)); // the column was dropped in between
    g.setFixedRows(9);
    EXPECT_EQ(g.fixedRows(), 3); // never more than the rows
}

TEST(GridContent, SortsBelowTheFixedRows) {
    struct Caso {
        const char* nome;
        SortMode modo;
        QStringList testi, attesi;
    } casi[] = {
        {"numeric, largest first, by leading value",
         SortMode::NumericDescending,
         {QStringLiteral(" 9"), QStringLiteral(" 120"), QStringLiteral("15 su Bari"),
          QStringLiteral("")},
         {QStringLiteral(" 120"), QStringLiteral("15 su Bari"), QStringLiteral(" 9"),
          QStringLiteral("")}},
        {"ascending text",
         SortMode::TextAscending,
         {QStringLiteral("12.45"), QStringLiteral("01.90"), QStringLiteral("07.08")},
         {QStringLiteral("01.90"), QStringLiteral("07.08"), QStringLiteral("12.45")}},
        {"numeric ascending",
         SortMode::NumericAscending,
         {QStringLiteral("3"), QStringLiteral("-1"), QStringLiteral("2")},
         {QStringLiteral("-1"), QStringLiteral("2"), QStringLiteral("3")}},
    };
    for (const Caso& c : casi) {
        GridContent g = columnOf(c.testi);
        g.sortRows(1, c.modo);
        EXPECT_EQ(column(g, 1), c.attesi) << c.nome;
        EXPECT_EQ(g.text(0, 1), "titolo") << c.nome;
    }
}

TEST(GridContent, SortMovesWholeRowsAndKeepsEqualKeysInOrder) {
    GridContent g = columnOf(
        {QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("7")});
    g.setBackColor(2, 1, Qt::green); // the first "7"
    g.sortRows(1, SortMode::NumericDescending);
    EXPECT_EQ(column(g, 0), QStringList({"2", "4", "1", "3"}));
    EXPECT_EQ(g.backColor(1, 1), QColor(Qt::green));
}

// The order of the rows below the fixed ones as the sort had it when every
// comparison read the cells' texts: an insertion sort (stable by construction)
// over the texts, parsed again at each comparison.
std::vector<int> referenceOrder(const GridContent& g, int col, SortMode mode) {
    auto text = [&](int r) -> const QString& { return g.text(r, col); };
    auto before = [&](int a, int b) {
        switch (mode) {
        case SortMode::NumericDescending:
            return leadingValue(text(a)) > leadingValue(text(b));
        case SortMode::NumericAscending:
            return leadingValue(text(a)) < leadingValue(text(b));
        case SortMode::TextAscending:
            return QString::compare(text(a), text(b), Qt::CaseSensitive) < 0;
        case SortMode::TextAscendingNoCase:
            return QString::compare(text(a), text(b), Qt::CaseInsensitive) < 0;
        case SortMode::TextDescending:
            return QString::compare(text(a), text(b), Qt::CaseSensitive) > 0;
        }
        return false;
    };
    std::vector<int> order;
    for (int r = g.fixedRows(); r < g.rows(); ++r) {
        auto at = order.end();
        while (at != order.begin() && before(r, *(at - 1)))
            --at;
        order.insert(at, r);
    }
    return order;
}

TEST(GridContent, SortMatchesTheComparisonOfTheTextsInEveryMode) {
    // Numbers as the windows write them (" 12"), the same value written in
    // other ways, negatives, decimals, texts a number begins, texts without a
    // number, empty and blank cells, letters that differ only in case, numbers
    // beyond the range of a double.
    QStringList mixed = {" 12",    "12",   " 3", "",    "-3",  "  -3",      "abc", " 12",
                         "0",      "-0",   "+5", " 5",  "5.0", "5 su Bari", "\t7", "x12",
                         "1.5",    "1.50", ".5", "-.5", "Abc", "ABC",       "b",   "\u00e8",
                         "\u00c8", "e",    "E",  " ",   "  ",  "007",       "7",   "-12.5"};
    const QString huge(400, QLatin1Char('9'));
    mixed << huge << QLatin1Char('-') + huge;
    QStringList generated; // a longer table, where the sort merges runs
    unsigned seed = 7;
    for (int i = 0; i < 600; ++i) {
        seed = seed * 1103515245u + 12345u;
        generated << mixed[(seed >> 8) % mixed.size()];
    }
    const struct Caso {
        const char* nome;
        int fixedRows;
        QStringList texts;
    } casi[] = {
        {"mixed", 1, mixed},
        {"mixed, below three fixed rows", 3, mixed},
        {"one value written in many ways", 1, {"5", " 5", "+5", "5.0", "  5abc", "05"}},
        {"no numbers at all", 1, {"a", "B", "", "c", "A", "b"}},
        {"generated with many ties", 1, generated},
    };
    const SortMode modes[] = {SortMode::NumericDescending, SortMode::NumericAscending,
                              SortMode::TextAscending, SortMode::TextAscendingNoCase,
                              SortMode::TextDescending};
    for (const Caso& c : casi)
        for (SortMode mode : modes) {
            GridContent g = columnOf(c.texts);
            g.setFixedRows(c.fixedRows);
            const std::vector<int> expected = referenceOrder(g, 1, mode);
            g.sortRows(1, mode);
            std::vector<int> order; // where each row came from
            for (int r = g.fixedRows(); r < g.rows(); ++r)
                order.push_back(g.text(r, 0).toInt());
            EXPECT_EQ(order, expected) << c.nome << ", mode " << static_cast<int>(mode);
            for (int r = 0; r < c.fixedRows; ++r) // the fixed rows stay
                EXPECT_EQ(g.text(r, 0), r == 0 ? QString() : QString::number(r)) << c.nome;
        }
}

TEST(GridContent, FillRowsSetsWholeRowsFromOneList) {
    const struct Caso {
        const char* nome;
        int rows, firstRow, count;
        int expectedRows;
    } casi[] = {
        {"within the rows", 6, 1, 6, 6},   {"a short last row", 6, 2, 5, 6},
        {"growing the grid", 2, 1, 10, 5}, {"past the last row", 2, 4, 3, 5},
        {"nothing to fill", 3, 1, 0, 3},   {"a row before the first", 3, -1, 3, 3},
    };
    for (const Caso& c : casi) {
        GridContent g(c.rows, 3);
        for (int r = 0; r < c.rows; ++r)
            for (int col = 0; col < 3; ++col) {
                g.setText(r, col, QStringLiteral("old"));
                g.setBold(r, col, true);
            }
        QStringList texts;
        for (int i = 0; i < c.count; ++i)
            texts << QString::number(i);
        g.fillRows(c.firstRow, texts);
        ASSERT_EQ(g.rows(), c.expectedRows) << c.nome;
        const bool filling = c.firstRow >= 0;
        for (int r = 0; r < g.rows(); ++r)
            for (int col = 0; col < 3; ++col) {
                const int i = (r - c.firstRow) * 3 + col;
                const QString before = r < c.rows ? QStringLiteral("old") : QString();
                EXPECT_EQ(g.text(r, col),
                          filling && i >= 0 && i < c.count ? QString::number(i) : before)
                    << c.nome << " at " << r << "," << col;
                EXPECT_EQ(g.bold(r, col), r < c.rows) << c.nome; // formatting stays
            }
    }
}

TEST(GridContent, MergesRunsOfEqualHeadingsInTheRowsSwitchedOn) {
    GridContent g(3, 6);
    const QStringList heading = {"", "Bari", "Bari", "Cagliari", "Cagliari", "Cagliari"};
    for (int c = 0; c < 6; ++c) {
        g.setText(0, c, heading[c]);
        g.setText(1, c, heading[c]); // same texts, but the row is not switched on
    }
    g.setMergeRow(0, true);
    EXPECT_TRUE(g.mergedRanges().empty()); // merging is off by default
    g.setMergeMode(MergeMode::RestrictRows);
    const std::vector<CellRange> r = g.mergedRanges();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ((std::array{r[0].top, r[0].left, r[0].bottom, r[0].right}), (std::array{0, 1, 0, 2}));
    EXPECT_EQ((std::array{r[1].top, r[1].left, r[1].bottom, r[1].right}), (std::array{0, 3, 0, 5}));
}

TEST(GridContent, ClipTextSeparatesCellsByTabsAndRowsByLineBreaks) {
    GridContent g(3, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            g.setText(r, c, QStringLiteral("%1%2").arg(r).arg(c));
    EXPECT_EQ(g.clipText({1, 1, 2, 2}), "11\t12\n21\t22");
    EXPECT_EQ(g.clipText({0, 2, 0, 2}), "02");
}

} // namespace
} // namespace platform
