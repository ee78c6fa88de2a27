#pragma once
#include <QtGlobal>

namespace vok {

class GridRows;

// Gives the grid n rows shaped like a file search's: a path of about 80 bytes, its size cell
// (right-aligned in 12 characters) and the row index. The same seed gives the same rows.
void fillRandomRows(GridRows& grid, int n, quint32 seed);

} // namespace vok
