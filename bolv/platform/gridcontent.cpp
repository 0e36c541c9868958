#include "gridcontent.h"

#include "textformat.h"

#include <algorithm>
#include <numeric>

namespace platform {

GridContent::GridContent(int rows, int cols) {
    resize(rows, cols);
}

void GridContent::setRows(int rows) {
    resize(rows, cols_);
}
void GridContent::setCols(int cols) {
    resize(rows_, cols);
}

void GridContent::resize(int rows, int cols) {
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (rows == rows_ && cols == cols_) return;
    if (cols == cols_) {
        // Rows added or dropped at the end: the cells stay where they are, and
        // a grid grown one row at a time is not copied at each row.
        cells_.resize(static_cast<size_t>(rows) * cols);
    } else {
        std::vector<GridCell> cells(static_cast<size_t>(rows) * cols);
        const int keepRows = std::min(rows, rows_), keepCols = std::min(cols, cols_);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepCols; ++c)
                cells[static_cast<size_t>(r) * cols + c] = std::move(cells_[index(r, c)]);
        cells_ = std::move(cells);
    }
    rows_ = rows;
    cols_ = cols;
    colWidths_.resize(cols, -1);
    colAlignments_.resize(cols, Qt::Alignment{});
    mergeCols_.resize(cols, false);
    mergeRows_.resize(rows, false);
    fixedRows_ = std::min(fixedRows_, rows_);
    fixedCols_ = std::min(fixedCols_, cols_);
}

void GridContent::setFixedRows(int n) {
    fixedRows_ = std::clamp(n, 0, rows_);
}
void GridContent::setFixedCols(int n) {
    fixedCols_ = std::clamp(n, 0, cols_);
}

void GridContent::clear() {
    std::fill(cells_.begin(), cells_.end(), GridCell{});
}

namespace {
// A run of equal non-empty texts along a row (or a column) becomes one range.
template <class Text, class Add> void runs(int count, Text text, Add add) {
    int start = 0;
    for (int i = 1; i <= count; ++i) {
        if (i < count && !text(i).isEmpty() && text(i) == text(start)) continue;
        if (i - start > 1 && !text(start).isEmpty()) add(start, i - 1);
        start = i;
    }
}
} // namespace

std::vector<CellRange> GridContent::mergedRanges() const {
    std::vector<CellRange> ranges;
    if (mergeMode_ == MergeMode::Never) return ranges;
    // The windows merge only headings (a wheel name over its columns, a wheel
    // name over its rows), so plain runs of equal text are all it takes.
    for (int r = 0; r < rows_; ++r) {
        if (!mergeRows_[r]) continue;
        runs(
            cols_, [&](int c) -> const QString& { return text(r, c); },
            [&](int a, int b) {
                ranges.push_back({r, a, r, b});
            });
    }
    for (int c = 0; c < cols_; ++c) {
        if (!mergeCols_[c]) continue;
        runs(
            rows_, [&](int r) -> const QString& { return text(r, c); },
            [&](int a, int b) {
                ranges.push_back({a, c, b, c});
            });
    }
    // A view cannot show overlapping spans: a cell already in a row run is
    // left out of column runs.
    std::vector<CellRange> result;
    for (const CellRange& g : ranges) {
        bool overlaps = std::any_of(result.begin(), result.end(), [&](const CellRange& o) {
            return g.top <= o.bottom && o.top <= g.bottom && g.left <= o.right && o.left <= g.right;
        });
        if (!overlaps) result.push_back(g);
    }
    return result;
}

void GridContent::sortRows(int col, SortMode mode) {
    if (col < 0 || col >= cols_ || rows_ - fixedRows_ < 2) return;
    std::vector<int> order(rows_ - fixedRows_);
    std::iota(order.begin(), order.end(), fixedRows_);
    auto key = [&](int r) -> const QString& { return text(r, col); };
    auto numeric = [&](int r) { return leadingValue(key(r)); };
    switch (mode) {
    case SortMode::NumericDescending:
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return numeric(a) > numeric(b); });
        break;
    case SortMode::NumericAscending:
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return numeric(a) < numeric(b); });
        break;
    case SortMode::TextAscending:
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return QString::compare(key(a), key(b), Qt::CaseSensitive) < 0;
        });
        break;
    case SortMode::TextAscendingNoCase:
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return QString::compare(key(a), key(b), Qt::CaseInsensitive) < 0;
        });
        break;
    case SortMode::TextDescending:
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return QString::compare(key(a), key(b), Qt::CaseSensitive) > 0;
        });
        break;
    }
    std::vector<GridCell> sorted(cells_.begin(), cells_.begin() + index(fixedRows_, 0));
    sorted.reserve(cells_.size());
    for (int r : order)
        for (int c = 0; c < cols_; ++c)
            sorted.push_back(std::move(cells_[index(r, c)]));
    cells_ = std::move(sorted);
}

QString GridContent::clipText(const CellRange& range) const {
    QStringList lines;
    for (int r = std::max(range.top, 0); r <= std::min(range.bottom, rows_ - 1); ++r) {
        QStringList cells;
        for (int c = std::max(range.left, 0); c <= std::min(range.right, cols_ - 1); ++c)
            cells << text(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace platform
