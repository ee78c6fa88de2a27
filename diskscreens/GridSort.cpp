#include "diskscreens/GridSort.h"
#include "controls/GridRows.h"
#include "controls/StringGrid.h"
#include "diskscreens/SelectionReplay.h"
#include "platform/DialogService.h"
#include "platform/Services.h"
#include <QElapsedTimer>
#include <algorithm>
#include <cstring>

namespace vok {

namespace {

// Runs the progress hook when ~50 ms of work have passed, looking at the clock only every few
// thousand steps so that the check costs nothing measurable.
class Pacer {
public:
    explicit Pacer(const SortProgress& progress) : progress_(progress) { clock_.start(); }
    void step() {
        if (!progress_ || ++steps_ % 4096 != 0 || clock_.elapsed() < 50)
            return;
        progress_();
        clock_.restart();
    }

private:
    const SortProgress& progress_;
    QElapsedTimer clock_;
    unsigned steps_ = 0;
};

struct KeyEntry {
    std::uint64_t prefix; // the first 8 bytes, big-endian, so most comparisons end here
    const char* text;
    std::uint32_t length;
    std::uint32_t row;
};

std::uint64_t prefixOf(QByteArrayView t) {
    unsigned char bytes[8] = {};
    std::memcpy(bytes, t.data(), std::size_t(std::min<qsizetype>(t.size(), 8)));
    std::uint64_t v = 0;
    for (unsigned char b : bytes)
        v = v << 8 | b;
    return v;
}

// Dense ranks of the rows' keys: equal keys share a rank, smaller keys a smaller one; descending
// turns the ranks round so that the replay always picks the smallest.
std::vector<std::uint32_t> rankRows(const GridRows& grid, int count, SortKey key, bool descending,
                                    bool trimmed, Pacer& pacer) {
    const int column = key == SortByColumn1 ? 1 : 0;
    std::vector<KeyEntry> entries(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        const QByteArrayView part = sortKeyPart(grid.cellUtf8(column, r), key, trimmed);
        entries[std::size_t(r)] = {part.isEmpty() ? 0 : prefixOf(part), part.data(),
                                   std::uint32_t(part.size()), std::uint32_t(r)};
    }
    auto less = [&pacer](const KeyEntry& a, const KeyEntry& b) {
        pacer.step();
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return compareOrdinal({a.text, a.length}, {b.text, b.length}) < 0;
    };
    std::sort(entries.begin(), entries.end(), less);
    std::vector<std::uint32_t> ranks(static_cast<std::size_t>(count));
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && less(entries[i - 1], entries[i]))
            ++rank;
        ranks[entries[i].row] = rank;
    }
    if (descending)
        for (auto& r : ranks)
            r = rank - r;
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
    Pacer pacer(progress);
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
    searchBusy = true;
    const bool cancelled =
        sortRows(grid, grid.rows(), key, descending, false, &cancelRequested, progress);
    if (cancelled) {
        services().dialogs->message("Vok File Sort has been Cancelled");
        cancelRequested = false;
    }
    searchBusy = false;
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
