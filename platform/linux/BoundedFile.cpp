#include "platform/linux/BoundedFile.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace vok::linuxfs {

namespace {

// One read, repeated when a signal cuts it short.
ssize_t readSome(int fd, char* out, size_t len) {
    for (;;) {
        const ssize_t n = ::read(fd, out, len);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

} // namespace

FileDescriptor openRegularFile(const char* path, FinalLink link) {
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (link == FinalLink::Refuse)
        flags |= O_NOFOLLOW;
    FileDescriptor fd(::open(path, flags));
    struct stat st {};
    if (fd.isOpen() && (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)))
        fd.reset();
    return fd;
}

bool readBounded(int fd, qsizetype limit, QByteArray& buffer) {
    qsizetype used = 0;
    buffer.resize(0); // keeps the room of an earlier read
    while (used < limit) {
        if (buffer.size() == used)
            buffer.resize(std::min(limit, std::max<qsizetype>(65536, used * 2)));
        const ssize_t n = readSome(fd, buffer.data() + used, size_t(buffer.size() - used));
        if (n < 0)
            return false;
        if (n == 0)
            break;
        used += n;
    }
    buffer.truncate(used);
    return true;
}

std::optional<QByteArray> readRegularFile(const QByteArray& path, qsizetype limit) {
    const FileDescriptor fd = openRegularFile(path.constData());
    QByteArray text;
    if (!fd.isOpen() || !readBounded(fd.get(), limit, text))
        return std::nullopt;
    return text;
}

bool forEachLine(int fd, qsizetype limit, const std::function<void(QByteArrayView)>& onLine) {
    static constexpr qsizetype chunk = 65536;
    QByteArray buffer;
    qsizetype kept = 0; // the start of a line that the last chunk cut, at the buffer's start
    qsizetype left = limit;
    while (left > 0) {
        if (buffer.size() < kept + chunk)
            buffer.resize(kept + chunk);
        const ssize_t n = readSome(fd, buffer.data() + kept, size_t(std::min(chunk, left)));
        if (n < 0)
            return false;
        if (n == 0)
            break;
        left -= n;
        const QByteArrayView text(buffer.constData(), kept + n);
        qsizetype from = 0;
        // The kept part holds no newline: search only what was read.
        for (qsizetype nl = text.indexOf('\n', kept); nl >= 0; nl = text.indexOf('\n', from)) {
            onLine(text.sliced(from, nl - from));
            from = nl + 1;
        }
        kept = text.size() - from;
        if (from > 0 && kept > 0)
            std::memmove(buffer.data(), buffer.constData() + from, size_t(kept));
    }
    // The last line of a file without a final newline; one that the limit cut is not whole.
    if (kept > 0 && left > 0)
        onLine(QByteArrayView(buffer.constData(), kept));
    return true;
}

} // namespace vok::linuxfs
