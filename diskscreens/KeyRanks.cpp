#include "diskscreens/KeyRanks.h"
#include "controls/WorkPacer.h"
#include <algorithm>
#include <bit>
#include <cstring>

namespace vok {

namespace {

// One text during ranking: the 8 bytes at the current depth as a big-endian number, so that a
// sort at one depth compares registers, not memory.
// A text in two pieces (a directory and a name) is read as one.
struct Entry {
    std::uint64_t chunk;
    const char* head;
    const char* tail;
    std::uint32_t headLength;
    std::uint32_t length; // head and tail
    std::uint32_t index;
};

void copyOut(unsigned char* to, const Entry& e, std::uint32_t from, std::uint32_t count) {
    if (from < e.headLength) {
        const std::uint32_t n = std::min(count, e.headLength - from);
        std::memcpy(to, e.head + from, n);
        to += n;
        from += n;
        count -= n;
    }
    if (count)
        std::memcpy(to, e.tail + (from - e.headLength), count);
}

std::uint64_t chunkAt(const Entry& e, std::uint32_t depth) {
    unsigned char bytes[8] = {};
    if (e.length > depth)
        copyOut(bytes, e, depth, std::min<std::uint32_t>(e.length - depth, 8));
    std::uint64_t v;
    std::memcpy(&v, bytes, 8);
    if constexpr (std::endian::native == std::endian::little)
        v = __builtin_bswap64(v);
    return v;
}

// Bytes left from depth on, 9 meaning "more than this chunk": equal chunks with equal tails up
// to 8 are equal texts, and a text that ends first is the smaller.
std::uint32_t tail(const Entry& e, std::uint32_t depth) {
    return e.length <= depth ? 0 : std::min<std::uint32_t>(e.length - depth, 9);
}

struct Range {
    std::size_t from, to;
    std::uint32_t depth;
};

} // namespace

std::vector<std::uint32_t> rankTexts(std::size_t n,
                                     const std::function<QByteArrayView(std::size_t)>& textOf,
                                     WorkPacer& pacer) {
    return rankTexts(
        n,
        [&](std::size_t i) {
            return TextArena::Parts{textOf(i), {}};
        },
        pacer);
}

std::vector<std::uint32_t> rankTexts(std::size_t n,
                                     const std::function<TextArena::Parts(std::size_t)>& textOf,
                                     WorkPacer& pacer) {
    std::vector<Entry> entries;
    entries.reserve(n); // touched an entry at a time, between the caller's checks
    for (std::size_t i = 0; i < n; ++i) {
        const TextArena::Parts t = textOf(i);
        entries.push_back({0, t.head.data(), t.tail.data(), std::uint32_t(t.head.size()),
                           std::uint32_t(t.size()), std::uint32_t(i)});
        entries[i].chunk = chunkAt(entries[i], 0);
    }
    // Sorting 8 bytes at a time, deeper only inside groups that still tie (a most-significant
    // digit radix sort with 64-bit digits): long shared prefixes such as a directory cost one
    // pass per 8 bytes over the rows that share them, never a comparison that chases pointers.
    std::vector<bool> startsRank(n, false);
    std::vector<Range> todo;
    if (n > 0)
        todo.push_back({0, n, 0});
    while (!todo.empty()) {
        const Range r = todo.back();
        todo.pop_back();
        const std::uint32_t d = r.depth;
        if (d > 0)
            for (std::size_t i = r.from; i < r.to; ++i) {
                entries[i].chunk = chunkAt(entries[i], d);
                pacer.step();
            }
        // Rows that all share this chunk (one deep directory) need no sort at this depth.
        bool allSame = true;
        for (std::size_t i = r.from + 1; i < r.to && allSame; ++i)
            allSame = entries[i].chunk == entries[r.from].chunk &&
                      tail(entries[i], d) == tail(entries[r.from], d);
        if (!allSame)
            std::sort(entries.begin() + std::ptrdiff_t(r.from),
                      entries.begin() + std::ptrdiff_t(r.to),
                      [&pacer, d](const Entry& a, const Entry& b) {
                          pacer.step();
                          if (a.chunk != b.chunk)
                              return a.chunk < b.chunk;
                          return tail(a, d) < tail(b, d);
                      });
        for (std::size_t g = r.from; g < r.to;) {
            std::size_t end = g + 1;
            while (end < r.to && entries[end].chunk == entries[g].chunk &&
                   tail(entries[end], d) == tail(entries[g], d))
                ++end;
            if (end - g > 1 && tail(entries[g], d) == 9)
                todo.push_back({g, end, d + 8});
            else
                startsRank[g] = true;
            g = end;
        }
    }
    std::vector<std::uint32_t> ranks(n);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && startsRank[i])
            ++rank;
        ranks[entries[i].index] = rank;
    }
    return ranks;
}

} // namespace vok
