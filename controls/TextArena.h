#pragma once
#include <QByteArrayView>
#include <cstdint>
#include <memory>
#include <vector>

namespace vok {

// Immutable UTF-8 texts packed into large blocks and named by 32-bit handles, so a grid of a
// million rows costs a few bytes per cell beyond the text itself. A stored text never moves or
// changes until compact() hands out new handles; the empty text and " " are shared handles.
class TextArena {
public:
    using Handle = std::uint32_t;
    static constexpr Handle Empty = 0;
    static constexpr Handle Blank = 1; // " ", what a cleared listing holds

    TextArena();

    Handle add(QByteArrayView utf8);
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
    Handle append(QByteArrayView utf8);
    static std::size_t recordSize(std::size_t length);
    const char* record(Handle h) const;

    std::vector<Block> blocks_;
    std::size_t garbage_ = 0;

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
};

} // namespace vok
