#pragma once
#include "controls/GridRows.h"
#include "platform/DirEntry.h"
#include <QString>

namespace vok {

// The file search grid's row for a found file: the full path exactly as stored, the size cell
// and the row's index; adds the size to searchTotalBytes. Always lets the walk go on.
bool AddFoundFile(GridRows& grid, qint64& searchTotalBytes, const QString& dir,
                  const DirEntry& rec);

// The same rows at less cost for a whole walk: each directory's path is stored once and a row
// keeps the name alone, and texts go into the grid without passing through QString where the
// name is plain ASCII.
class FoundFileRows {
public:
    FoundFileRows(GridRows& grid, qint64& searchTotalBytes);
    bool add(const QString& dir, const DirEntry& rec);

private:
    GridRows& grid_;
    GridRows::TextPin pin_{grid_}; // keeps head_ where it is
    qint64& total_;
    QString dir_; // the directory head_ holds
    quint64 head_ = 0;
    bool haveHead_ = false;
};

} // namespace vok
