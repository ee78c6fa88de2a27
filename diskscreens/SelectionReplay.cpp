#include "diskscreens/SelectionReplay.h"
#include <limits>
#include <memory>
#include <numeric>
#include <utility>

namespace vok {

namespace {
// A tournament tree over positions whose root is the pick of the next pass: each leaf holds the
// rank in the high half and the position in the low half, the position mirrored when the last
// met must win, so the smallest code is always the pick.
constexpr std::size_t kTickEvery = 16384;

class PickTree {
public:
    PickTree(const std::vector<std::uint32_t>& ranks, TieRule tie,
             const std::function<void()>& tick)
        : tie_(tie) {
        while (size_ < ranks.size())
            size_ *= 2;
        // Left unfilled by the allocation and filled in steps, so the set-up of a million rows
        // lets input through like the passes do.
        nodes_.reset(new std::uint64_t[2 * size_]);
        for (std::size_t p = 0; p < size_; ++p) {
            nodes_[size_ + p] = p < ranks.size() ? code(ranks[p], p) : Done;
            if (tick && p % kTickEvery == 0)
                tick();
        }
        for (std::size_t k = size_ - 1; k > 0; --k) {
            nodes_[k] = std::min(nodes_[2 * k], nodes_[2 * k + 1]);
            if (tick && k % kTickEvery == 0)
                tick();
        }
        nodes_[0] = Done;
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
    std::unique_ptr<std::uint64_t[]> nodes_;
};
} // namespace

std::vector<int> replaySelectionSort(const std::vector<std::uint32_t>& ranks, TieRule tie,
                                     const std::function<bool(int pass)>& stopBefore,
                                     const std::function<void()>& setUpTick) {
    const std::size_t n = ranks.size();
    std::vector<int> order;
    order.reserve(n);
    std::vector<std::uint32_t> rankAt;
    rankAt.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        order.push_back(int(i));
        rankAt.push_back(ranks[i]);
        if (setUpTick && i % kTickEvery == 0)
            setUpTick();
    }
    if (n == 0)
        return order;
    PickTree tree(ranks, tie, setUpTick);
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
