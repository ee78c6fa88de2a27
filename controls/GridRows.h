#pragma once
#include "controls/HandleColumn.h"
#include "controls/TextArena.h"
#include <QAbstractTableModel>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

namespace vok {

// The cells of a string grid: a fixed number of columns of texts, at least one row. Each cell is
// a handle into one text arena (4 bytes below 4 GiB of text, 6 above), so a million rows of file
// paths fit in about a hundred bytes a row. Rows appended during a walk reach the views in one
// batch at flush(). Running out of memory (std::bad_alloc) leaves the grid as it was before the
// call that failed.
class GridRows : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridRows(int columns, QObject* parent = nullptr);

    int columns() const;
    int rows() const;        // never below 1
    void setRows(int count); // grows with blank cells or cuts; below 1 gives 1
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    void swapCells(int column, int rowA, int rowB);
    // Sets every cell of a column, as clearing a listing does, with one change for the views.
    void fillColumn(int column, const QString& text);
    void appendRow(std::initializer_list<QString> cells); // views hear of it at flush()

    // A text that many first cells start with (the directory of found files), stored once. The
    // handle holds while a TextPin lives (tidying the texts moves them).
    using Head = TextArena::Handle;
    Head addHead(QByteArrayView utf8);
    // Appends a row of UTF-8 texts whose first cell is head's text followed by the first text;
    // the full text is only put together where it is read.
    void appendRow(Head head, std::initializer_list<QByteArrayView> utf8);
    // Room for this many rows, taken at once: only the address space, as the pages are touched
    // when rows fill them, and no copy of the columns half-way through a long walk.
    void reserveRows(int count);
    void flush(); // tells views about rows appended since the last flush

    // The cell's text as UTF-8 in one or two pieces, without a copy. Valid until the next change
    // of the grid, or while a TextPin lives, until the pin ends.
    TextArena::Parts cellParts(int column, int row) const;
    // The same for a cell stored whole (not appended with a head); of a joined cell, the part
    // after the head.
    QByteArrayView cellUtf8(int column, int row) const;

    // Rearranges the listed columns of the first from.size() rows at once: row i receives what
    // row from[i] held. from must be a permutation of 0..from.size()-1; anything else is refused
    // and false returned. Views hear of it as one change.
    // tick, when given, runs every few thousand rows; the rows of a column being rearranged may
    // show out of place meanwhile, and the views hear of the whole change at the end. Should a
    // tick throw, the rows are still rearranged whole, and then the exception passes on.
    bool reorderRows(std::initializer_list<int> columns, const std::vector<int>& from,
                     const std::function<void()>& tick = {});
    // True while views hear of a reorderRows: each column holds the same cells as before.
    bool reordering() const { return reordering_; }

    // Bytes this grid holds for its cells: handles and text blocks.
    std::size_t bytesUsed() const;

    // Keeps every text seen through cellUtf8 in place while it lives, even if cells change.
    class TextPin {
    public:
        explicit TextPin(const GridRows& rows) : rows_(rows) { ++rows_.pins_; }
        ~TextPin();
        TextPin(const TextPin&) = delete;
        TextPin& operator=(const TextPin&) = delete;

    private:
        const GridRows& rows_;
    };

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool inside(int column, int row) const;
    void makeRoomForViews(int rows) const;
    void changed(int column, int row);
    void compactIfWasteful() noexcept;
    void put(HandleColumn& column, std::size_t row, TextArena::Handle h);
    template <typename Texts, typename Add> void appendHandles(const Texts& cells, Add add);

    mutable TextArena arena_;
    std::vector<HandleColumn> cells_; // per column, one handle a row
    int shown_ = 1;                   // rows the views know of
    bool reordering_ = false;
    mutable int pins_ = 0;
};

} // namespace vok
