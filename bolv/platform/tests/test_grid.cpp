// The grid widget: its model, batch filling, filling whole rows, current cell
// and selection, widths in twips, merged headings and sorting through the widget.
#include "grid.h"
#include "intestazioni.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <optional>

using namespace platform;

class TestGrid : public QObject {
    Q_OBJECT
  private slots:
    void modelPassesTheTester();
    void fillingInABatchTellsTheViewOnce();
    void fillRowsTellsTheViewOnce_data();
    void fillRowsTellsTheViewOnce();
    void changesOutsideABatchAreToldOnceFromTheEventLoop();
    void fixedCellsAreNotSelectable();
    void currentCellAndSelectionCorners();
    void widthsAreTwips();
    void fitColWidthShowsTheTextsWhole();
    void alignedColumnsCentreTheirHeadings();
    void draggingAHeadingEdgeSetsTheWidth_data();
    void draggingAHeadingEdgeSetsTheWidth();
    void mergedHeadingsBecomeSpans();
    void headingsStandOverTheirColumns_data();
    void headingsStandOverTheirColumns();
    void sortThroughTheWidget();
    void cellPressReportsRowColumnAndButton();
    void fixedCellsStayInView_data();
    void fixedCellsStayInView();
};

void TestGrid::modelPassesTheTester() {
    Grid grid;
    QAbstractItemModelTester tester(grid.gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setCols(4);
    grid.setRows(20);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    {
        Grid::Batch batch(grid);
        grid.setRows(30);
        for (int r = 0; r < 30; ++r)
            grid.setTextMatrix(r, 1, QString::number(r));
        grid.setCols(3);
    }
    grid.setCellForeColor(2, 2, Qt::red);
    grid.setCellFontBold(2, 2, true);
    grid.sort(1, SortMode::NumericDescending);
    QCoreApplication::processEvents();
    grid.setRows(5);
    grid.clear();
    QCoreApplication::processEvents();
}

void TestGrid::fillingInABatchTellsTheViewOnce() {
    Grid grid;
    QSignalSpy changed(grid.gridModel(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(grid.gridModel(), &QAbstractItemModel::modelReset);
    {
        Grid::Batch batch(grid);
        grid.setCols(12);
        grid.setRows(4001); // 48,012 cells
        for (int r = 1; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c)
                grid.setTextMatrix(r, c, QString::number(r * c));
        QCOMPARE(changed.count() + reset.count(), 0);
    }
    QCOMPARE(reset.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 0); // the reset told everything
    QCOMPARE(grid.textMatrix(4000, 11), QStringLiteral("44000"));
    QCOMPARE(grid.model()->data(grid.model()->index(4000, 11)).toString(), QStringLiteral("44000"));
}

void TestGrid::fillRowsTellsTheViewOnce_data() {
    QTest::addColumn<int>("rowsBefore");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("inBatch");
    QTest::addColumn<int>("resets");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("growing") << 1 << 1 << 3000 << false << 1 << 0 << 1001;
    QTest::newRow("growing, in a batch") << 1 << 1 << 3000 << true << 1 << 0 << 1001;
    QTest::newRow("within the rows") << 20 << 5 << 8 << false << 0 << 1 << 20;
    QTest::newRow("within the rows, in a batch") << 20 << 5 << 8 << true << 0 << 1 << 20;
    QTest::newRow("nothing to fill") << 20 << 5 << 0 << false << 0 << 0 << 20;
}

void TestGrid::fillRowsTellsTheViewOnce() {
    QFETCH(int, rowsBefore);
    QFETCH(int, firstRow);
    QFETCH(int, count);
    QFETCH(bool, inBatch);
    QFETCH(int, resets);
    QFETCH(int, changes);
    QFETCH(int, rowsAfter);
    Grid grid;
    QAbstractItemModelTester tester(grid.gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setCols(3);
    grid.setRows(rowsBefore);
    QSignalSpy changed(grid.gridModel(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(grid.gridModel(), &QAbstractItemModel::modelReset);
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::number(i);
    {
        std::optional<Grid::Batch> batch;
        if (inBatch) batch.emplace(grid);
        grid.fillRows(firstRow, texts);
        if (inBatch) QCOMPARE(changed.count() + reset.count(), 0);
    }
    QCoreApplication::processEvents();
    QCOMPARE(reset.count(), resets);
    QCOMPARE(changed.count(), changes);
    QCOMPARE(grid.rows(), rowsAfter);
    QCOMPARE(grid.verticalHeader()->count(), rowsAfter); // the view has every row
    const int lastRow = firstRow + (count - 1) / 3;
    if (changes == 1) {
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), firstRow);
        QCOMPARE(changed.at(0).at(1).toModelIndex().row(), lastRow);
    }
    if (count > 0)
        QCOMPARE(grid.model()->data(grid.model()->index(lastRow, (count - 1) % 3)).toString(),
                 QString::number(count - 1));
}

void TestGrid::changesOutsideABatchAreToldOnceFromTheEventLoop() {
    Grid grid;
    grid.setRows(100);
    grid.setCols(5);
    QSignalSpy changed(grid.gridModel(), &QAbstractItemModel::dataChanged);
    for (int r = 10; r < 20; ++r)
        grid.setTextMatrix(r, 2, QStringLiteral("x"));
    grid.setCellBackColor(30, 4, Qt::yellow);
    QCOMPARE(changed.count(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 1);
    const auto top = changed.at(0).at(0).toModelIndex();
    const auto bottom = changed.at(0).at(1).toModelIndex();
    QCOMPARE(QPoint(top.row(), top.column()), QPoint(10, 2));
    QCOMPARE(QPoint(bottom.row(), bottom.column()), QPoint(30, 4));
    QCOMPARE(grid.model()->data(grid.model()->index(30, 4), Qt::BackgroundRole).value<QBrush>(),
             QBrush(Qt::yellow));
}

void TestGrid::fixedCellsAreNotSelectable() {
    Grid grid;
    grid.setRows(3);
    grid.setCols(3);
    const auto flags = [&](int r, int c) { return grid.model()->flags(grid.model()->index(r, c)); };
    QVERIFY(!(flags(0, 1) & Qt::ItemIsSelectable));
    QVERIFY(!(flags(1, 0) & Qt::ItemIsSelectable));
    QVERIFY(flags(1, 1) & Qt::ItemIsSelectable);
    grid.setFixedCols(0);
    QVERIFY(flags(1, 0) & Qt::ItemIsSelectable);
}

void TestGrid::currentCellAndSelectionCorners() {
    Grid grid;
    grid.setRows(6);
    grid.setCols(4);
    QCOMPARE(grid.row(), 1); // the first cell below and right of the fixed ones
    QCOMPARE(grid.col(), 1);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c)
            grid.setTextMatrix(r, c, QStringLiteral("%1%2").arg(r).arg(c));
    grid.setSelection(4, 3, 2, 1); // current cell at the bottom right corner
    QCOMPARE(grid.row(), 4);
    QCOMPARE(grid.col(), 3);
    QCOMPARE(grid.selectedText(), QStringLiteral("21\t22\t23\n31\t32\t33\n41\t42\t43"));
    grid.setCurrentCell(2, 3); // moving the current cell collapses the selection onto it
    QCOMPARE(grid.selectedText(), QStringLiteral("23"));
}

void TestGrid::widthsAreTwips() {
    Grid grid;
    grid.setCols(3);
    grid.setColWidth(1, 1440);
    QCOMPARE(grid.colWidth(1), 1440);
    QCOMPARE(grid.columnWidth(1), grid.logicalDpiX()); // an inch
    grid.setColWidth(2, 720);
    QCOMPARE(grid.columnWidth(2), grid.logicalDpiX() / 2);
    grid.setCols(5); // a new size re-applies the widths set before
    QCOMPARE(grid.columnWidth(1), grid.logicalDpiX());
}

// Whole: the text within the margins the style keeps on either side of it.
void TestGrid::fitColWidthShowsTheTextsWhole() {
    Grid grid;
    grid.setCols(2);
    grid.setColWidth(0, 300);
    grid.setColWidth(1, 5000);
    const QStringList texts = {QStringLiteral("1822,0"),
                               QStringLiteral("81.82.83.84.85.86.87.88.89.90")};
    grid.fitColWidth(0, texts);
    grid.fitColWidth(1, texts);
    const int margins =
        2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    for (const QString& t : texts)
        QVERIFY(grid.fontMetrics().horizontalAdvance(t) + margins < grid.columnWidth(0));
    QCOMPARE(grid.colWidth(1), 5000); // wide enough already
}

// General alignment goes by each cell's look; a column's own alignment holds for all its
// cells but the headings of the fixed rows, centred over it.
void TestGrid::alignedColumnsCentreTheirHeadings() {
    Grid grid;
    grid.setRows(3);
    grid.setCols(2);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    const QString texts[3] = {QStringLiteral("Combinazione"), QStringLiteral("53.61"),
                              QStringLiteral("01.02.03")};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            grid.setTextMatrix(r, c, texts[r]);
    const auto horizontal = [&](int r, int c) {
        return Qt::Alignment(grid.model()->index(r, c).data(Qt::TextAlignmentRole).toInt()) &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(horizontal(1, 1), Qt::AlignRight); // reads as a number
    QCOMPARE(horizontal(2, 1), Qt::AlignLeft);
    for (int c = 0; c < 2; ++c)
        grid.setColAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < 2; ++c) {
        QCOMPARE(horizontal(0, c), Qt::AlignHCenter);
        QCOMPARE(horizontal(1, c), Qt::AlignLeft);
        QCOMPARE(horizontal(2, c), Qt::AlignLeft);
    }
}

void TestGrid::draggingAHeadingEdgeSetsTheWidth_data() {
    QTest::addColumn<int>("from"); // pixels right of column 1's right edge, in the headings
    QTest::addColumn<int>("by");
    QTest::addColumn<int>("width"); // of column 1 after the drag, pixels more than before
    QTest::newRow("wider") << 0 << 40 << 40;
    QTest::newRow("narrower, from just beside the edge") << 2 << -20 << -20;
    QTest::newRow("past the column's left edge: narrow, never negative") << -1 << -500 << -60;
    QTest::newRow("inside the cell: a selection, not a drag") << -20 << 40 << 0;
}

void TestGrid::draggingAHeadingEdgeSetsTheWidth() {
    QFETCH(int, from);
    QFETCH(int, by);
    QFETCH(int, width);
    Grid grid;
    grid.setRows(5);
    grid.setCols(4);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    for (int c = 0; c < 4; ++c)
        grid.setColWidth(c, grid.pixelsToTwips(60));
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int before = grid.columnWidth(1);
    const QPoint edge = grid.viewport()->geometry().topLeft() +
                        QPoint(grid.columnViewportPosition(1) + before + from, 5);
    QWidget* headings = grid.childAt(edge);
    QVERIFY(headings && headings != grid.viewport());
    const QPoint at = headings->mapFrom(&grid, edge);
    QTest::mousePress(headings, Qt::LeftButton, {}, at);
    QTest::mouseMove(headings, at + QPoint(by, 0));
    QTest::mouseRelease(headings, Qt::LeftButton, {}, at + QPoint(by, 0));
    const int after = grid.columnWidth(1);
    if (before + width <= 0) {
        QVERIFY(after > 0 && after < before);
        return;
    }
    QVERIFY2(std::abs(after - (before + width)) <= 1, qPrintable(QString::number(after)));
    QCOMPARE(grid.twipsToPixels(grid.colWidth(1)), after); // kept in twips
}

void TestGrid::mergedHeadingsBecomeSpans() {
    Grid grid;
    grid.setRows(3);
    grid.setCols(5);
    for (int c = 1; c < 5; ++c)
        grid.setTextMatrix(0, c, c < 3 ? "Bari" : "Roma");
    grid.setMergeRow(0, true);
    grid.setMergeMode(MergeMode::Free);
    QCOMPARE(grid.columnSpan(0, 1), 2);
    QCOMPARE(grid.columnSpan(0, 3), 2);
    grid.setTextMatrix(0, 4, QStringLiteral("Torino")); // spans follow the text
    QCoreApplication::processEvents();
    QCOMPARE(grid.columnSpan(0, 3), 1);
    grid.setMergeMode(MergeMode::Never);
    QCOMPARE(grid.columnSpan(0, 1), 1);
}

void TestGrid::headingsStandOverTheirColumns_data() {
    QTest::addColumn<int>("twips"); // every column but the first
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("narrower than the widest glyph") << 150 << 6.0 << false;
    QTest::newRow("narrower than the widest glyph, bold") << 250 << 8.0 << true;
    QTest::newRow("wide, in a large face") << 900 << 12.0 << false;
}

// Two headings merged over five columns each, the widths set before a new face: every view
// shows the widths as set, so each heading spans exactly its own columns.
void TestGrid::headingsStandOverTheirColumns() {
    QFETCH(int, twips);
    QFETCH(double, points);
    QFETCH(bool, bold);
    Grid grid;
    grid.setCols(11);
    grid.setRows(4);
    grid.setMergeMode(MergeMode::RestrictRows);
    grid.setColWidth(0, 600);
    for (int c = 1; c < grid.cols(); ++c) {
        grid.setColWidth(c, twips);
        grid.setTextMatrix(0, c, c <= 5 ? "Bari" : "Roma");
        for (int r = 1; r < grid.rows(); ++r)
            grid.setTextMatrix(r, c, QString::number(r * c));
    }
    grid.setMergeRow(0, true);
    grid.setFontSize(points);
    grid.setFontBold(bold);
    grid.resize(800, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    for (int r : {0, 1})
        for (int c = 0; c < grid.cols(); ++c)
            if (r > 0 || c == 0)
                QCOMPARE(prova::cellamostrata(grid, r, c).width() + 1,
                         grid.twipsToPixels(grid.colWidth(c)));
    const QStringList fuoriposto = prova::intestazionifuoriposto(grid);
    QVERIFY2(fuoriposto.isEmpty(), qPrintable(fuoriposto.join(u'\n')));
}

void TestGrid::sortThroughTheWidget() {
    Grid grid;
    grid.setRows(4);
    grid.setCols(2);
    const QStringList values = {" 3", " 12", " 7"};
    for (int r = 1; r < 4; ++r)
        grid.setTextMatrix(r, 1, values[r - 1]);
    grid.sort(1, SortMode::NumericDescending);
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral(" 12"));
    QCOMPARE(grid.textMatrix(3, 1), QStringLiteral(" 3"));
    grid.sort(1, SortMode::TextAscending);
    QCOMPARE(grid.textMatrix(1, 1), QStringLiteral(" 12")); // " 1" before " 3" as text
    QCOMPARE(grid.textMatrix(2, 1), QStringLiteral(" 3"));
}

void TestGrid::cellPressReportsRowColumnAndButton() {
    Grid grid;
    grid.setRows(5);
    grid.setCols(3);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy pressed(&grid, &Grid::cellPressed);
    const QRect cell = grid.visualRect(grid.model()->index(2, 1));
    QTest::mousePress(grid.viewport(), Qt::RightButton, {}, cell.center());
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), 2);
    QCOMPARE(pressed.at(0).at(1).toInt(), 1);
    QCOMPARE(pressed.at(0).at(2).value<Qt::MouseButton>(), Qt::RightButton);
}

namespace {
// The cell the user sees at a point of the grid's viewport, on whichever view
// is on top there, with that view's viewport and the point in it.
struct Shown {
    QModelIndex index;
    QWidget* widget = nullptr;
    QPoint at;
};

Shown shownAt(Grid& grid, QPoint inViewport) {
    const QPoint inGrid = grid.viewport()->mapTo(&grid, inViewport);
    QWidget* widget = grid.childAt(inGrid);
    auto* view = widget ? qobject_cast<QAbstractItemView*>(widget->parentWidget()) : nullptr;
    if (!view) return {};
    const QPoint at = widget->mapFrom(&grid, inGrid);
    return {view->indexAt(at), widget, at};
}
} // namespace

void TestGrid::fixedCellsStayInView_data() {
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("fixedCols");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("a heading row") << 1 << 0;
    QTest::newRow("a name column") << 0 << 1;
    QTest::newRow("both") << 1 << 1;
    QTest::newRow("two rows, two columns") << 2 << 2;
}

// Scrolled to the end both ways, the fixed rows are still at the top and the
// fixed columns at the left; the mouse on them acts on the cells they show.
void TestGrid::fixedCellsStayInView() {
    QFETCH(int, fixedRows);
    QFETCH(int, fixedCols);
    Grid grid;
    grid.setCols(30);
    grid.setRows(200);
    grid.setFixedRows(fixedRows);
    grid.setFixedCols(fixedCols);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            grid.setTextMatrix(r, c, QStringLiteral("%1:%2").arg(r).arg(c));
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCurrentCell(fixedRows, fixedCols);
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    QCoreApplication::processEvents();
    const QPoint topLeft(2, 2);
    const QPoint bottomLeft(2, grid.viewport()->height() - 3);
    const QPoint topRight(grid.viewport()->width() - 3, 2);
    QVERIFY(grid.indexAt(topLeft).row() > 10); // the grid itself is scrolled
    QVERIFY(grid.indexAt(topLeft).column() > 10);

    const QModelIndex corner = shownAt(grid, topLeft).index;
    QCOMPARE(corner.row() < fixedRows, fixedRows > 0);
    QCOMPARE(corner.column() < fixedCols, fixedCols > 0);
    const QModelIndex heading = shownAt(grid, topRight).index;
    QCOMPARE(heading.row() < fixedRows, fixedRows > 0);
    QCOMPARE(heading.column(), grid.indexAt(topRight).column()); // scrolls across
    const QModelIndex name = shownAt(grid, bottomLeft).index;
    QCOMPARE(name.column() < fixedCols, fixedCols > 0);
    QCOMPARE(name.row(), grid.indexAt(bottomLeft).row()); // scrolls down
    QCOMPARE(shownAt(grid, topLeft).widget == grid.viewport(), fixedRows + fixedCols == 0);

    // A press on a fixed cell is the grid's: the cell pressed becomes the current one.
    for (const QPoint point : {topRight, bottomLeft}) {
        QSignalSpy pressed(&grid, &Grid::cellPressed);
        QSignalSpy doubleClicked(&grid, &Grid::cellDoubleClicked);
        const Shown cell = shownAt(grid, point);
        QTest::mousePress(cell.widget, Qt::LeftButton, {}, cell.at);
        QTest::mouseRelease(cell.widget, Qt::LeftButton, {}, cell.at);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), cell.index.row());
        QCOMPARE(pressed.at(0).at(1).toInt(), cell.index.column());
        QCOMPARE(grid.row(), cell.index.row());
        QCOMPARE(grid.col(), cell.index.column());
        const bool fixed = cell.index.row() < fixedRows || cell.index.column() < fixedCols;
        QCOMPARE(grid.selectionModel()->hasSelection(), !fixed); // nothing hidden selected
        QTest::mouseDClick(cell.widget, Qt::LeftButton, {}, cell.at);
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(doubleClicked.at(0).at(0).toInt(), cell.index.row());
        QCOMPARE(doubleClicked.at(0).at(1).toInt(), cell.index.column());
    }

    // A data cell chosen above the ones in sight comes out from under the fixed ones.
    const int above = grid.indexAt(topLeft).row() - 3;
    grid.setCurrentCell(above, grid.indexAt(topLeft).column() - 3);
    const QModelIndex chosen = grid.currentIndex();
    QCOMPARE(shownAt(grid, grid.visualRect(chosen).center()).index, chosen);
}

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
