#pragma once
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vok {

// Runs `step` in a forked child: 0 when it returned true, 1 when false or when it threw, -1 when
// the child died (an abort, a stack overflow), so that a fault under test cannot take the test
// program down. The test framework's crash handlers would wait for threads the child lacks.
inline int runInChild(const std::function<bool()>& step) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGILL, SIGFPE})
            std::signal(sig, SIG_DFL);
        bool passed = false;
        try {
            passed = step();
        } catch (...) {
        }
        ::_exit(passed ? 0 : 1);
    }
    int status = -1;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                             : -1;
}

// Lets the calling process's address space grow by at most `bytes` from now on: a memory limit
// that binds root too, measured from what is mapped already (a sanitizer's reserved shadow).
inline bool limitAddressSpaceGrowth(rlim_t bytes) {
    unsigned long pages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    const bool read = statm && std::fscanf(statm, "%lu", &pages) == 1;
    if (statm)
        std::fclose(statm);
    rlimit limit{};
    if (!read || ::getrlimit(RLIMIT_AS, &limit) != 0)
        return false;
    limit.rlim_cur = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + bytes;
    return ::setrlimit(RLIMIT_AS, &limit) == 0;
}

} // namespace vok
