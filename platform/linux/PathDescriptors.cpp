#include "platform/linux/PathDescriptors.h"
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

namespace vok::linuxfs {

int directoryOpenFlags() {
    return O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
}

FileDescriptor openDirectory(const QByteArray& path) {
    if (path.isEmpty())
        return {};
    if (path.size() < PATH_MAX)
        return FileDescriptor(::open(path.constData(), directoryOpenFlags()));
    FileDescriptor fd(::open(path.startsWith('/') ? "/" : ".", directoryOpenFlags()));
    for (const QByteArray& part : path.split('/')) {
        if (!fd.isOpen() || part.isEmpty())
            continue;
        fd = FileDescriptor(::openat(fd.get(), part.constData(), directoryOpenFlags()));
    }
    return fd;
}

FileDescriptor openParent(const QByteArray& path, QByteArray* baseName) {
    QByteArray p = path;
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf('/');
    *baseName = p.mid(slash + 1);
    if (baseName->isEmpty() || *baseName == "." || *baseName == "..")
        return {};
    if (slash < 0)
        return FileDescriptor(::open(".", directoryOpenFlags()));
    return openDirectory(slash == 0 ? QByteArray("/") : p.left(slash));
}

FileDescriptor userDirectory(int at, const QByteArray& name, bool privateMode) {
    const bool made = ::mkdirat(at, name.constData(), 0700) == 0;
    if (!made && errno != EEXIST)
        return {};
    FileDescriptor fd(::openat(at, name.constData(), directoryOpenFlags() | O_NOFOLLOW));
    if (!fd.isOpen())
        return {};
    if (made)
        ::fchmod(fd.get(), 0700); // whatever the umask took away
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() ||
        (privateMode && (st.st_mode & 07777) != 0700))
        return {};
    return fd;
}

} // namespace vok::linuxfs
