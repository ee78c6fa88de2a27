#include "diskscreens/GridSort.h"
#include "controls/GridRows.h"
#include "controls/StringGrid.h"
#include "controls/WorkPacer.h"
#include "diskscreens/KeyRanks.h"
#include "diskscreens/SelectionReplay.h"
#include <algorithm>

namespace vok {

namespace {

// Ranks of the rows' keys, turned round when descending so that the replay always picks the
// smallest.
std::vector<std::uint32_t> rankRows(const GridRows& grid, int count, SortKey key, bool descending,
                                    bool trimmed, WorkPacer& pacer) {
    std::vector<std::uint32_t> ranks;
    if (key == SortByColumn1) {
        // Size keys are made, not viewed: they live here while the ranking reads them.
        std::vector<std::array<char, SizeKeyWidth>> room(static_cast<std::size_t>(count));
        ranks = rankTexts(
            std::size_t(count),
            [&](std::size_t r) { return sizeSortKey(grid.cellUtf8(1, int(r)), room[r]); }, pacer);
    } else {
        ranks = rankTexts(
            std::size_t(count),
            [&](std::size_t r) { return sortKeyPart(grid.cellUtf8(0, int(r)), key, trimmed); },
            pacer);
    }
    if (descending) {
        const std::uint32_t top = *std::max_element(ranks.begin(), ranks.end());
        for (auto& r : ranks)
            r = top - r;
    }
    return ranks;
}

// Sorts the first count rows; the job's stop request, when given, is checked before each pass.
// Returns whether the sort was cancelled.
bool sortRows(GridRows& grid, int count, SortKey key, bool descending, bool trimmed, const Job* job,
              const ProgressHook& progress) {
    if (key < SortByColumn0 || key > SortByPath)
        return false;
    count = std::min(count, grid.rows());
    if (count < 2)
        return false;
    // The hook may let a click through; keep the texts the keys point into where they are.
    GridRows::TextPin pin(grid);
    WorkPacer pacer(progress);
    const auto ranks = rankRows(grid, count, key, descending, trimmed, pacer);
    const bool lastMet = !descending && (key == SortByColumn0 || key == SortByColumn1);
    bool cancelled = false;
    const auto order =
        replaySelectionSort(ranks, lastMet ? TieRule::LastMet : TieRule::FirstMet, [&](int) {
            pacer.step();
            cancelled = job && job->cancelRequested();
            return cancelled;
        });
    // A grid whose rows were cut while the hook ran refuses the order and keeps its rows.
    grid.reorderRows({0, 1}, order);
    return cancelled;
}

} // namespace

void SortGrid(GridRows& grid, SortKey key, bool descending, const ProgressHook& progress) {
    sortRows(grid, grid.rows(), key, descending, true, nullptr, progress);
}

JobOutcome SortSearchGrid(GridRows& grid, SortKey key, bool descending, const Job& job,
                          const ProgressHook& progress) {
    return sortRows(grid, grid.rows(), key, descending, false, &job, progress)
               ? JobOutcome::Cancelled
               : JobOutcome::Done;
}

JobOutcome SortSearchGrid(StringGrid& grid, SortKey key, bool descending, const Job& job,
                          const ProgressHook& progress) {
    grid.setFocus();
    return SortSearchGrid(grid.cells(), key, descending, job, progress);
}

void SortTreeGrid(GridRows& grid, int scanFileCount, SortKey key, bool descending,
                  const ProgressHook& progress) {
    if (key != SortByColumn0 && key != SortByColumn1)
        return;
    sortRows(grid, scanFileCount, key, descending, false, nullptr, progress);
}

} // namespace vok
