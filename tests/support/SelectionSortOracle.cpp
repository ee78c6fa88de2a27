#include "support/SelectionSortOracle.h"
#include <numeric>
#include <utility>

namespace vok::test {

std::vector<int> selectionSortOrder(int n, const std::function<int(int a, int b)>& compare,
                                    bool lastMet, int stopBefore) {
    std::vector<int> order(static_cast<std::size_t>(std::max(n, 0)));
    std::iota(order.begin(), order.end(), 0);
    for (int i = 0; i < n && i < stopBefore; ++i) {
        int pick = i;
        for (int j = i + 1; j < n; ++j) {
            const int c = compare(order[std::size_t(j)], order[std::size_t(pick)]);
            if (c < 0 || (lastMet && c == 0))
                pick = j;
        }
        std::swap(order[std::size_t(i)], order[std::size_t(pick)]);
    }
    return order;
}

} // namespace vok::test
