#include "controls/TextArena.h"
#include <algorithm>
#include <cstring>
#include <new>

namespace vok {

namespace {
constexpr std::size_t FirstBlockSize = 4096;
constexpr std::size_t MaxBlocks = std::size_t(1) << (TextArena::HandleBits - TextArena::OffsetBits);

// A record starts with its length, shifted left once to make room for the joined flag, as 7-bit
// groups, low first, so short texts pay one byte. A joined record holds its head's handle next.
std::size_t writeLength(char* out, std::size_t length) {
    std::size_t n = 0;
    do {
        unsigned char byte = length & 0x7f;
        length >>= 7;
        if (length)
            byte |= 0x80;
        out[n++] = char(byte);
    } while (length);
    return n;
}

std::size_t readLength(const char*& p) {
    std::size_t length = 0;
    int shift = 0;
    unsigned char byte;
    do {
        byte = static_cast<unsigned char>(*p++);
        length |= std::size_t(byte & 0x7f) << shift;
        shift += 7;
    } while (byte & 0x80);
    return length;
}
} // namespace

QByteArray TextArena::Parts::joined() const {
    QByteArray all;
    all.reserve(size());
    all.append(head);
    all.append(tail);
    return all;
}

TextArena::TextArena(std::size_t largestBlock)
    : largestBlock_(std::clamp<std::size_t>(largestBlock, 16, LargestBlock)) {
    append({});
    append(" ");
}

std::size_t TextArena::recordSize(std::size_t length, bool joined) {
    std::size_t prefix = 1;
    for (std::size_t rest = (length << 1) >> 7; rest; rest >>= 7)
        ++prefix;
    return prefix + (joined ? HeadBytes : 0) + length;
}

std::size_t TextArena::recordSize(Handle h) const {
    const char* p = record(h);
    const std::size_t coded = readLength(p);
    return recordSize(coded >> 1, coded & 1);
}

TextArena::Handle TextArena::add(QByteArrayView utf8) {
    if (utf8.isEmpty())
        return Empty;
    if (utf8.size() == 1 && utf8[0] == ' ')
        return Blank;
    return append(utf8);
}

TextArena::Handle TextArena::addJoined(Handle head, QByteArrayView tail) {
    if (tail.isEmpty())
        return head;
    if (head == Empty)
        return add(tail);
    return append(tail, head);
}

char* TextArena::room(std::size_t need, Handle* h) {
    if (blocks_.empty() || blocks_.back().size - blocks_.back().used < need) {
        if (blocks_.size() >= MaxBlocks)
            throw std::bad_alloc();
        Block b;
        // Small grids stay small: blocks double from 4 KiB up to the largest block.
        b.size = blocks_.empty() ? std::min(FirstBlockSize, largestBlock_)
                                 : std::min(blocks_.back().size * 2, largestBlock_);
        b.size = std::max(b.size, need); // an oversized text has a block of its own
        b.bytes.reset(new char[b.size]);
        blocks_.push_back(std::move(b));
    }
    Block& b = blocks_.back();
    *h = Handle(blocks_.size() - 1) << OffsetBits | b.used;
    char* out = b.bytes.get() + b.used;
    b.used += need;
    return out;
}

TextArena::Handle TextArena::append(QByteArrayView utf8, Handle head) {
    const bool joined = head != NoHead;
    const std::size_t length = std::size_t(utf8.size());
    Handle h;
    char* out = room(recordSize(length, joined), &h);
    out += writeLength(out, length << 1 | (joined ? 1 : 0));
    if (joined)
        for (std::size_t i = 0; i < HeadBytes; ++i)
            *out++ = char(head >> (8 * i));
    if (length)
        std::memcpy(out, utf8.data(), length);
    return h;
}

const char* TextArena::record(Handle h) const {
    return blocks_[std::size_t(h >> OffsetBits)].bytes.get() + (h & (LargestBlock - 1));
}

TextArena::Parts TextArena::parts(Handle h) const {
    const char* p = record(h);
    const std::size_t coded = readLength(p);
    if (!(coded & 1))
        return {QByteArrayView(p, qsizetype(coded >> 1)), {}};
    Handle head = 0;
    for (std::size_t i = 0; i < HeadBytes; ++i)
        head |= Handle(static_cast<unsigned char>(p[i])) << (8 * i);
    return {text(head), QByteArrayView(p + HeadBytes, qsizetype(coded >> 1))};
}

QByteArrayView TextArena::text(Handle h) const {
    const Parts p = parts(h);
    return p.tail.isNull() ? p.head : p.tail;
}

void TextArena::release(Handle h) {
    // A head is not counted: it stays as long as the arena, shared by texts that come and go.
    if (h != Empty && h != Blank)
        garbage_ += recordSize(h);
}

std::size_t TextArena::allocated() const {
    std::size_t total = 0;
    for (const Block& b : blocks_)
        total += b.size;
    return total;
}

TextArena::Compactor::Compactor(TextArena& arena) : arena_(arena), fresh_(arena.largestBlock_) {}

TextArena::Handle TextArena::Compactor::remap(Handle old) {
    if (old == Empty || old == Blank)
        return old;
    const Parts p = arena_.parts(old);
    if (p.tail.isNull())
        return fresh_.add(p.head);
    // Heads are copied once, on the first live text that needs them.
    const char* r = arena_.record(old);
    readLength(r);
    Handle oldHead = 0;
    for (std::size_t i = 0; i < HeadBytes; ++i)
        oldHead |= Handle(static_cast<unsigned char>(r[i])) << (8 * i);
    auto [at, fresh] = heads_.try_emplace(oldHead, Empty);
    if (fresh) {
        try {
            at->second = fresh_.add(p.head);
        } catch (...) {
            heads_.erase(at);
            throw;
        }
    }
    return fresh_.addJoined(at->second, p.tail);
}

void TextArena::Compactor::finish() {
    arena_.blocks_ = std::move(fresh_.blocks_);
    arena_.garbage_ = 0;
    fresh_.blocks_.clear();
}

} // namespace vok
