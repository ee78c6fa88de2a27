#include "controls/GridRows.h"
#include "platform/MemoryReserve.h"
#include <QScopeGuard>
#include <QVarLengthArray>
#include <algorithm>
#include <exception>
#include <new>
#include <utility>

namespace vok {

GridRows::GridRows(int columns, QObject* parent)
    : QAbstractTableModel(parent), cells_(std::size_t(std::max(columns, 1))) {
    for (auto& column : cells_)
        column.resize(1);
}

int GridRows::columns() const {
    return int(cells_.size());
}

int GridRows::rows() const {
    return int(cells_[0].size());
}

bool GridRows::inside(int column, int row) const {
    return column >= 0 && column < columns() && row >= 0 && row < rows();
}

void GridRows::changed(int column, int row) {
    if (row < shown_)
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void GridRows::setRows(int count) {
    count = std::max(count, 1);
    flush();
    const int old = rows();
    if (count == old)
        return;
    if (count > old) {
        // Grown before the views hear of it, so that running out of memory half way changes
        // nothing they know.
        makeRoomForViews(count);
        std::size_t grown = 0;
        try {
            for (; grown < cells_.size(); ++grown)
                cells_[grown].resize(std::size_t(count));
        } catch (...) {
            for (std::size_t c = 0; c < grown; ++c)
                cells_[c].resize(std::size_t(old));
            throw;
        }
        beginInsertRows({}, old, count - 1);
        shown_ = count;
        endInsertRows();
        return;
    }
    beginRemoveRows({}, count, old - 1);
    for (auto& column : cells_) {
        for (std::size_t r = std::size_t(count); r < column.size(); ++r)
            arena_.release(column.at(r));
        column.resize(std::size_t(count));
        column.trim();
    }
    shown_ = count;
    endRemoveRows();
    compactIfWasteful();
}

QString GridRows::cell(int column, int row) const {
    if (!inside(column, row))
        return {};
    const TextArena::Parts parts = cellParts(column, row);
    // A head ends at a character's end, yet the text is decoded whole to be sure of it.
    return QString::fromUtf8(parts.tail.isEmpty() ? parts.head.toByteArray() : parts.joined());
}

TextArena::Parts GridRows::cellParts(int column, int row) const {
    if (!inside(column, row))
        return {};
    return arena_.parts(cells_[std::size_t(column)].at(std::size_t(row)));
}

QByteArrayView GridRows::cellUtf8(int column, int row) const {
    if (!inside(column, row))
        return {};
    return arena_.text(cells_[std::size_t(column)].at(std::size_t(row)));
}

void GridRows::setCell(int column, int row, const QString& text) {
    if (!inside(column, row))
        return;
    put(cells_[std::size_t(column)], std::size_t(row), arena_.add(text.toUtf8()));
    changed(column, row);
    compactIfWasteful();
}

void GridRows::fillColumn(int column, const QString& text) {
    if (column < 0 || column >= columns())
        return;
    const QByteArray utf8 = text.toUtf8();
    HandleColumn& cells = cells_[std::size_t(column)];
    for (std::size_t r = 0; r < cells.size(); ++r)
        put(cells, r, arena_.add(utf8)); // blanks are shared; other texts get a record each
    if (shown_ > 0)
        emit dataChanged(index(0, column), index(shown_ - 1, column), {Qt::DisplayRole});
    compactIfWasteful();
}

void GridRows::swapCells(int column, int rowA, int rowB) {
    if (!inside(column, rowA) || !inside(column, rowB) || rowA == rowB)
        return;
    cells_[std::size_t(column)].swap(std::size_t(rowA), std::size_t(rowB));
    changed(column, rowA);
    changed(column, rowB);
}

// A cell takes its new text; the old one becomes garbage. Should the column fail to take it, the
// new text is the garbage instead.
void GridRows::put(HandleColumn& column, std::size_t row, TextArena::Handle h) {
    const TextArena::Handle old = column.at(row);
    try {
        column.set(row, h);
    } catch (...) {
        arena_.release(h);
        throw;
    }
    arena_.release(old);
}

template <typename Texts, typename Add> void GridRows::appendHandles(const Texts& cells, Add add) {
    // A row is added whole or not at all: every column keeps the same number of rows.
    QVarLengthArray<TextArena::Handle, 8> handles; // no allocation of its own for a row
    std::size_t pushed = 0;
    try {
        auto it = cells.begin();
        for (std::size_t c = 0; c < cells_.size(); ++c)
            handles.push_back(it != cells.end() ? add(c, *it++) : TextArena::Empty);
        for (; pushed < cells_.size(); ++pushed)
            cells_[pushed].push_back(handles[pushed]);
    } catch (...) {
        for (std::size_t c = 0; c < pushed; ++c)
            cells_[c].pop_back();
        for (const TextArena::Handle h : handles)
            arena_.release(h);
        throw;
    }
}

void GridRows::appendRow(std::initializer_list<QString> cells) {
    appendHandles(cells,
                  [this](std::size_t, const QString& text) { return arena_.add(text.toUtf8()); });
}

void GridRows::reserveRows(int count) {
    for (auto& column : cells_)
        column.reserve(std::size_t(std::max(count, 1)));
}

GridRows::Head GridRows::addHead(QByteArrayView utf8) {
    return arena_.add(utf8);
}

void GridRows::appendRow(Head head, std::initializer_list<QByteArrayView> utf8) {
    appendHandles(utf8, [this, head](std::size_t c, QByteArrayView text) {
        return c == 0 ? arena_.addJoined(head, text) : arena_.add(text);
    });
}

// Views keep a record per row of their own, grown by copying, and cannot fail cleanly when that
// allocation does (a null pointer in the toolkit): room for it is made sure of first, so that
// running out of memory stays an exception the command ends with.
void GridRows::makeRoomForViews(int rows) const {
    constexpr std::size_t ViewBytesPerRow = 48;
    // Address space of its own: given back at once, it is there for whatever way they grow.
    MemoryReserve room(std::size_t(rows) * ViewBytesPerRow);
    if (!room.take())
        throw std::bad_alloc();
}

void GridRows::flush() {
    const int all = rows();
    if (shown_ == all)
        return;
    makeRoomForViews(all);
    beginInsertRows({}, shown_, all - 1);
    shown_ = all;
    endInsertRows();
}

bool GridRows::reorderRows(std::initializer_list<int> columns, const std::vector<int>& from,
                           const std::function<void()>& tick) {
    const std::size_t n = from.size();
    if (n > std::size_t(rows()))
        return false;
    for (int c : columns)
        if (c < 0 || c >= this->columns())
            return false;
    std::vector<bool> seen(n);
    for (int f : from) {
        if (f < 0 || std::size_t(f) >= n || seen[std::size_t(f)])
            return false;
        seen[std::size_t(f)] = true;
    }
    constexpr std::size_t TickEvery = 1 << 16;
    // A tick that fails (input handled meanwhile ran out of memory, say) ends the ticks, not the
    // rearrangement: a column left half way would hold some rows twice and lose others.
    std::exception_ptr failed;
    const auto tickAt = [&](std::size_t i) {
        if (!tick || failed || i % TickEvery != TickEvery - 1)
            return;
        try {
            tick();
        } catch (...) {
            failed = std::current_exception();
        }
    };
    std::vector<TextArena::Handle> moved;
    moved.reserve(n);
    for (int c : columns) {
        auto& column = cells_[std::size_t(c)];
        moved.clear();
        for (std::size_t i = 0; i < n; ++i) {
            moved.push_back(column.at(std::size_t(from[i])));
            tickAt(i);
        }
        for (std::size_t i = 0; i < n; ++i) {
            column.set(i, moved[i]); // never widens: the handles were in this column already
            tickAt(i);
        }
    }
    const int last = std::min(int(n), shown_) - 1;
    if (last >= 0 && columns.size() > 0) {
        const auto [lo, hi] = std::minmax_element(columns.begin(), columns.end());
        reordering_ = true;
        const auto done = qScopeGuard([this] { reordering_ = false; });
        emit dataChanged(index(0, *lo), index(last, *hi), {Qt::DisplayRole});
    }
    if (failed)
        std::rethrow_exception(failed);
    return true;
}

std::size_t GridRows::bytesUsed() const {
    std::size_t total = arena_.allocated();
    for (const auto& column : cells_)
        total += column.bytesUsed();
    return total;
}

GridRows::TextPin::~TextPin() {
    if (--rows_.pins_ == 0)
        const_cast<GridRows&>(rows_).compactIfWasteful();
}

void GridRows::compactIfWasteful() noexcept {
    // Rewritten cells leave their old texts behind; copy the live ones once the dead outweigh
    // them, which keeps repeated listings from growing without bound.
    constexpr std::size_t Slack = 1 << 20;
    const std::size_t all = arena_.allocated();
    if (pins_ > 0 || arena_.garbage() < Slack || arena_.garbage() * 2 < all)
        return;
    // The new handles go into copies first: without the memory for them the grid stays as it
    // is, only less tidy.
    try {
        TextArena::Compactor compactor(arena_);
        std::vector<HandleColumn> fresh(cells_.size());
        for (std::size_t c = 0; c < cells_.size(); ++c) {
            fresh[c].resize(cells_[c].size());
            for (std::size_t r = 0; r < cells_[c].size(); ++r)
                fresh[c].set(r, compactor.remap(cells_[c].at(r)));
        }
        cells_.swap(fresh);
        compactor.finish();
    } catch (const std::bad_alloc&) {
        return; // tidying is not worth failing the change that asked for it
    }
}

int GridRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int GridRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns();
}

QVariant GridRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_ || index.column() >= columns())
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    return cell(index.column(), index.row());
}

Qt::ItemFlags GridRows::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace vok
