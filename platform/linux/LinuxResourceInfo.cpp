#include "platform/linux/LinuxResourceInfo.h"
#include "platform/VokError.h"
#include "platform/linux/BoundedFile.h"
#include "platform/linux/ProcFiles.h"
#include <QList>
#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

namespace vok {

quint64 tasksOfUser(const QByteArray& processStatus, uint uid) {
    std::optional<uint> realUid;
    quint64 threads = 0;
    for (const QByteArray& line : processStatus.split('\n')) {
        if (line.startsWith("Uid:")) {
            bool ok = false;
            const uint value = line.mid(4).simplified().split(' ').value(0).toUInt(&ok);
            if (ok)
                realUid = value;
        } else if (line.startsWith("Threads:")) {
            threads = line.mid(8).trimmed().toULongLong();
        }
    }
    return realUid == uid ? threads : 0;
}

static std::optional<quint64> softLimit(int resource) {
    struct rlimit r;
    if (::getrlimit(resource, &r) != 0)
        return std::nullopt;
    if (r.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    return quint64(r.rlim_cur);
}

static std::optional<quint64> readNumber(const QByteArray& path) {
    const auto text = linuxfs::readRegularFile(path, linuxfs::kSmallFileLimit);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const quint64 value = text->trimmed().toULongLong(&ok);
    return ok ? std::optional<quint64>(value) : std::nullopt;
}

// The names in a /proc directory; in /proc/self/fd, leaving out the descriptor the listing
// itself holds.
static std::optional<QList<QByteArray>> listDirectory(const QByteArray& path,
                                                      bool skipOwn = false) {
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return std::nullopt;
    const QByteArray own = QByteArray::number(::dirfd(dir));
    QList<QByteArray> names;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name != "." && name != ".." && !(skipOwn && name == own))
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

ResourceUse openFileUse(const QByteArray& procRoot) {
    ResourceUse use;
    use.limit = softLimit(RLIMIT_NOFILE);
    if (!use.limit)
        use.limit = readNumber(procRoot + "/sys/fs/nr_open");
    if (const auto fds = listDirectory(procRoot + "/self/fd", true))
        use.used = quint64(fds->size());
    return use;
}

ResourceUse userTaskUse(const QByteArray& procRoot) {
    ResourceUse use;
    use.limit = softLimit(RLIMIT_NPROC);
    if (!use.limit)
        use.limit = readNumber(procRoot + "/sys/kernel/threads-max");
    const auto entries = listDirectory(procRoot);
    if (!entries)
        return use;
    const uint uid = ::getuid();
    quint64 tasks = 0;
    QByteArray text;
    for (const QByteArray& name : *entries) {
        const auto pid = parsePid(name);
        if (!pid)
            continue;
        const linuxfs::FileDescriptor status = linuxfs::openRegularFile(
            (procRoot + '/' + QByteArray::number(*pid) + "/status").constData());
        // A process may end while we look.
        if (status.isOpen() && linuxfs::readBounded(status.get(), linuxfs::kSmallFileLimit, text))
            tasks += tasksOfUser(text, uid);
    }
    use.used = tasks;
    return use;
}

int LinuxResourceInfo::freeResourcePercent(ResourceKind kind) {
    switch (kind) {
    case ResourceKind::GDI:
        return vok::freeResourcePercent(kind, openFileUse(root_), {});
    case ResourceKind::User:
        return vok::freeResourcePercent(kind, {}, userTaskUse(root_));
    case ResourceKind::System:
        break;
    }
    return vok::freeResourcePercent(kind, openFileUse(root_), userTaskUse(root_));
}

} // namespace vok
