#pragma once
#include <cstddef>

namespace vok {

// Memory held back for saying that memory ran out: the message box, and the assistive technology
// that reads it, need some after an allocation has failed. The block is address space of its
// own, so giving it back makes that much room at once, whatever the heap looks like.
class MemoryReserve {
public:
    explicit MemoryReserve(std::size_t bytes) noexcept : bytes_(bytes) {}
    ~MemoryReserve() { release(); }
    MemoryReserve(const MemoryReserve&) = delete;
    MemoryReserve& operator=(const MemoryReserve&) = delete;

    // Holds the block if it is not held yet; false where there is no room for it.
    bool take() noexcept;
    void release() noexcept;
    bool held() const noexcept { return block_ != nullptr; }
    std::size_t bytes() const noexcept { return bytes_; }

private:
    std::size_t bytes_;
    void* block_ = nullptr;
};

} // namespace vok
