#include "controls/StringGrid.h"
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace vok {

namespace {
// Draws the cells of its columns right-aligned, so that sizes of different widths line up.
class RightAlignedCells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }
};
} // namespace

void StringGrid::setRightAligned(int column) {
    if (isRightAligned(column))
        return;
    rightAligned_ << column;
    setItemDelegateForColumn(column, new RightAlignedCells(this));
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
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(px);
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
    QTableView::keyPressEvent(event);
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
