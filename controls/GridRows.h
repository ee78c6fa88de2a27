#pragma once
#include <QAbstractTableModel>
#include <QString>
#include <initializer_list>
#include <vector>

namespace vok {

// The cells of a string grid: a fixed number of columns of texts, at least one row.
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
    void appendRow(std::initializer_list<QString> cells); // views hear of it at flush()
    void flush(); // tells views about rows appended since the last flush

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int shownRows() const;

    std::vector<std::vector<QString>> cells_; // per column
    int rows_ = 1;
    int shown_ = 1; // rows the views know of
};

} // namespace vok
