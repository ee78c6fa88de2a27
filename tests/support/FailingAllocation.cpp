#include "support/FailingAllocation.h"
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <pthread.h>

// Under AddressSanitizer the allocation must come from its allocator, which frees it again.
#ifdef __SANITIZE_ADDRESS__
extern "C" void* __interceptor_malloc(std::size_t size);
#define VOK_UNDERLYING_MALLOC __interceptor_malloc
#else
extern "C" void* __libc_malloc(std::size_t size);
#define VOK_UNDERLYING_MALLOC __libc_malloc
#endif

namespace {
std::atomic<bool> armed{false};
std::atomic<bool> refused{false};
std::size_t least = 0;
pthread_t armedThread;
} // namespace

// Replaces the C library's malloc for the whole program (operator new and Qt allocate through
// it); other threads, and this one when not armed, get the library's own.
extern "C" void* malloc(std::size_t size) {
    if (armed.load(std::memory_order_relaxed) && size >= least &&
        pthread_equal(pthread_self(), armedThread) && armed.exchange(false)) {
        refused = true;
        errno = ENOMEM;
        return nullptr;
    }
    return VOK_UNDERLYING_MALLOC(size);
}

namespace vok {

NextAllocationFails::NextAllocationFails(unsigned long leastSize) {
    refused = false;
    least = leastSize;
    armedThread = pthread_self();
    armed = true;
}

NextAllocationFails::~NextAllocationFails() {
    armed = false;
}

bool NextAllocationFails::failed() const {
    return refused;
}

} // namespace vok
