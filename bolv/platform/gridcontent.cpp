#include "gridcontent.h"

#include "textformat.h"

#include <algorithm>
#include <functional>

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

void GridContent::fillRows(int firstRow, QStringList texts) {
    if (firstRow < 0 || cols_ == 0 || texts.isEmpty()) return;
    const qsizetype rows = firstRow + (texts.size() + cols_ - 1) / cols_;
    if (rows > rows_) setRows(static_cast<int>(rows));
    GridCell* cell = &cells_[index(firstRow, 0)];
    for (QString& text : texts)
        (cell++)->text = std::move(text);
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

namespace {
// The rows first..last-1 ordered by key(row), a key made once for each row:
// reading a number out of a text at every comparison made a big table's sort
// last about a second. Rows with equal keys keep their order.
template <class Key, class Before>
std::vector<int> orderBy(int first, int last, Key key, Before before) {
    std::vector<std::pair<decltype(key(first)), int>> keyed;
    keyed.reserve(last - first);
    for (int r = first; r < last; ++r)
        keyed.emplace_back(key(r), r);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [&](const auto& a, const auto& b) { return before(a.first, b.first); });
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const auto& k : keyed)
        order.push_back(k.second);
    return order;
}

auto textOrder(Qt::CaseSensitivity cs, bool descending) {
    return [cs, descending](QStringView a, QStringView b) {
        const int c = a.compare(b, cs);
        return descending ? c > 0 : c < 0;
    };
}
} // namespace

void GridContent::sortRows(int col, SortMode mode) {
    if (col < 0 || col >= cols_ || rows_ - fixedRows_ < 2) return;
    auto number = [&](int r) { return leadingValue(text(r, col)); };
    auto view = [&](int r) { return QStringView(text(r, col)); };
    std::vector<int> order;
    switch (mode) {
    case SortMode::NumericDescending:
        order = orderBy(fixedRows_, rows_, number, std::greater<double>());
        break;
    case SortMode::NumericAscending:
        order = orderBy(fixedRows_, rows_, number, std::less<double>());
        break;
    case SortMode::TextAscending:
        order = orderBy(fixedRows_, rows_, view, textOrder(Qt::CaseSensitive, false));
        break;
    case SortMode::TextAscendingNoCase:
        order = orderBy(fixedRows_, rows_, view, textOrder(Qt::CaseInsensitive, false));
        break;
    case SortMode::TextDescending:
        order = orderBy(fixedRows_, rows_, view, textOrder(Qt::CaseSensitive, true));
        break;
    }
    moveRows(order);
}

void GridContent::moveRows(const std::vector<int>& order) {
    // In place, following each cycle of the permutation: no second table of
    // cells to allocate and fill. A row already in its place is not touched.
    const int count = static_cast<int>(order.size());
    std::vector<bool> placed(count, false);
    std::vector<GridCell> held(cols_);
    auto row = [&](int i) { return cells_.begin() + index(fixedRows_ + i, 0); };
    for (int start = 0; start < count; ++start) {
        if (placed[start] || order[start] == fixedRows_ + start) continue;
        std::move(row(start), row(start + 1), held.begin());
        int to = start;
        for (int from = order[to] - fixedRows_; from != start; from = order[to] - fixedRows_) {
            std::move(row(from), row(from + 1), row(to));
            placed[to] = true;
            to = from;
        }
        std::move(held.begin(), held.end(), row(to));
        placed[to] = true;
    }
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
