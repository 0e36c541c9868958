// The grid control of the windows: a QTableView over a GridContent with the
// calls the windows make of a flexible grid (text by row and column, fixed
// rows and columns, current cell and selection, widths in twips, cell colours
// and bold, merged headings, sort on one column).
//
// The fixed rows and columns stay in view while the rest scrolls: views of
// their own over the same model and selection sit on the grid's viewport,
// and the mouse on them reaches the grid as on the cells they show. They are
// named "fixedRows", "fixedCols" and "fixedCorner", and lay out the same
// column edges and row heights as the grid.
//
// Filling tens of thousands of cells one by one must not emit a signal per
// cell: hold a Grid::Batch while filling and the view is told once at its end,
// or hand all the texts of the rows over at once with fillRows.
#pragma once

#include "gridcontent.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <array>

namespace platform {

// Thin model over a GridContent. Fixed cells are enabled but not selectable.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const GridContent& content() const { return content_; }

    // Text and formatting changes are told to the views once, from the event
    // loop (or at the end of a batch), for all the cells changed meanwhile.
    // Changes of size are told at once (or at the end of a batch).
    void setText(int row, int col, const QString& text);
    void setForeColor(int row, int col, const QColor& c);
    void setBackColor(int row, int col, const QColor& c);
    void setBold(int row, int col, bool bold);
    // GridContent::fillRows, told to the views at once: a reset when the rows
    // grow, otherwise one change of the rows filled (inside a batch, at its end).
    void fillRows(int firstRow, QStringList texts);
    void resize(int rows, int cols);
    void setFixed(int fixedRows, int fixedCols);
    void replace(const GridContent& content); // whole content at once
    void clear();
    void sortRows(int col, SortMode mode);
    void setColAlignment(int col, Qt::Alignment alignment);
    // Direct access for settings the model does not show (widths, merges);
    // the caller tells the view itself.
    GridContent& layout() { return content_; }

    void beginBatch();
    void endBatch();
    // Tells the views now of the cells changed since the last time.
    void flush();

  signals:
    // Size, fixed cells or merged texts changed: the view re-applies spans,
    // widths and row heights.
    void layoutSettingsChanged();

  private:
    void cellChanged(int row, int col);
    void allChanged();
    void beginStructure();
    void endStructure();

    GridContent content_;
    int batchDepth_ = 0;
    bool resetting_ = false; // inside beginResetModel .. endResetModel
    bool flushQueued_ = false;
    CellRange dirty_{0, 0, -1, -1}; // empty when bottom < top
};

class Grid : public QTableView {
    Q_OBJECT
  public:
    explicit Grid(QWidget* parent = nullptr);

    // While a Batch lives, changes to the grid emit nothing; at its end the
    // view is updated once.
    class Batch {
      public:
        explicit Batch(Grid& grid);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        Grid& grid_;
    };

    const GridContent& content() const { return model_->content(); }
    GridModel* gridModel() const { return model_; }

    int rows() const { return content().rows(); }
    int cols() const { return content().cols(); }
    void setRows(int rows);
    void setCols(int cols);
    int fixedRows() const { return content().fixedRows(); }
    int fixedCols() const { return content().fixedCols(); }
    void setFixedRows(int n);
    void setFixedCols(int n);

    QString textMatrix(int row, int col) const { return content().text(row, col); }
    void setTextMatrix(int row, int col, const QString& text);
    // Whole rows at once: texts holds cols() cells a row, row by row, from
    // column 0 of firstRow on (the last row may be short); the grid grows to
    // hold them, never shrinks. The view is told once, at the end of the call
    // or of the Batch it is in. A table of another length:
    //     Grid::Batch batch(grid);
    //     grid.setRows(1);                    // the heading row
    //     grid.fillRows(1, std::move(texts)); // the rows below it
    void fillRows(int firstRow, QStringList texts);

    // Current cell; a selection runs from it to the opposite corner (rowSel, colSel).
    int row() const;
    int col() const;
    void setCurrentCell(int row, int col); // selects just that cell
    void setSelection(int row, int col, int rowSel, int colSel);
    CellRange selectedRange() const; // normalised, current cell when nothing selected
    QString selectedText() const;    // tabs between cells, line breaks between rows

    int colWidth(int col) const { return content().colWidth(col); }
    void setColWidth(int col, int twips);
    // The column's cells keep to the alignment, its fixed rows (the headings) are centred.
    void setColAlignment(int col, Qt::Alignment alignment);

    QColor cellForeColor(int row, int col) const { return content().foreColor(row, col); }
    QColor cellBackColor(int row, int col) const { return content().backColor(row, col); }
    void setCellForeColor(int row, int col, const QColor& c);
    void setCellBackColor(int row, int col, const QColor& c);
    void setCellFontBold(int row, int col, bool bold);

    void setMergeMode(MergeMode mode);
    void setMergeRow(int row, bool on);
    void setMergeCol(int col, bool on);

    void sort(int col, SortMode mode);
    void clear(); // every cell's text and formatting
    void setFontBold(bool bold);
    void setFontSize(double points);

    // Twips to pixels of this screen.
    int twipsToPixels(int twips) const;
    // Pixels of this screen to twips, rounded up.
    int pixelsToTwips(int pixels) const;
    // The width in twips of a column that shows text whole in the grid's font.
    int twipsFor(const QString& text) const;
    // Widens column col, if need be, until each of texts shows whole in it.
    void fitColWidth(int col, const QStringList& texts);
    // The width, in pixels, that shows every column whole, with the frame and the vertical
    // scroll bar beside them.
    int widthShowingAllColumns() const;

    // Scrolls a data cell clear of the fixed rows and columns over it.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  signals:
    // Any mouse button pressed on a cell (the windows pop up menus on it).
    void cellPressed(int row, int col, Qt::MouseButton button);
    void cellDoubleClicked(int row, int col);

  protected:
    // The view's own selection by a rectangle stays beside the one by corners above.
    using QTableView::setSelection;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The views of the fixed cells: the fixed rows (scrolling sideways with
    // the grid), the fixed columns (scrolling up and down) and their corner.
    enum FixedPart { FixedRowsPart, FixedColsPart, CornerPart, FixedParts };

    QTableView* newFixedView(const QString& name);
    int fixedHeight() const;
    int fixedWidth() const;
    void placeFixedViews();
    std::array<QTableView*, 1 + FixedParts> views(); // the grid's own first
    void forwardMouse(const QTableView* fixedView, QMouseEvent* event);
    void applyLayout();
    void applyWidths();
    void applySpans();
    void applyRowHeight();
    // The user widens or narrows a column by dragging its edge in the headings.
    void letColumnsBeDragged();

    GridModel* model_;
    QTableView* fixed_[FixedParts] = {};
};

} // namespace platform
