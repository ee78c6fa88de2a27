#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace vok {

// Which of several rows with the smallest key a pass of the selection sort picks.
enum class TieRule { LastMet, FirstMet };

// Replays, in O(N log N), the selection sort that on pass i picks among positions i..N-1 the
// smallest rank (ties by the rule, by current position) and exchanges it with position i. Before
// pass i, stopBefore(i) is asked; true ends the sort with rows 0..i-1 placed as the passes left
// them and the rest where the exchanges moved them. Returns the arrangement: entry i is the
// original position of the row that ends at i.
// setUpTick, when given, runs every few thousand steps of the set-up before the first pass.
std::vector<int> replaySelectionSort(const std::vector<std::uint32_t>& ranks, TieRule tie,
                                     const std::function<bool(int pass)>& stopBefore,
                                     const std::function<void()>& setUpTick = {});

} // namespace vok
