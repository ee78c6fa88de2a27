#pragma once
#include "platform/DirEntry.h"
#include <QString>

namespace vok {

class GridRows;

// The file search grid's row for a found file: the full path exactly as stored, the size cell
// and the row's index; adds the size to searchTotalBytes. Always lets the walk go on.
bool AddFoundFile(GridRows& grid, qint64& searchTotalBytes, const QString& dir,
                  const DirEntry& rec);

} // namespace vok
