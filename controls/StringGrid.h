#pragma once
#include "controls/GridRows.h"
#include <QHash>
#include <QSet>
#include <QTableView>

namespace vok {

// Vok's string grid: a table of texts without fixed rows or columns, one uniform row height,
// grid lines, no editing. Rows are at least as high as the font needs, and right-aligned columns
// (figures) at least as wide as their widest text: a figure is never cut short. A mouse press on a
// cell reports the cell (selectCell) before the click that follows it (clicked), so a click handler
// always knows the row it acts on; keys are reported (keyPressed) before the grid moves its current
// cell with them. Delete on a current cell asks for what a click does (deletePressed); Home and
// End go to the first and last row.
class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(int columns, QWidget* parent = nullptr);

    GridRows& cells() { return *rows_; }
    const GridRows& cells() const { return *rows_; }

    int rowCount() const { return rows_->rows(); }
    void setRowCount(int count) { rows_->setRows(count); }
    QString cell(int column, int row) const { return rows_->cell(column, row); }
    void setCell(int column, int row, const QString& text) { rows_->setCell(column, row, text); }

    // Draws a column's texts right-aligned (figures), leaving the texts as they are; the blanks
    // they are padded with take no room.
    void setRightAligned(int column);
    bool isRightAligned(int column) const;

    // Widths and the row height a screen asks for; a figure column or the font may need more.
    int colWidth(int column) const { return columnWidth(column); }
    void setColWidth(int column, int px);
    int defaultRowHeight() const;
    void setDefaultRowHeight(int px);

signals:
    void selectCell(int col, int row);
    void clicked();
    void keyPressed(int key);
    void deletePressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void changeEvent(QEvent* event) override;

private:
    void noteFigures(int firstRow, int lastRow, int firstColumn, int lastColumn);
    void fitFigureColumn(int column);
    void fitRowHeight();

    GridRows* rows_;
    QList<int> rightAligned_;
    QHash<int, int> askedWidth_;
    QHash<int, QByteArray> widestFigure_; // per figure column, the longest text, blanks trimmed
    QSet<int> changedFigures_; // figure columns with cells changed since their last whole look
    int askedRowHeight_ = 24;
    bool pressOnCell_ = false;
    bool reportedByPress_ = false;
};

} // namespace vok
