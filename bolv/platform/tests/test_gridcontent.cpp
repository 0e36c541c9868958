// The grid's content without any widget: sizes, sorting, merged headings, copy text.
#include "gridcontent.h"

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
