#include "controls/GridRows.h"
#include <algorithm>
#include <utility>

namespace vok {

GridRows::GridRows(int columns, QObject* parent)
    : QAbstractTableModel(parent), cells_(std::max(columns, 1), std::vector<QString>(1)) {}

int GridRows::columns() const {
    return int(cells_.size());
}

int GridRows::rows() const {
    return rows_;
}

void GridRows::setRows(int count) {
    count = std::max(count, 1);
    flush();
    if (count == rows_)
        return;
    if (count > rows_)
        beginInsertRows({}, rows_, count - 1);
    else
        beginRemoveRows({}, count, rows_ - 1);
    for (auto& column : cells_)
        column.resize(count);
    const bool grew = count > rows_;
    rows_ = shown_ = count;
    if (grew)
        endInsertRows();
    else
        endRemoveRows();
}

QString GridRows::cell(int column, int row) const {
    if (column < 0 || column >= columns() || row < 0 || row >= rows_)
        return {};
    return cells_[column][row];
}

void GridRows::setCell(int column, int row, const QString& text) {
    if (column < 0 || column >= columns() || row < 0 || row >= rows_)
        return;
    cells_[column][row] = text;
    if (row < shown_)
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void GridRows::swapCells(int column, int rowA, int rowB) {
    if (column < 0 || column >= columns() || rowA < 0 || rowA >= rows_ || rowB < 0 ||
        rowB >= rows_ || rowA == rowB)
        return;
    std::swap(cells_[column][rowA], cells_[column][rowB]);
    for (int row : {rowA, rowB})
        if (row < shown_)
            emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void GridRows::appendRow(std::initializer_list<QString> cells) {
    auto it = cells.begin();
    for (auto& column : cells_)
        column.push_back(it != cells.end() ? *it++ : QString());
    ++rows_;
}

void GridRows::flush() {
    if (shown_ == rows_)
        return;
    beginInsertRows({}, shown_, rows_ - 1);
    shown_ = rows_;
    endInsertRows();
}

int GridRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int GridRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns();
}

QVariant GridRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_ || role != Qt::DisplayRole)
        return {};
    return cells_[index.column()][index.row()];
}

Qt::ItemFlags GridRows::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace vok
