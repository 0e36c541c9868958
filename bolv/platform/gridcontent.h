// The content of a grid: cells' text, colours, bold, merges, fixed rows and
// columns, column widths and alignments. Plain data: the report code reads it
// without any widget, and the grid widget renders it through GridModel.
#pragma once

#include "units.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// How equal adjacent cells are merged on screen (only rows or columns switched
// on with setMergeRow / setMergeCol take part).
enum class MergeMode { Never, Free, RestrictRows, RestrictColumns, RestrictBoth };

enum class SortMode {
    NumericDescending, // by the number each cell begins with, largest first
    NumericAscending,
    TextAscending,       // case-sensitive text order
    TextAscendingNoCase, // text order ignoring case
    TextDescending,
};

struct GridCell {
    QString text;
    QColor fore; // invalid: the grid's default
    QColor back; // invalid: the grid's default
    bool bold = false;
};

// A rectangle of cells, both corners included.
struct CellRange {
    int top = 0, left = 0, bottom = 0, right = 0;
};

class GridContent {
  public:
    GridContent(int rows = 2, int cols = 2);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // Resizing keeps the cells that remain; new cells are empty.
    void setRows(int rows);
    void setCols(int cols);
    void resize(int rows, int cols);

    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixedRows(int n);
    void setFixedCols(int n);

    const QString& text(int row, int col) const { return cell(row, col).text; }
    void setText(int row, int col, const QString& text) { cell(row, col).text = text; }
    const GridCell& cell(int row, int col) const { return cells_[index(row, col)]; }
    GridCell& cell(int row, int col) { return cells_[index(row, col)]; }

    QColor foreColor(int row, int col) const { return cell(row, col).fore; }
    QColor backColor(int row, int col) const { return cell(row, col).back; }
    bool bold(int row, int col) const { return cell(row, col).bold; }
    void setForeColor(int row, int col, const QColor& c) { cell(row, col).fore = c; }
    void setBackColor(int row, int col, const QColor& c) { cell(row, col).back = c; }
    void setBold(int row, int col, bool b) { cell(row, col).bold = b; }
    // Sets the texts of whole rows at once: texts holds cols() cells a row, row
    // by row, from column 0 of firstRow on (the last row may be short). The
    // rows grow to hold them, never shrink; formatting and the cells not
    // named stay.
    void fillRows(int firstRow, QStringList texts);

    // Width of column col in twips; -1 means the grid's default width.
    int colWidth(int col) const { return colWidths_[col]; }
    void setColWidth(int col, int twips) { colWidths_[col] = twips; }
    // 0 (Qt::Alignment{}) means general: numbers to the right, text to the left.
    Qt::Alignment colAlignment(int col) const { return colAlignments_[col]; }
    void setColAlignment(int col, Qt::Alignment a) { colAlignments_[col] = a; }

    MergeMode mergeMode() const { return mergeMode_; }
    void setMergeMode(MergeMode m) { mergeMode_ = m; }
    void setMergeRow(int row, bool on) { mergeRows_[row] = on; }
    void setMergeCol(int col, bool on) { mergeCols_[col] = on; }
    // The merged rectangles to show: runs of at least two equal, non-empty
    // adjacent cells in the rows and columns switched on.
    std::vector<CellRange> mergedRanges() const;

    // Empties every cell's text and formatting (sizes, widths and merges stay).
    void clear();

    // Reorders the rows below the fixed rows by one column; whole rows move,
    // formatting included. Equal keys keep their order. Numeric modes compare
    // the number each text begins with (0 for a text without one).
    void sortRows(int col, SortMode mode);

    // The range as text: cells separated by tabs, rows by line breaks.
    QString clipText(const CellRange& range) const;

  private:
    int index(int row, int col) const { return row * cols_ + col; }
    // Puts row order[i] (a row below the fixed ones) at row fixedRows_ + i.
    void moveRows(const std::vector<int>& order);

    int rows_ = 0, cols_ = 0;
    int fixedRows_ = 1, fixedCols_ = 1;
    std::vector<GridCell> cells_;
    std::vector<int> colWidths_;
    std::vector<Qt::Alignment> colAlignments_;
    std::vector<bool> mergeRows_, mergeCols_;
    MergeMode mergeMode_ = MergeMode::Never;
};

} // namespace platform
