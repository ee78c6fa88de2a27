#include "ChildProcess.h"
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace vok {

int runInChild(const std::function<bool()>& step) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The test framework's crash handlers wait for threads that a forked child lacks.
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
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool limitAddressSpaceGrowth(rlim_t bytes) {
    unsigned long pages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return false;
    const bool read = std::fscanf(statm, "%lu", &pages) == 1;
    std::fclose(statm);
    rlimit limit{};
    if (!read || ::getrlimit(RLIMIT_AS, &limit) != 0)
        return false;
    limit.rlim_cur = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + bytes;
    return ::setrlimit(RLIMIT_AS, &limit) == 0;
}

} // namespace vok
