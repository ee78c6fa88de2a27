#pragma once
#include "controls/Job.h"
#include "controls/WorkPacer.h"
#include "diskscreens/SortKeyPart.h"

namespace vok {

class GridRows;

// Sorts the grid's rows by key in the order of a selection sort, in place: only columns 0 and 1
// move, so a position column keeps numbering the rows from the top. Ascending by keys 0 and 1, of
// rows with equal keys the last met is placed first; by keys 2 to 4, and descending by any key,
// the first met. The result is exactly the selection sort's, computed in O(N log N). With
// trimmed (the directory space screen) keys 2 to 4 compare the trimmed text; the search and tree
// grids compare the text as it is. A given job's stop request is checked before each pass; when
// found, the rows placed so far stay and the sort reports Cancelled.
JobOutcome SortGrid(GridRows& grid, SortKey key, bool descending, bool trimmed, WorkPacer& pacer,
                    const Job* job = nullptr);

} // namespace vok
