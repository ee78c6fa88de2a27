#include "diskscreens/SelectionReplay.h"
#include <limits>
#include <numeric>
#include <utility>

namespace vok {

namespace {
// A tournament tree over positions whose root is the pick of the next pass: each leaf holds the
// rank in the high half and the position in the low half, the position mirrored when the last
// met must win, so the smallest code is always the pick.
class PickTree {
public:
    PickTree(const std::vector<std::uint32_t>& ranks, TieRule tie) : tie_(tie) {
        while (size_ < ranks.size())
            size_ *= 2;
        nodes_.assign(2 * size_, Done);
        for (std::size_t p = 0; p < ranks.size(); ++p)
            nodes_[size_ + p] = code(ranks[p], p);
        for (std::size_t k = size_ - 1; k > 0; --k)
            nodes_[k] = std::min(nodes_[2 * k], nodes_[2 * k + 1]);
    }

    std::size_t pick() const {
        const auto low = std::uint32_t(nodes_[1]);
        return tie_ == TieRule::LastMet ? std::numeric_limits<std::uint32_t>::max() - low : low;
    }

    void set(std::size_t position, std::uint32_t rank) { update(position, code(rank, position)); }
    void retire(std::size_t position) { update(position, Done); }

private:
    static constexpr std::uint64_t Done = std::numeric_limits<std::uint64_t>::max();

    std::uint64_t code(std::uint32_t rank, std::size_t position) const {
        const auto p = std::uint32_t(position);
        const std::uint32_t low =
            tie_ == TieRule::LastMet ? std::numeric_limits<std::uint32_t>::max() - p : p;
        return std::uint64_t(rank) << 32 | low;
    }

    void update(std::size_t position, std::uint64_t value) {
        std::size_t k = size_ + position;
        nodes_[k] = value;
        // Where a node keeps its value, every node above it does too.
        for (k /= 2; k > 0; k /= 2) {
            const std::uint64_t least = std::min(nodes_[2 * k], nodes_[2 * k + 1]);
            if (nodes_[k] == least)
                break;
            nodes_[k] = least;
        }
    }

    TieRule tie_;
    std::size_t size_ = 1;
    std::vector<std::uint64_t> nodes_;
};
} // namespace

std::vector<int> replaySelectionSort(const std::vector<std::uint32_t>& ranks, TieRule tie,
                                     const std::function<bool(int pass)>& stopBefore) {
    const std::size_t n = ranks.size();
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (n == 0)
        return order;
    std::vector<std::uint32_t> rankAt = ranks;
    PickTree tree(ranks, tie);
    for (std::size_t i = 0; i < n; ++i) {
        if (stopBefore && stopBefore(int(i)))
            break;
        const std::size_t p = tree.pick();
        if (p != i) {
            std::swap(order[i], order[p]);
            std::swap(rankAt[i], rankAt[p]);
            tree.set(p, rankAt[p]);
        }
        tree.retire(i);
    }
    return order;
}

} // namespace vok
