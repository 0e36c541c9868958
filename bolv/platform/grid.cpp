#include "grid.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace platform {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : content_.rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : content_.cols();
}

namespace {
bool isFixed(const GridContent& c, int row, int col) {
    return row < c.fixedRows() || col < c.fixedCols();
}

// General alignment: a cell that reads as a number goes to the right.
Qt::Alignment generalAlignment(const QString& text) {
    bool number = false;
    QLocale::c().toDouble(text.trimmed(), &number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}
} // namespace

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= content_.rows() || index.column() >= content_.cols())
        return {};
    const GridCell& cell = content_.cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell.text;
    case Qt::ForegroundRole:
        return cell.fore.isValid() ? QVariant(QBrush(cell.fore)) : QVariant();
    case Qt::BackgroundRole:
        if (cell.back.isValid()) return QBrush(cell.back);
        if (isFixed(content_, index.row(), index.column()))
            return QBrush(QPalette().color(QPalette::Button));
        return {};
    case Qt::FontRole:
        if (!cell.bold) return {};
        {
            QFont f;
            f.setBold(true);
            return f;
        }
    case Qt::TextAlignmentRole: {
        const Qt::Alignment a = content_.colAlignment(index.column());
        if (!a) return QVariant::fromValue(generalAlignment(cell.text));
        // The headings of an aligned column stand centred over it.
        if (index.row() < content_.fixedRows())
            return QVariant::fromValue((a & ~Qt::AlignHorizontal_Mask) | Qt::AlignHCenter);
        return QVariant::fromValue(a);
    }
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (isFixed(content_, index.row(), index.column())) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridModel::cellChanged(int row, int col) {
    if (resetting_) return; // the reset tells everything
    if (dirty_.bottom < dirty_.top) {
        dirty_ = {row, col, row, col};
    } else {
        dirty_.top = std::min(dirty_.top, row);
        dirty_.left = std::min(dirty_.left, col);
        dirty_.bottom = std::max(dirty_.bottom, row);
        dirty_.right = std::max(dirty_.right, col);
    }
    if (batchDepth_ == 0 && !flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &GridModel::flush, Qt::QueuedConnection);
    }
}

void GridModel::allChanged() {
    if (content_.rows() > 0 && content_.cols() > 0)
        cellChanged(0, 0), cellChanged(content_.rows() - 1, content_.cols() - 1);
}

void GridModel::flush() {
    flushQueued_ = false;
    const CellRange d = dirty_;
    dirty_ = {0, 0, -1, -1};
    if (d.bottom < d.top) return;
    const int bottom = std::min(d.bottom, content_.rows() - 1);
    const int right = std::min(d.right, content_.cols() - 1);
    if (bottom < d.top || right < d.left) return;
    emit dataChanged(index(d.top, d.left), index(bottom, right));
    if (content_.mergeMode() != MergeMode::Never) emit layoutSettingsChanged();
}

void GridModel::beginStructure() {
    if (resetting_) return;
    resetting_ = true;
    beginResetModel();
}

void GridModel::endStructure() {
    if (batchDepth_ > 0 || !resetting_) return;
    resetting_ = false;
    dirty_ = {0, 0, -1, -1};
    endResetModel();
    emit layoutSettingsChanged();
}

void GridModel::setText(int row, int col, const QString& text) {
    GridCell& cell = content_.cell(row, col);
    if (cell.text == text) return;
    cell.text = text;
    cellChanged(row, col);
}

void GridModel::setForeColor(int row, int col, const QColor& c) {
    content_.setForeColor(row, col, c);
    cellChanged(row, col);
}

void GridModel::setBackColor(int row, int col, const QColor& c) {
    content_.setBackColor(row, col, c);
    cellChanged(row, col);
}

void GridModel::setBold(int row, int col, bool bold) {
    content_.setBold(row, col, bold);
    cellChanged(row, col);
}

void GridModel::fillRows(int firstRow, QStringList texts) {
    const int cols = content_.cols();
    if (firstRow < 0 || cols == 0 || texts.isEmpty()) return;
    const int lastRow = firstRow + static_cast<int>((texts.size() - 1) / cols);
    // In a batch of its own, a grid that grows is reset once with its new
    // texts already in place.
    beginBatch();
    resize(std::max(content_.rows(), lastRow + 1), cols);
    content_.fillRows(firstRow, std::move(texts));
    cellChanged(firstRow, 0);
    cellChanged(lastRow, cols - 1);
    endBatch();
}

void GridModel::resize(int rows, int cols) {
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (rows == content_.rows() && cols == content_.cols()) return;
    beginStructure();
    content_.resize(rows, cols);
    endStructure();
}

void GridModel::setFixed(int fixedRows, int fixedCols) {
    beginStructure();
    content_.setFixedRows(fixedRows);
    content_.setFixedCols(fixedCols);
    endStructure();
}

void GridModel::replace(const GridContent& content) {
    beginStructure();
    content_ = content;
    endStructure();
}

void GridModel::clear() {
    content_.clear();
    allChanged();
}

void GridModel::sortRows(int col, SortMode mode) {
    content_.sortRows(col, mode);
    allChanged();
}

void GridModel::setColAlignment(int col, Qt::Alignment alignment) {
    content_.setColAlignment(col, alignment);
    if (content_.rows() > 0) {
        cellChanged(0, col);
        cellChanged(content_.rows() - 1, col);
    }
}

void GridModel::beginBatch() {
    ++batchDepth_;
}

void GridModel::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    endStructure();
    flush();
}

Grid::Batch::Batch(Grid& grid) : grid_(grid) {
    grid_.model_->beginBatch();
}
Grid::Batch::~Batch() {
    grid_.model_->endBatch();
}

namespace {
// A view of fixed cells: the grid decides where it is scrolled to.
class FixedView : public QTableView {
  public:
    using QTableView::QTableView;
    void scrollTo(const QModelIndex&, ScrollHint) override {}
};

// Keeps `to` at the value of `from`, also when either range changes.
void follow(QScrollBar* from, QScrollBar* to) {
    auto sync = [from = QPointer<QScrollBar>(from), to] {
        if (from) to->setValue(from->value());
    };
    QObject::connect(from, &QScrollBar::valueChanged, to, sync);
    QObject::connect(from, &QScrollBar::rangeChanged, to, sync);
    QObject::connect(to, &QScrollBar::rangeChanged, to, sync);
}
} // namespace

Grid::Grid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setModel(model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    const char* const names[FixedParts] = {"fixedRows", "fixedCols", "fixedCorner"};
    for (int i = 0; i < FixedParts; ++i)
        fixed_[i] = newFixedView(QString::fromLatin1(names[i]));
    // Qt keeps a column at least at its header's minimum section size, by
    // default the widest glyph of that header's font; each view has headers
    // of its own, and they need not share a font. With no minimum, every view
    // shows the widths and heights as set, with the same edges.
    for (QTableView* view : views()) {
        view->horizontalHeader()->setMinimumSectionSize(0);
        view->verticalHeader()->setMinimumSectionSize(0);
    }
    follow(horizontalScrollBar(), fixed_[FixedRowsPart]->horizontalScrollBar());
    follow(verticalScrollBar(), fixed_[FixedColsPart]->verticalScrollBar());
    letColumnsBeDragged();
    connect(model_, &GridModel::layoutSettingsChanged, this, &Grid::applyLayout);
    applyLayout();
}

QTableView* Grid::newFixedView(const QString& name) {
    auto* view = new FixedView(this);
    view->setObjectName(name);
    view->setModel(model_);
    view->setSelectionModel(selectionModel());
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFocusPolicy(Qt::NoFocus); // a click gives the focus to the grid
    view->setSelectionMode(selectionMode());
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setAutoScroll(false);
    view->viewport()->installEventFilter(this);
    view->hide();
    return view;
}

std::array<QTableView*, 1 + Grid::FixedParts> Grid::views() {
    return {this, fixed_[FixedRowsPart], fixed_[FixedColsPart], fixed_[CornerPart]};
}

int Grid::fixedHeight() const {
    int height = 0;
    for (int r = 0; r < std::min(fixedRows(), rows()); ++r)
        height += rowHeight(r);
    return height;
}

int Grid::fixedWidth() const {
    int width = 0;
    for (int c = 0; c < std::min(fixedCols(), cols()); ++c)
        width += columnWidth(c);
    return width;
}

void Grid::placeFixedViews() {
    if (!fixed_[CornerPart]) return; // still being built
    const QRect area = viewport()->geometry();
    const int height = std::min(fixedHeight(), area.height());
    const int width = std::min(fixedWidth(), area.width());
    const QRect parts[FixedParts] = {{area.topLeft(), QSize(area.width(), height)},
                                     {area.topLeft(), QSize(width, area.height())},
                                     {area.topLeft(), QSize(width, height)}};
    for (int i = 0; i < FixedParts; ++i) {
        fixed_[i]->setGeometry(parts[i]);
        fixed_[i]->setVisible(!parts[i].isEmpty());
    }
}

void Grid::updateGeometries() {
    QTableView::updateGeometries();
    placeFixedViews();
}

void Grid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    if (!index.isValid()) return;
    QScrollBar* down = verticalScrollBar();
    if (index.row() >= fixedRows())
        while (rowViewportPosition(index.row()) < fixedHeight() && down->value() > down->minimum())
            down->setValue(down->value() - 1);
    QScrollBar* across = horizontalScrollBar();
    if (index.column() >= fixedCols())
        while (columnViewportPosition(index.column()) < fixedWidth() &&
               across->value() > across->minimum())
            across->setValue(across->value() - 1);
}

// The mouse on a fixed cell acts on the grid where that cell lies, scrolled
// out of sight or not; outside the fixed view (dragging) it points at what
// the grid shows there.
void Grid::forwardMouse(const QTableView* fixedView, QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    if (fixedView->viewport()->rect().contains(at))
        at += QPoint(columnViewportPosition(0) - fixedView->columnViewportPosition(0),
                     rowViewportPosition(0) - fixedView->rowViewportPosition(0));
    QMouseEvent moved(event->type(), at, event->scenePosition(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers(),
                      event->pointingDevice());
    QCoreApplication::sendEvent(viewport(), &moved);
    event->setAccepted(moved.isAccepted());
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    for (const QTableView* view : fixed_) {
        if (!view || watched != view->viewport()) continue;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            forwardMouse(view, static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::Wheel:
            QCoreApplication::sendEvent(viewport(), event);
            return true;
        default:
            break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void Grid::setRows(int rows) {
    model_->resize(rows, cols());
}
void Grid::setCols(int cols) {
    model_->resize(rows(), cols);
}
void Grid::setFixedRows(int n) {
    model_->setFixed(n, fixedCols());
}
void Grid::setFixedCols(int n) {
    model_->setFixed(fixedRows(), n);
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
    model_->setText(row, col, text);
}

void Grid::fillRows(int firstRow, QStringList texts) {
    model_->fillRows(firstRow, std::move(texts));
}

int Grid::row() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : std::min(fixedRows(), rows() - 1);
}

int Grid::col() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : std::min(fixedCols(), cols() - 1);
}

CellRange Grid::selectedRange() const {
    const int r = row(), c = col();
    CellRange range{r, c, r, c};
    if (!selectionModel()) return range;
    for (const QItemSelectionRange& s : selectionModel()->selection()) {
        if (!s.isValid()) continue;
        range.top = std::min(range.top, s.top());
        range.left = std::min(range.left, s.left());
        range.bottom = std::max(range.bottom, s.bottom());
        range.right = std::max(range.right, s.right());
    }
    return range;
}

void Grid::setCurrentCell(int row, int col) {
    setSelection(row, col, row, col);
}

void Grid::setSelection(int row, int col, int rowSel, int colSel) {
    if (rows() == 0 || cols() == 0) return;
    auto rowIn = [&](int r) { return std::clamp(r, 0, rows() - 1); };
    auto colIn = [&](int c) { return std::clamp(c, 0, cols() - 1); };
    const QModelIndex current = model_->index(rowIn(row), colIn(col));
    const QModelIndex corner = model_->index(rowIn(rowSel), colIn(colSel));
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(current, corner), QItemSelectionModel::ClearAndSelect);
}

QString Grid::selectedText() const {
    return content().clipText(selectedRange());
}

void Grid::setColWidth(int col, int twips) {
    model_->layout().setColWidth(col, twips);
    applyWidths();
}

void Grid::setColAlignment(int col, Qt::Alignment alignment) {
    model_->setColAlignment(col, alignment);
}

void Grid::setCellForeColor(int row, int col, const QColor& c) {
    model_->setForeColor(row, col, c);
}
void Grid::setCellBackColor(int row, int col, const QColor& c) {
    model_->setBackColor(row, col, c);
}
void Grid::setCellFontBold(int row, int col, bool bold) {
    model_->setBold(row, col, bold);
}

void Grid::setMergeMode(MergeMode mode) {
    model_->layout().setMergeMode(mode);
    applySpans();
}

void Grid::setMergeRow(int row, bool on) {
    model_->layout().setMergeRow(row, on);
    applySpans();
}

void Grid::setMergeCol(int col, bool on) {
    model_->layout().setMergeCol(col, on);
    applySpans();
}

void Grid::sort(int col, SortMode mode) {
    model_->sortRows(col, mode);
}
void Grid::clear() {
    model_->clear();
}

void Grid::setFontBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    applyRowHeight();
}

void Grid::setFontSize(double points) {
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    applyRowHeight();
}

int Grid::twipsToPixels(int twips) const {
    return twips * logicalDpiX() / twipsPerInch;
}

int Grid::twipsFor(const QString& text) const {
    // The cell's text margins on both sides, its grid line and a pixel to spare.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return pixelsToTwips(fontMetrics().horizontalAdvance(text) + margins + 2);
}

void Grid::applyLayout() {
    applyWidths();
    applySpans();
    applyRowHeight();
}

void Grid::applyWidths() {
    const int standard = horizontalHeader()->defaultSectionSize();
    for (int c = 0; c < cols(); ++c) {
        const int twips = colWidth(c);
        for (QTableView* view : views())
            view->setColumnWidth(c, twips < 0 ? standard : twipsToPixels(twips));
    }
    placeFixedViews();
}

void Grid::applySpans() {
    const std::vector<CellRange> merged = content().mergeMode() == MergeMode::Never
                                              ? std::vector<CellRange>{}
                                              : content().mergedRanges();
    for (QTableView* view : views()) {
        view->clearSpans();
        for (const CellRange& r : merged)
            view->setSpan(r.top, r.left, r.bottom - r.top + 1, r.right - r.left + 1);
    }
}

void Grid::applyRowHeight() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (QTableView* view : fixed_)
        view->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    placeFixedViews();
}

void Grid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex i = indexAt(event->position().toPoint());
    QTableView::mousePressEvent(event);
    if (i.isValid()) emit cellPressed(i.row(), i.column(), event->button());
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex i = indexAt(event->position().toPoint());
    QTableView::mouseDoubleClickEvent(event);
    if (i.isValid()) emit cellDoubleClicked(i.row(), i.column());
}

int Grid::pixelsToTwips(int pixels) const {
    const int dpi = logicalDpiX();
    return (pixels * twipsPerInch + dpi - 1) / dpi; // never a pixel less
}

void Grid::fitColWidth(int col, const QStringList& texts) {
    int twips = 0;
    for (const QString& t : texts)
        twips = std::max(twips, twipsFor(t));
    if (twips > colWidth(col)) setColWidth(col, twips);
}

int Grid::widthShowingAllColumns() const {
    return horizontalHeader()->length() + 2 * frameWidth() +
           verticalScrollBar()->sizeHint().width();
}

namespace {
// Dragging the right edge of a column in the headings (the fixed rows) sets its width, as
// the edge between two column headers does.
class ColumnEdgeDrag : public QObject {
  public:
    ColumnEdgeDrag(Grid* grid, QTableView* headings)
        : QObject(headings), grid_(grid), headings_(headings) {
        headings->setMouseTracking(true);
        headings->viewport()->installEventFilter(this); // asked before the grid's own filter
    }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            return press(*static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            return move(*static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            return release();
        default:
            return false;
        }
    }

  private:
    bool press(const QMouseEvent& mouse) {
        column_ = mouse.button() == Qt::LeftButton ? edgeAt(mouse.position().x()) : -1;
        start_ = mouse.position().x();
        return column_ >= 0;
    }

    bool move(const QMouseEvent& mouse) {
        if (column_ < 0) {
            if (edgeAt(mouse.position().x()) >= 0)
                headings_->viewport()->setCursor(Qt::SplitHCursor);
            else
                headings_->viewport()->unsetCursor();
            return false;
        }
        const int pixels = std::max(minimumWidth, startWidth_ + int(mouse.position().x() - start_));
        grid_->setColWidth(column_, grid_->pixelsToTwips(pixels));
        return true;
    }

    bool release() {
        if (column_ < 0) return false;
        column_ = -1;
        return true;
    }

    static constexpr int minimumWidth = 4; // pixels
    // The column whose right edge lies within the grip of x, its width noted; -1: none.
    int edgeAt(qreal x) {
        // Half a header's grip on either side of the edge.
        const int grip = headings_->style()->pixelMetric(QStyle::PM_HeaderGripMargin) / 2;
        for (int c = 0; c < grid_->cols(); ++c) {
            const int right = headings_->columnViewportPosition(c) + headings_->columnWidth(c);
            if (std::abs(right - int(x)) <= grip) {
                startWidth_ = headings_->columnWidth(c);
                return c;
            }
        }
        return -1;
    }

    Grid* grid_;
    QTableView* headings_;
    int column_ = -1, startWidth_ = 0;
    qreal start_ = 0;
};
} // namespace

void Grid::letColumnsBeDragged() {
    for (FixedPart part : {FixedRowsPart, CornerPart})
        new ColumnEdgeDrag(this, fixed_[part]);
}

} // namespace platform
