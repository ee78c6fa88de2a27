#include "support/AddressSpaceLimit.h"
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vok {

namespace {

rlim_t mappedBytes() {
    unsigned long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%lu", &pages) != 1)
            pages = 0;
        std::fclose(f);
    }
    return rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE));
}

void setSoftLimit(rlim_t bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_AS, &limit);
}

} // namespace

int inChildProcess(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0)
        ::_exit(body()); // no exit handlers: the parent's test goes on with its own copies
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void limitAddressSpace(std::size_t room) {
    // The allocator keeps address space mapped that it has not handed out (free chunks, and the
    // reserved part of each arena); that is taken first and kept, so the room is all there is.
    setSoftLimit(mappedBytes());
    static void* ballast = nullptr;
    for (std::size_t size = 1 << 20; size >= 64; size /= 2)
        while (void* p = std::malloc(size)) {
            *static_cast<void**>(p) = ballast;
            ballast = p;
        }
    setSoftLimit(mappedBytes() + room);
}

void liftAddressSpaceLimit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_AS, &limit);
    setSoftLimit(limit.rlim_max);
}

} // namespace vok
