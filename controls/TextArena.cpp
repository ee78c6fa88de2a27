#include "controls/TextArena.h"
#include <algorithm>
#include <cstring>
#include <new>

namespace vok {

namespace {
constexpr std::size_t FirstBlockSize = 4096;
constexpr std::size_t MaxBlocks = std::size_t(1) << (TextArena::HandleBits - TextArena::OffsetBits);

// Lengths are stored before the text as 7-bit groups, low first, so short texts pay one byte.
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
} // namespace

TextArena::TextArena(std::size_t largestBlock)
    : largestBlock_(std::clamp<std::size_t>(largestBlock, 16, LargestBlock)) {
    append({});
    append(" ");
}

std::size_t TextArena::recordSize(std::size_t length) {
    std::size_t prefix = 1;
    for (std::size_t rest = length >> 7; rest; rest >>= 7)
        ++prefix;
    return prefix + length;
}

TextArena::Handle TextArena::add(QByteArrayView utf8) {
    if (utf8.isEmpty())
        return Empty;
    if (utf8.size() == 1 && utf8[0] == ' ')
        return Blank;
    return append(utf8);
}

TextArena::Handle TextArena::append(QByteArrayView utf8) {
    const std::size_t need = recordSize(std::size_t(utf8.size()));
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
    const Handle h = Handle(blocks_.size() - 1) << OffsetBits | b.used;
    char* out = b.bytes.get() + b.used;
    const std::size_t prefix = writeLength(out, std::size_t(utf8.size()));
    if (!utf8.isEmpty())
        std::memcpy(out + prefix, utf8.data(), std::size_t(utf8.size()));
    b.used += need;
    return h;
}

const char* TextArena::record(Handle h) const {
    return blocks_[std::size_t(h >> OffsetBits)].bytes.get() + (h & (LargestBlock - 1));
}

QByteArrayView TextArena::text(Handle h) const {
    const char* p = record(h);
    std::size_t length = 0;
    int shift = 0;
    unsigned char byte;
    do {
        byte = static_cast<unsigned char>(*p++);
        length |= std::size_t(byte & 0x7f) << shift;
        shift += 7;
    } while (byte & 0x80);
    return QByteArrayView(p, qsizetype(length));
}

void TextArena::release(Handle h) {
    if (h != Empty && h != Blank)
        garbage_ += recordSize(std::size_t(text(h).size()));
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
    return fresh_.add(arena_.text(old));
}

void TextArena::Compactor::finish() {
    arena_.blocks_ = std::move(fresh_.blocks_);
    arena_.garbage_ = 0;
    fresh_.blocks_.clear();
}

} // namespace vok
