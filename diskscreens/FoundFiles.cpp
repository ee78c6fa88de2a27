#include "diskscreens/FoundFiles.h"
#include "controls/GridRows.h"
#include "diskscreens/ScanCells.h"

namespace vok {

bool AddFoundFile(GridRows& grid, qint64& searchTotalBytes, const QString& dir,
                  const DirEntry& rec) {
    // Every path here is a directory ending in "/" and a name, so even "/a" in the root is a
    // real file and a reason to go on, not to stop.
    const int row = grid.rows();
    grid.appendRow({dir + rec.name(), SizeCellText(rec.size), QString::number(row)});
    searchTotalBytes += rec.size;
    return true;
}

} // namespace vok
