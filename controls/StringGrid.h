#pragma once
#include "controls/GridRows.h"
#include <QTableView>

namespace vok {

// Vok's string grid: a table of texts without fixed rows or columns, one uniform row height,
// grid lines, no editing. A mouse press on a cell reports the cell (selectCell) before the click
// that follows it (clicked), so a click handler always knows the row it acts on; keys are
// reported (keyPressed) before the grid moves its current cell with them.
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

    // Draws a column's texts right-aligned (figures), leaving the texts as they are.
    void setRightAligned(int column);
    bool isRightAligned(int column) const;

    int colWidth(int column) const { return columnWidth(column); }
    void setColWidth(int column, int px) { setColumnWidth(column, px); }
    int defaultRowHeight() const;
    void setDefaultRowHeight(int px);

signals:
    void selectCell(int col, int row);
    void clicked();
    void keyPressed(int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    GridRows* rows_;
    QList<int> rightAligned_;
    bool pressOnCell_ = false;
    bool reportedByPress_ = false;
};

} // namespace vok
