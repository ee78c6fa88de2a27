#include "bench/FloorWalk.h"
#include "bench/BenchReport.h"
#include <QElapsedTimer>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vok::bench {

namespace {

struct LinuxDirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

struct Counts {
    long long files = 0;
    long long directories = 0;
};

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

// Reads one directory's entries, counting files, and gives the subdirectories to enter.
template <typename Subdir>
void readDirectory(int fd, dev_t dev, Counts& counts, std::vector<char>& buffer, Subdir subdir) {
    for (;;) {
        const long got = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
        if (got <= 0)
            break;
        for (long at = 0; at < got;) {
            const auto* d = reinterpret_cast<const LinuxDirent64*>(buffer.data() + at);
            at += d->d_reclen;
            const char* name = d->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            struct stat st;
            if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (!S_ISDIR(st.st_mode))
                ++counts.files;
            else if (name[0] != '.' && st.st_dev == dev)
                subdir(name);
        }
    }
}

// Depth-first, a directory's entries before its subdirectories, as the search goes. Nothing is
// kept but the names of the subdirectories still to enter.
void walk(int fd, dev_t dev, Counts& counts, std::vector<char>& buffer) {
    std::vector<QByteArray> subdirs;
    readDirectory(fd, dev, counts, buffer, [&](const char* name) { subdirs.emplace_back(name); });
    for (const QByteArray& name : subdirs) {
        const int sub = ::openat(fd, name.constData(), kDirFlags);
        if (sub < 0)
            continue;
        ++counts.directories;
        walk(sub, dev, counts, buffer);
        ::close(sub);
    }
}

// The same entries on `threads` threads, each taking a whole directory at a time from one
// stack of open directories, in no order: the floor of a threaded walk.
Counts threadedWalk(int rootFd, dev_t dev, int threads) {
    std::mutex m;
    std::condition_variable changed;
    std::vector<int> open{::dup(rootFd)};
    int busy = 0;
    std::vector<Counts> counts(static_cast<size_t>(threads));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&, t] {
            std::vector<char> buffer(1 << 16);
            std::vector<int> found;
            std::unique_lock lock(m);
            for (;;) {
                changed.wait(lock, [&] { return !open.empty() || busy == 0; });
                if (open.empty())
                    break;
                const int fd = open.back();
                open.pop_back();
                ++busy;
                lock.unlock();
                readDirectory(fd, dev, counts[size_t(t)], buffer, [&](const char* name) {
                    const int sub = ::openat(fd, name, kDirFlags);
                    if (sub >= 0)
                        found.push_back(sub);
                });
                ::close(fd);
                counts[size_t(t)].directories += qint64(found.size());
                lock.lock();
                open.insert(open.end(), found.rbegin(), found.rend());
                found.clear();
                --busy;
                changed.notify_all();
            }
        });
    for (std::thread& w : workers)
        w.join();
    Counts total;
    for (const Counts& c : counts) {
        total.files += c.files;
        total.directories += c.directories;
    }
    return total;
}

} // namespace

int floorWalk(const QByteArray& dir, int threads) {
    const int fd = ::open(dir.constData(), kDirFlags & ~O_NOFOLLOW);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        std::fprintf(stderr, "vok-bench: cannot open %s\n", dir.constData());
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = cpuSeconds();
    // Directories wait open on the threaded walk's stack.
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    Counts counts;
    if (threads > 1) {
        counts = threadedWalk(fd, st.st_dev, threads);
    } else {
        std::vector<char> buffer(1 << 16);
        walk(fd, st.st_dev, counts, buffer);
    }
    ::close(fd);
    std::printf("floor %s, %d thread%s\n", dir.constData(), threads, threads == 1 ? "" : "s");
    std::printf("files            %lld\n", counts.files);
    std::printf("directories      %lld\n", counts.directories);
    std::printf("seconds          %.3f\n", double(clock.nsecsElapsed()) / 1e9);
    std::printf("cpu seconds      %.3f\n", cpuSeconds() - cpuStart);
    return 0;
}

} // namespace vok::bench
