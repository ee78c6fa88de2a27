#include "diskscreens/SortKeyPart.h"
#include <algorithm>
#include <cstring>

namespace vok {

namespace {
QByteArrayView trimControls(QByteArrayView t) {
    qsizetype from = 0;
    qsizetype to = t.size();
    while (from < to && static_cast<unsigned char>(t[from]) <= 32)
        ++from;
    while (to > from && static_cast<unsigned char>(t[to - 1]) <= 32)
        --to;
    return t.sliced(from, to - from);
}

qsizetype lastOf(QByteArrayView t, char c, qsizetype after) {
    for (qsizetype i = t.size() - 1; i > after; --i)
        if (t[i] == c)
            return i;
    return -1;
}
} // namespace

QByteArrayView sortKeyPart(QByteArrayView text, SortKey key, bool trimmed) {
    if (key == SortByColumn0 || key == SortByColumn1)
        return text;
    if (trimmed)
        text = trimControls(text);
    const qsizetype slash = lastOf(text, '/', -1);
    switch (key) {
    case SortByFileName:
        return text.sliced(slash + 1);
    case SortByExtension: {
        const qsizetype dot = lastOf(text, '.', slash);
        return dot < 0 ? QByteArrayView() : text.sliced(dot);
    }
    case SortByPath:
        return text.first(slash + 1);
    default:
        return text;
    }
}

TextArena::Parts sortKeyPart(const TextArena::Parts& text, SortKey key, bool trimmed) {
    if (text.tail.isEmpty())
        return {sortKeyPart(text.head, key, trimmed), {}};
    const QByteArrayView head = text.head, tail = text.tail;
    const qsizetype n = text.size();
    const auto at = [&](qsizetype i) {
        return static_cast<unsigned char>(i < head.size() ? head[i] : tail[i - head.size()]);
    };
    // [from, to) of the whole text, cut back into its pieces.
    const auto slice = [&](qsizetype from, qsizetype to) {
        const qsizetype split = head.size();
        return TextArena::Parts{
            head.sliced(std::min(from, split), std::min(to, split) - std::min(from, split)),
            tail.sliced(std::max(from, split) - split,
                        std::max(to, split) - std::max(from, split))};
    };
    if (key == SortByColumn0 || key == SortByColumn1)
        return text;
    qsizetype from = 0, to = n;
    if (trimmed) {
        while (from < to && at(from) <= 32)
            ++from;
        while (to > from && at(to - 1) <= 32)
            --to;
    }
    const auto lastOf = [&](char c, qsizetype after) {
        for (qsizetype i = to - 1; i > after; --i)
            if (at(i) == static_cast<unsigned char>(c))
                return i;
        return qsizetype(-1);
    };
    const qsizetype slash = lastOf('/', from - 1);
    switch (key) {
    case SortByFileName:
        return slice(slash < 0 ? from : slash + 1, to);
    case SortByExtension: {
        const qsizetype dot = lastOf('.', slash < 0 ? from - 1 : slash);
        return dot < 0 ? TextArena::Parts{} : slice(dot, to);
    }
    case SortByPath:
        return slice(from, slash + 1 < from ? from : slash + 1);
    default:
        return text;
    }
}

QByteArrayView sizeSortKey(QByteArrayView text, std::array<char, SizeKeyWidth>& room) {
    qsizetype first = 0;
    while (first < text.size() && text[first] == ' ')
        ++first;
    if (first == text.size())
        return text;
    for (qsizetype i = first; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return text;
    // Leading zeros say nothing about the figure.
    while (first + 1 < text.size() && text[first] == '0')
        ++first;
    const qsizetype digits = text.size() - first;
    if (digits > SizeKeyWidth)
        return text;
    std::memset(room.data(), ' ', std::size_t(SizeKeyWidth - digits));
    std::memcpy(room.data() + (SizeKeyWidth - digits), text.data() + first, std::size_t(digits));
    return QByteArrayView(room.data(), SizeKeyWidth);
}

int compareOrdinal(QByteArrayView a, QByteArrayView b) {
    const qsizetype common = a.size() < b.size() ? a.size() : b.size();
    if (common > 0) {
        if (const int c = std::memcmp(a.data(), b.data(), std::size_t(common)))
            return c < 0 ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace vok
