#include "diskscreens/GridSort.h"
#include "controls/GridRows.h"
#include "controls/StringGrid.h"
#include "diskscreens/KeyRanks.h"
#include "diskscreens/SelectionReplay.h"
#include "diskscreens/WorkPacer.h"
#include "platform/DialogService.h"
#include "platform/Services.h"
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

// Sorts the first count rows; cancel, when given, is checked before each pass. Returns whether
// the sort was cancelled.
bool sortRows(GridRows& grid, int count, SortKey key, bool descending, bool trimmed,
              const bool* cancel, const SortProgress& progress) {
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
            cancelled = cancel && *cancel;
            return cancelled;
        });
    // A grid whose rows were cut while the hook ran refuses the order and keeps its rows.
    grid.reorderRows({0, 1}, order);
    return cancelled;
}

} // namespace

void SortGrid(GridRows& grid, SortKey key, bool descending, const SortProgress& progress) {
    sortRows(grid, grid.rows(), key, descending, true, nullptr, progress);
}

void SortSearchGrid(GridRows& grid, SortKey key, bool descending, bool& searchBusy,
                    bool& cancelRequested, const SortProgress& progress) {
    // Cleared on every way out, an error thrown from the hook included, or the screen would
    // stay busy for the rest of the run.
    struct Busy {
        bool& flag;
        ~Busy() { flag = false; }
    } busy{searchBusy};
    searchBusy = true;
    const bool cancelled =
        sortRows(grid, grid.rows(), key, descending, false, &cancelRequested, progress);
    if (cancelled) {
        services().dialogs->message("Vok File Sort has been Cancelled");
        cancelRequested = false;
    }
}

void SortSearchGrid(StringGrid& grid, SortKey key, bool descending, bool& searchBusy,
                    bool& cancelRequested, const SortProgress& progress) {
    grid.setFocus();
    SortSearchGrid(grid.cells(), key, descending, searchBusy, cancelRequested, progress);
}

void SortTreeGrid(GridRows& grid, int scanFileCount, SortKey key, bool descending,
                  const SortProgress& progress) {
    if (key != SortByColumn0 && key != SortByColumn1)
        return;
    sortRows(grid, scanFileCount, key, descending, false, nullptr, progress);
}

} // namespace vok
