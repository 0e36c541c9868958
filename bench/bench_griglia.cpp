// The grid on a table as big as the windows show: one row per triple of 1..90
// (117,480 rows) and 7 columns, filled and then sorted by a statistics column.
#include "grid.h"
#include "mainfinestre.h"
#include "textformat.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using platform::Grid;
using platform::SortMode;

constexpr int columns = 7;

// The texts below the heading row, row-major: the row number, the triple, then
// numbers as the statistics windows write them (with their leading blank),
// with plenty of ties as delays and frequencies have.
const QStringList& tripleTexts() {
    static const QStringList texts = [] {
        QStringList t;
        t.reserve(117480 * columns);
        unsigned seed = 12345;
        auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 8) % 1000; };
        int row = 0;
        for (int a = 1; a <= 88; ++a)
            for (int b = a + 1; b <= 89; ++b)
                for (int c = b + 1; c <= 90; ++c) {
                    t << platform::plainText(++row)
                      << QStringLiteral("%1.%2.%3")
                             .arg(a, 2, 10, QLatin1Char('0'))
                             .arg(b, 2, 10, QLatin1Char('0'))
                             .arg(c, 2, 10, QLatin1Char('0'));
                    for (int k = 2; k < columns; ++k)
                        t << platform::plainText(static_cast<long>(next()));
                }
        return t;
    }();
    return texts;
}

int tripleRows() {
    return static_cast<int>(tripleTexts().size() / columns);
}

// For comparison: cell by cell inside a batch, with setTextMatrix.
void fillCellByCell(Grid& grid) {
    const QStringList& texts = tripleTexts();
    Grid::Batch batch(grid);
    grid.setCols(columns);
    grid.setRows(tripleRows() + 1);
    for (int r = 0; r < tripleRows(); ++r)
        for (int c = 0; c < columns; ++c)
            grid.setTextMatrix(r + 1, c, texts[r * columns + c]);
}

// A grid left with its heading row only and a list of texts of its own, as a
// window has them just before handing them over; not timed.
QStringList emptied(benchmark::State& state, Grid& grid) {
    state.PauseTiming();
    grid.setCols(columns);
    grid.setRows(1);
    QStringList texts = tripleTexts();
    texts.detach();
    state.ResumeTiming();
    return texts;
}

void FillCellByCell(benchmark::State& state) {
    Grid grid;
    for (auto _ : state) {
        emptied(state, grid);
        fillCellByCell(grid);
        benchmark::DoNotOptimize(grid.rows());
    }
}

void Fill(benchmark::State& state) {
    Grid grid;
    for (auto _ : state) {
        grid.fillRows(1, emptied(state, grid));
        benchmark::DoNotOptimize(grid.rows());
    }
}

// Sorting a filled grid; before each timed sort the rows are put in the order
// of another column of numbers, as after an earlier sort by it.
void Sort(benchmark::State& state, SortMode mode, int col) {
    Grid grid;
    fillCellByCell(grid);
    for (auto _ : state) {
        state.PauseTiming();
        grid.sort(columns - 1, SortMode::NumericDescending);
        state.ResumeTiming();
        grid.sort(col, mode);
        benchmark::DoNotOptimize(grid.textMatrix(1, col));
    }
}

// A statistics table as a window makes it: filled, then sorted by a column
// of numbers, largest first.
void FillAndSort(benchmark::State& state) {
    Grid grid;
    for (auto _ : state) {
        grid.fillRows(1, emptied(state, grid));
        grid.sort(2, SortMode::NumericDescending);
        benchmark::DoNotOptimize(grid.textMatrix(1, 2));
    }
}

BENCHMARK(FillCellByCell)->Unit(benchmark::kMillisecond);
BENCHMARK(Fill)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sort, NumericDescending, SortMode::NumericDescending, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sort, TextAscending, SortMode::TextAscending, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(FillAndSort)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return banco::mainfinestre(argc, argv);
}
