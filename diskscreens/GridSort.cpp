#include "diskscreens/GridSort.h"
#include "controls/GridRows.h"
#include "diskscreens/KeyRanks.h"
#include "diskscreens/SelectionReplay.h"
#include <algorithm>

namespace vok {

namespace {

// Sized to n in steps, letting input through between them: a vector of a million entries takes
// its pages all at once otherwise.
void growInSteps(std::vector<std::uint32_t>& v, std::size_t n, WorkPacer& pacer) {
    constexpr std::size_t Step = 1 << 16;
    v.reserve(n);
    while (v.size() < n) {
        v.resize(std::min(n, v.size() + Step));
        pacer.now();
    }
}

// Dense ranks of size cells by their figures, as sizeSortKey orders them: texts of blanks
// alone (the empty and deleted rows) first, shorter ones before longer, then the figures. Empty
// when some cell holds anything else, which leaves the ranking to the texts.
std::vector<std::uint32_t> rankSizes(const GridRows& grid, int count, WorkPacer& pacer) {
    struct Key {
        std::uint64_t value; // a blank text's length, or the figure
        std::uint32_t row;
        bool figure;
        bool operator<(const Key& o) const {
            return figure != o.figure ? o.figure : value < o.value;
        }
    };
    // Reserved, not filled: the pages are touched a row at a time between the checks.
    std::vector<Key> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        pacer.step();
        const QByteArrayView t = grid.cellUtf8(1, r);
        qsizetype i = 0;
        while (i < t.size() && t[i] == ' ')
            ++i;
        Key& k = keys.emplace_back();
        k.row = std::uint32_t(r);
        k.figure = i < t.size();
        if (!k.figure) {
            k.value = std::uint64_t(t.size());
            continue;
        }
        while (i + 1 < t.size() && t[i] == '0')
            ++i;
        // 19 digits always fit; a longer figure is left to the texts.
        if (t.size() - i > 19)
            return {};
        std::uint64_t v = 0;
        for (; i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9')
                return {};
            v = v * 10 + std::uint64_t(t[i] - '0');
        }
        k.value = v;
    }
    std::sort(keys.begin(), keys.end(), [&pacer](const Key& a, const Key& b) {
        pacer.step();
        return a < b;
    });
    std::vector<std::uint32_t> ranks;
    growInSteps(ranks, keys.size(), pacer);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0 && keys[i - 1] < keys[i])
            ++rank;
        ranks[keys[i].row] = rank;
    }
    return ranks;
}

// Ranks of the rows' keys, turned round when descending so that the replay always picks the
// smallest.
std::vector<std::uint32_t> rankRows(const GridRows& grid, int count, SortKey key, bool descending,
                                    bool trimmed, WorkPacer& pacer) {
    std::vector<std::uint32_t> ranks;
    if (key == SortByColumn1) {
        ranks = rankSizes(grid, count, pacer);
        if (ranks.empty()) {
            // Size keys are made, not viewed: they live here while the ranking reads them.
            std::vector<std::array<char, SizeKeyWidth>> room(static_cast<std::size_t>(count));
            ranks = rankTexts(
                std::size_t(count),
                [&](std::size_t r) {
                    pacer.step();
                    return sizeSortKey(grid.cellUtf8(1, int(r)), room[r]);
                },
                pacer);
        }
    } else {
        ranks = rankTexts(
            std::size_t(count),
            [&](std::size_t r) {
                pacer.step();
                return sortKeyPart(grid.cellParts(0, int(r)), key, trimmed);
            },
            pacer);
    }
    if (descending) {
        const std::uint32_t top = *std::max_element(ranks.begin(), ranks.end());
        for (auto& r : ranks)
            r = top - r;
    }
    return ranks;
}

} // namespace

JobOutcome SortGrid(GridRows& grid, SortKey key, bool descending, bool trimmed, WorkPacer& pacer,
                    const Job* job) {
    const int count = grid.rows();
    if (key < SortByColumn0 || key > SortByPath || count < 2)
        return JobOutcome::Done;
    // The hook may let a click through; keep the texts the keys point into where they are.
    GridRows::TextPin pin(grid);
    pacer.setPhase(WorkPacer::Phase::Sort);
    const auto ranks = rankRows(grid, count, key, descending, trimmed, pacer);
    const bool lastMet = !descending && (key == SortByColumn0 || key == SortByColumn1);
    bool cancelled = false;
    const auto order = replaySelectionSort(
        ranks, lastMet ? TieRule::LastMet : TieRule::FirstMet,
        [&](int) {
            pacer.step();
            cancelled = job && job->cancelRequested();
            return cancelled;
        },
        [&pacer] { pacer.now(); });
    // A grid whose rows were cut while the hook ran refuses the order and keeps its rows.
    grid.reorderRows({0, 1}, order, [&pacer] { pacer.now(); });
    return cancelled ? JobOutcome::Cancelled : JobOutcome::Done;
}

} // namespace vok
