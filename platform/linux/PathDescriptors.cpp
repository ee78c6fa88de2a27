#include "platform/linux/PathDescriptors.h"
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace vok::linuxfs {

int directoryOpenFlags() {
    return O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
}

int openDirectory(const QByteArray& path) {
    if (path.isEmpty())
        return -1;
    if (path.size() < PATH_MAX)
        return ::open(path.constData(), directoryOpenFlags());
    int fd = ::open(path.startsWith('/') ? "/" : ".", directoryOpenFlags());
    for (const QByteArray& part : path.split('/')) {
        if (fd < 0 || part.isEmpty())
            continue;
        const int next = ::openat(fd, part.constData(), directoryOpenFlags());
        ::close(fd);
        fd = next;
    }
    return fd;
}

int openParent(const QByteArray& path, QByteArray* baseName) {
    QByteArray p = path;
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf('/');
    *baseName = p.mid(slash + 1);
    if (baseName->isEmpty() || *baseName == "." || *baseName == "..")
        return -1;
    if (slash < 0)
        return ::open(".", directoryOpenFlags());
    return openDirectory(slash == 0 ? QByteArray("/") : p.left(slash));
}

} // namespace vok::linuxfs
