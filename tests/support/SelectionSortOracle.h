#pragma once
#include <climits>
#include <functional>
#include <vector>

namespace vok::test {

// The selection sort as first written, the oracle of the fast sorts: pass i picks among
// positions i..n-1 the smallest row by compare (of rows with equal keys the last met, or the
// first met) and exchanges it with position i; it stops before pass stopBefore. compare(a, b)
// compares original rows a and b (negative, 0, positive). Entry i of the result is the original
// position of the row that ends at i.
std::vector<int> selectionSortOrder(int n, const std::function<int(int a, int b)>& compare,
                                    bool lastMet, int stopBefore = INT_MAX);

} // namespace vok::test
