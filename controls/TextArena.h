#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace vok {

// Immutable UTF-8 texts packed into blocks of up to 1 MiB and named by handles of 48 bits (a
// block number and an offset), so the texts may take all the memory there is; handles of the
// first 4 GiB fit in 32 bits, which lets a grid keep 4 bytes a cell until then. A stored text
// never moves or changes until compact() hands out new handles; the empty text and " " are
// shared handles. A joined text is a stored head (a directory, say) followed by a tail of its
// own: many texts share one head, stored once.
class TextArena {
public:
    // A text in two pieces, head then tail; a plain text has no tail.
    struct Parts {
        QByteArrayView head, tail;
        qsizetype size() const { return head.size() + tail.size(); }
        QByteArray joined() const;
    };

    using Handle = std::uint64_t;
    static constexpr Handle Empty = 0;
    static constexpr Handle Blank = 1; // " ", what a cleared listing holds
    static constexpr int OffsetBits = 20;
    static constexpr int HandleBits = 48;
    static constexpr std::size_t LargestBlock = std::size_t(1) << OffsetBits;

    // largestBlock: the size blocks grow to (at most LargestBlock); tests make it small to reach
    // the far handles without the memory.
    explicit TextArena(std::size_t largestBlock = LargestBlock);

    Handle add(QByteArrayView utf8);
    // The text of head (a plain text of this arena) followed by tail.
    Handle addJoined(Handle head, QByteArrayView tail);
    Parts parts(Handle h) const;
    // A plain text; for a joined one, its tail.
    QByteArrayView text(Handle h) const;
    // Tells the arena a text is no longer referenced; its bytes count as garbage.
    void release(Handle h);

    // Bytes of texts that are no longer referenced, and all bytes held in blocks.
    std::size_t garbage() const { return garbage_; }
    std::size_t allocated() const;

    // Copies the live texts into fresh blocks; remap() gives each old handle its new one.
    // Every handle in use must be passed through remap() exactly once.
    class Compactor;

private:
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        std::size_t used = 0;
    };
    Handle append(QByteArrayView utf8, Handle head = NoHead);
    char* room(std::size_t need, Handle* h);
    static std::size_t recordSize(std::size_t length, bool joined);
    std::size_t recordSize(Handle h) const;
    const char* record(Handle h) const;
    static constexpr Handle NoHead = ~Handle(0);
    static constexpr std::size_t HeadBytes = 6;

    std::vector<Block> blocks_;
    std::size_t garbage_ = 0;
    std::size_t largestBlock_;

    friend class Compactor;
};

class TextArena::Compactor {
public:
    explicit Compactor(TextArena& arena);
    Handle remap(Handle old);
    void finish(); // drops the old blocks

private:
    TextArena& arena_;
    TextArena fresh_;
    std::unordered_map<Handle, Handle> heads_; // old head, new head
};

} // namespace vok
