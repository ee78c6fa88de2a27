#pragma once
#include "controls/Job.h"
#include "controls/WorkPacer.h"
#include "diskscreens/SortKeyPart.h"

namespace vok {

class GridRows;
class StringGrid;

// The order of a selection sort of the grid's rows by key, in place: only columns 0 and 1 move,
// so a position column keeps numbering the rows from the top. Ascending by keys 0 and 1, of rows
// with equal keys the last met is placed first; by keys 2 to 4, and descending by any key, the
// first met. The result is exactly the selection sort's, computed in O(N log N).

// Directory space screen: all rows, keys 0 to 4, keys 2 to 4 on the trimmed text.
void SortGrid(GridRows& grid, SortKey key, bool descending, const ProgressHook& progress = {});

// File search screen: all rows, keys 0 to 4 on the untrimmed text. The job's stop request is
// checked before each pass; when found, the rows placed so far stay and the sort reports
// Cancelled.
JobOutcome SortSearchGrid(GridRows& grid, SortKey key, bool descending, const Job& job,
                          const ProgressHook& progress = {});
// The same, giving the grid the keyboard focus first so that Esc reaches it.
JobOutcome SortSearchGrid(StringGrid& grid, SortKey key, bool descending, const Job& job,
                          const ProgressHook& progress = {});
// Both, paced by the operation's own pacer (the walk's before them, say).
JobOutcome SortSearchGrid(GridRows& grid, SortKey key, bool descending, const Job& job,
                          WorkPacer& pacer);
JobOutcome SortSearchGrid(StringGrid& grid, SortKey key, bool descending, const Job& job,
                          WorkPacer& pacer);

// Directory tree screen: the first scanFileCount rows (never more than the grid
// holds), keys 0 and 1 only; other keys leave the grid as it is.
void SortTreeGrid(GridRows& grid, int scanFileCount, SortKey key, bool descending,
                  const ProgressHook& progress = {});

} // namespace vok
