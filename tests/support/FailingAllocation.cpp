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
// Plain flags read with the compiler's atomic built-ins, which stay uninstrumented in malloc.
bool armed = false;
std::atomic<bool> refused{false};
std::size_t least = 0;
pthread_t armedThread;
} // namespace

// Replaces the C library's malloc for the whole program (operator new and Qt allocate through
// it); other threads, and this one when not armed, get the library's own.
// Uninstrumented: the sanitizers' runtimes allocate before their shadow memory is mapped.
extern "C" __attribute__((no_sanitize("address", "undefined"))) void* malloc(std::size_t size) {
    if (__atomic_load_n(&armed, __ATOMIC_RELAXED) && size >= least &&
        pthread_equal(pthread_self(), armedThread) &&
        __atomic_exchange_n(&armed, false, __ATOMIC_SEQ_CST)) {
        refused.store(true);
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
    __atomic_store_n(&armed, true, __ATOMIC_SEQ_CST);
}

NextAllocationFails::~NextAllocationFails() {
    __atomic_store_n(&armed, false, __ATOMIC_SEQ_CST);
}

bool NextAllocationFails::failed() const {
    return refused;
}

} // namespace vok
