#include "platform/linux/LinuxProcessSnapshots.h"
#include "platform/FileNames.h"
#include "platform/linux/ProcFiles.h"
#include <QHash>
#include <QPair>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace vok {

namespace {

// The whole of a /proc file into buffer, which is kept between reads; false when it cannot be
// read. Proc files report no size.
bool readWhole(const QByteArray& path, QByteArray& buffer) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (buffer.size() < 65536)
        buffer.resize(65536);
    qsizetype used = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data() + used, size_t(buffer.size() - used));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return false; // maps of a process that may not be inspected fail here
        }
        if (n == 0)
            break;
        used += n;
        if (used == buffer.size())
            buffer.resize(buffer.size() * 2);
    }
    ::close(fd);
    buffer.truncate(used);
    return true;
}

std::optional<QByteArray> readLink(const QByteArray& path) {
    QByteArray target(4096, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            return std::nullopt;
        if (n < target.size()) {
            target.truncate(n);
            return target;
        }
        target.resize(target.size() * 2);
    }
}

std::vector<qint64> listPids(const QByteArray& root, bool& ok) {
    std::vector<qint64> pids;
    DIR* dir = ::opendir(root.constData());
    ok = dir != nullptr;
    if (!dir)
        return pids;
    while (const dirent* e = ::readdir(dir)) {
        char* end = nullptr;
        const long long pid = std::strtoll(e->d_name, &end, 10);
        if (e->d_name[0] >= '1' && e->d_name[0] <= '9' && *end == '\0' && pid > 0)
            pids.push_back(pid);
    }
    ::closedir(dir);
    std::sort(pids.begin(), pids.end());
    return pids;
}

struct Read {
    ProcessRecord record;
    std::vector<MappedFile> files;
};

} // namespace

ProcessSnapshot LinuxProcessSnapshots::take(const std::function<void()>& pace) {
    ProcessSnapshot snapshot;
    const std::vector<qint64> pids = listPids(root_, snapshot.taken);
    QByteArray buffer;
    std::vector<Read> reads;
    reads.reserve(pids.size());
    QHash<QPair<quint64, quint64>, int> users; // by device and inode
    for (const qint64 pid : pids) {
        if (pace)
            pace();
        const QByteArray dir = root_ + '/' + QByteArray::number(pid) + '/';
        const auto fields =
            readWhole(dir + "stat", buffer) ? parseStat(buffer) : std::optional<StatFields>();
        if (!fields)
            continue; // ended meanwhile
        Read r;
        r.record.pid = pid;
        r.record.usageCount = fields->threads;
        const auto exe = readLink(dir + "exe");
        r.record.exePath = exe ? decodeFileName(*exe)
                               : QLatin1Char('[') + decodeFileName(fields->name) + QLatin1Char(']');
        if (readWhole(dir + "maps", buffer))
            r.files = mappedFiles(parseMaps(buffer), exe ? QByteArrayView(*exe) : QByteArrayView());
        for (const MappedFile& f : r.files)
            ++users[qMakePair(f.device, f.inode)];
        reads.push_back(std::move(r));
    }
    snapshot.processes.reserve(reads.size());
    for (Read& r : reads) {
        r.record.modules.reserve(r.files.size());
        for (const MappedFile& f : r.files)
            r.record.modules.push_back(
                {decodeFileName(f.path), f.span(), users.value(qMakePair(f.device, f.inode))});
        snapshot.processes.push_back(std::move(r.record));
    }
    return snapshot;
}

} // namespace vok
