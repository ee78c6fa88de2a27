#pragma once
#include "diskscreens/SortKeyPart.h"
#include <QtGlobal>

namespace vok {

class GridRows;

// Gives the grid n rows shaped like a file search's: a path of about 80 bytes, its size cell
// (right-aligned in 12 characters) and the row index. The same seed gives the same rows.
void fillRandomRows(GridRows& grid, int n, quint32 seed);

struct GridSortMeasure {
    qint64 fillMs = 0;      // filling the grid
    qint64 sortMs = 0;      // the sort alone
    double bytesPerRow = 0; // what the grid holds for its cells, per row
};

// Fills a three-column grid with n random rows and sorts it the way the directory space screen
// does; for the benchmark program.
GridSortMeasure measureGridSort(int n, SortKey key, bool descending, quint32 seed = 1);

} // namespace vok
