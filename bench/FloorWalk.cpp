#include "bench/FloorWalk.h"
#include "bench/BenchReport.h"
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

// Depth-first, a directory's entries before its subdirectories, as the search goes. Nothing is
// kept but the names of the subdirectories still to enter.
void walk(int fd, dev_t dev, Counts& counts, std::vector<char>& buffer) {
    std::vector<QByteArray> subdirs;
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
                subdirs.emplace_back(name);
        }
    }
    for (const QByteArray& name : subdirs) {
        const int sub = ::openat(fd, name.constData(), kDirFlags);
        if (sub < 0)
            continue;
        ++counts.directories;
        walk(sub, dev, counts, buffer);
        ::close(sub);
    }
}

} // namespace

int floorWalk(const QByteArray& dir) {
    const int fd = ::open(dir.constData(), kDirFlags & ~O_NOFOLLOW);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        std::fprintf(stderr, "vok-bench: cannot open %s\n", dir.constData());
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = cpuSeconds();
    Counts counts;
    std::vector<char> buffer(1 << 16);
    walk(fd, st.st_dev, counts, buffer);
    ::close(fd);
    std::printf("floor %s\n", dir.constData());
    std::printf("files            %lld\n", counts.files);
    std::printf("directories      %lld\n", counts.directories);
    std::printf("seconds          %.3f\n", double(clock.nsecsElapsed()) / 1e9);
    std::printf("cpu seconds      %.3f\n", cpuSeconds() - cpuStart);
    return 0;
}

} // namespace vok::bench
