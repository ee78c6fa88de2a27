#include "platform/MemoryReserve.h"
#include <sys/mman.h>

namespace vok {

// A mapping of its own rather than the heap's: unmapping it returns the address space and the
// commit charge at once, which is what a limit on either counts.
bool MemoryReserve::take() noexcept {
    if (block_)
        return true;
    void* p = ::mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return false;
    block_ = p;
    return true;
}

void MemoryReserve::release() noexcept {
    if (!block_)
        return;
    ::munmap(block_, bytes_);
    block_ = nullptr;
}

} // namespace vok
