#pragma once
#include "diskscreens/SortKeyPart.h"
#include <functional>

namespace vok {

class GridRows;
class StringGrid;

// Run at least every 100 ms while a sort works, to let input through; it may set the cancel flag
// of the file search variant.
using SortProgress = std::function<void()>;

// The order of a selection sort of the grid's rows by key, in place: only columns 0 and 1 move,
// so a position column keeps numbering the rows from the top. Ascending by keys 0 and 1, of rows
// with equal keys the last met is placed first; by keys 2 to 4, and descending by any key, the
// first met. The result is exactly the selection sort's, computed in O(N log N).

// Directory space screen: all rows, keys 0 to 4, keys 2 to 4 on the trimmed text.
void SortGrid(GridRows& grid, SortKey key, bool descending, const SortProgress& progress = {});

// File search screen: all rows, keys 0 to 4 on the untrimmed text. searchBusy is set while it
// runs and cleared after. cancelRequested is checked before each pass; when found set, the rows
// placed so far stay, "Vok File Sort has been Cancelled" is shown and both flags are cleared.
void SortSearchGrid(GridRows& grid, SortKey key, bool descending, bool& searchBusy,
                    bool& cancelRequested, const SortProgress& progress = {});
// The same, giving the grid the keyboard focus first so that Esc reaches it.
void SortSearchGrid(StringGrid& grid, SortKey key, bool descending, bool& searchBusy,
                    bool& cancelRequested, const SortProgress& progress = {});

// Directory tree screen: the first scanFileCount rows (never more than the grid holds), keys 0
// and 1 only; other keys leave the grid as it is.
void SortTreeGrid(GridRows& grid, int scanFileCount, SortKey key, bool descending,
                  const SortProgress& progress = {});

} // namespace vok
