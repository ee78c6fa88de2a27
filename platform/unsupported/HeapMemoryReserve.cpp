#include "platform/MemoryReserve.h"
#include <cstdlib>

namespace vok {

// From the heap, the one kind of memory every system has.
bool MemoryReserve::take() noexcept {
    if (!block_)
        block_ = std::malloc(bytes_);
    return block_ != nullptr;
}

void MemoryReserve::release() noexcept {
    std::free(block_);
    block_ = nullptr;
}

} // namespace vok
