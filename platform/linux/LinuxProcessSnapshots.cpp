#include "platform/linux/LinuxProcessSnapshots.h"
#include "platform/FileNames.h"
#include "platform/linux/BoundedFile.h"
#include "platform/linux/ProcFiles.h"
#include <algorithm>
#include <dirent.h>
#include <unistd.h>

namespace vok {

namespace {

using linuxfs::FileDescriptor;
using linuxfs::openRegularFile;

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
        if (target.size() >= 65536) // longer than any path the kernel gives
            return std::nullopt;
        target.resize(target.size() * 2);
    }
}

std::vector<pid_t> listPids(const QByteArray& root, bool& ok) {
    std::vector<pid_t> pids;
    DIR* dir = ::opendir(root.constData());
    ok = dir != nullptr;
    if (!dir)
        return pids;
    while (const dirent* e = ::readdir(dir))
        if (const auto pid = parsePid(e->d_name))
            pids.push_back(*pid);
    ::closedir(dir);
    std::sort(pids.begin(), pids.end());
    return pids;
}

using FileKey = std::pair<quint64, quint64>; // device, inode

struct Read {
    ProcessRecord record;
    std::vector<MappedFile> files;
};

} // namespace

ProcessSnapshot LinuxProcessSnapshots::take(const std::function<void()>& pace) {
    ProcessSnapshot snapshot;
    const std::vector<pid_t> pids = listPids(root_, snapshot.taken);
    QByteArray buffer;
    std::vector<Read> reads;
    reads.reserve(pids.size());
    std::vector<FileKey> keys; // one per process that maps the file, sorted below
    MappedFileSet set;
    for (const pid_t pid : pids) {
        if (pace)
            pace();
        const QByteArray dir = root_ + '/' + QByteArray::number(pid) + '/';
        const FileDescriptor stat = openRegularFile((dir + "stat").constData());
        const auto fields =
            stat.isOpen() && linuxfs::readBounded(stat.get(), linuxfs::kSmallFileLimit, buffer)
                ? parseStat(buffer)
                : std::optional<StatFields>();
        if (!fields)
            continue; // ended meanwhile
        Read r;
        r.record.pid = pid;
        r.record.usageCount = fields->threads;
        const auto exe = readLink(dir + "exe");
        r.record.exePath = exe ? decodeFileName(*exe)
                               : QLatin1Char('[') + decodeFileName(fields->name) + QLatin1Char(']');
        // Maps of a process that may not be inspected fail to read.
        const FileDescriptor maps = openRegularFile((dir + "maps").constData());
        if (maps.isOpen() &&
            linuxfs::forEachLine(maps.get(), mapsLimit_, [&](QByteArrayView l) { set.add(l); }))
            r.files = set.take(exe ? QByteArrayView(*exe) : QByteArrayView());
        else
            set.take({});
        for (const MappedFile& f : r.files)
            keys.emplace_back(f.device, f.inode);
        reads.push_back(std::move(r));
    }
    std::sort(keys.begin(), keys.end());
    const auto users = [&](const MappedFile& f) {
        const auto range = std::equal_range(keys.begin(), keys.end(), FileKey{f.device, f.inode});
        return int(range.second - range.first);
    };
    snapshot.processes.reserve(reads.size());
    for (Read& r : reads) {
        r.record.modules.reserve(r.files.size());
        for (const MappedFile& f : r.files)
            r.record.modules.push_back({decodeFileName(f.path), f.span(), users(f)});
        snapshot.processes.push_back(std::move(r.record));
    }
    return snapshot;
}

} // namespace vok
