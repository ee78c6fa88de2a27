#include "controls/StringGrid.h"
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace vok {

namespace {
// Draws the cells of its columns right-aligned, so that sizes of different widths line up. The
// blanks a size is padded with would only be elided in a large font.
class RightAlignedCells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override {
        return QStyledItemDelegate::displayText(value, locale).trimmed();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }
};

constexpr int kGridLine = 1;
} // namespace

void StringGrid::setRightAligned(int column) {
    if (isRightAligned(column))
        return;
    rightAligned_ << column;
    if (!askedWidth_.contains(column))
        askedWidth_.insert(column, columnWidth(column));
    setItemDelegateForColumn(column, new RightAlignedCells(this));
    noteFigures(0, rows_->rows() - 1, column, column);
}

bool StringGrid::isRightAligned(int column) const {
    return rightAligned_.contains(column);
}

StringGrid::StringGrid(int columns, QWidget* parent)
    : QTableView(parent), rows_(new GridRows(columns, this)) {
    setModel(rows_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Fixed sections keep a million rows cheap: the view computes positions, it stores none.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setDefaultRowHeight(24);
    connect(rows_, &GridRows::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        noteFigures(first, last, 0, rows_->columns() - 1);
    });
    // Rows put in another order keep each column's cells, so its widest figure: a sort of a
    // million rows needs no second look at them (a tenth of a second without input), unless a
    // cell of the column changed since its last whole look, which may let it shrink back.
    connect(rows_, &GridRows::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                const bool everyRow = from.row() <= 0 && to.row() >= rows_->rows() - 1;
                bool stale = false;
                for (int column : std::as_const(rightAligned_))
                    if (column >= from.column() && column <= to.column())
                        stale = stale || changedFigures_.contains(column);
                if (rows_->reordering() && !stale)
                    return;
                noteFigures(from.row(), to.row(), from.column(), to.column());
                for (int column : std::as_const(rightAligned_))
                    if (column >= from.column() && column <= to.column()) {
                        if (everyRow)
                            changedFigures_.remove(column);
                        else
                            changedFigures_.insert(column);
                    }
            });
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setShowGrid(true);
    setWordWrap(false);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    setTabKeyNavigation(false);
}

int StringGrid::defaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void StringGrid::setDefaultRowHeight(int px) {
    askedRowHeight_ = px;
    fitRowHeight();
}

void StringGrid::setColWidth(int column, int px) {
    askedWidth_[column] = px;
    if (isRightAligned(column))
        fitFigureColumn(column);
    else
        setColumnWidth(column, px);
}

void StringGrid::fitRowHeight() {
    // The whole line, descenders and underscores included, between the cell's margins.
    const int needed = fontMetrics().lineSpacing() +
                       2 * style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, this) +
                       kGridLine;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(qMax(askedRowHeight_, needed));
}

// Remembers the longest texts of the figure columns among the changed cells; a change of every
// row (a new listing, a sort) starts afresh, so the column shrinks back with its figures.
void StringGrid::noteFigures(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    const bool everyRow = firstRow <= 0 && lastRow >= rows_->rows() - 1;
    for (int column : std::as_const(rightAligned_)) {
        if (column < firstColumn || column > lastColumn)
            continue;
        QByteArray& widest = widestFigure_[column];
        if (everyRow)
            widest.clear();
        for (int r = qMax(firstRow, 0); r <= lastRow; ++r) {
            const QByteArrayView text = rows_->cellUtf8(column, r).trimmed();
            if (text.size() > widest.size())
                widest = text.toByteArray();
        }
        fitFigureColumn(column);
    }
}

void StringGrid::fitFigureColumn(int column) {
    const QFontMetrics fm = fontMetrics();
    const QString widest = QString::fromUtf8(widestFigure_.value(column));
    // Digits of some faces differ in width: room for the widest digit in every place.
    int digit = 0;
    for (char c = '0'; c <= '9'; ++c)
        digit = qMax(digit, fm.horizontalAdvance(QLatin1Char(c)));
    const int text = qMax(fm.horizontalAdvance(widest), digit * int(widest.size()));
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int needed = text + 2 * margin + kGridLine;
    setColumnWidth(column, qMax(askedWidth_.value(column, columnWidth(column)), needed));
}

void StringGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() != QEvent::FontChange && event->type() != QEvent::StyleChange)
        return;
    fitRowHeight();
    for (int column : std::as_const(rightAligned_))
        fitFigureColumn(column);
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    pressOnCell_ = at.isValid() && event->button() == Qt::LeftButton;
    reportedByPress_ = false;
    QTableView::mousePressEvent(event);
    // A press on the current cell moves nothing, yet the click that follows must know its row.
    if (pressOnCell_ && !reportedByPress_)
        emit selectCell(at.column(), at.row());
    reportedByPress_ = true;
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const bool click = pressOnCell_ && event->button() == Qt::LeftButton &&
                       viewport()->rect().contains(event->position().toPoint());
    pressOnCell_ = false;
    if (click)
        emit clicked();
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key());
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        currentIndex().isValid()) {
        emit deletePressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

// A list of files, not a spreadsheet: Home and End go to its ends, in the current column.
QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if ((action == MoveHome || action == MoveEnd) && rows_->rows() > 0)
        return rows_->index(action == MoveHome ? 0 : rows_->rows() - 1,
                            current.isValid() ? current.column() : 0);
    return QTableView::moveCursor(action, modifiers);
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid())
        return;
    if (pressOnCell_)
        reportedByPress_ = true;
    emit selectCell(current.column(), current.row());
}

} // namespace vok
