#include "platform/linux/PathDescriptors.h"
#include <climits>
#include <fcntl.h>

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

} // namespace vok::linuxfs
