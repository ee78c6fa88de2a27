#include "platform/linux/FileByteSource.h"
#include "platform/FileNames.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

FileByteSource::FileByteSource(const QString& path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd =
        ::open(encodeFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = quint64(st.st_size);
}

FileByteSource::~FileByteSource() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileByteSource::readAt(quint64 offset, char* out, quint32 len) {
    if (fd_ < 0 || offset > size_ || len > size_ - offset)
        return false;
    quint32 done = 0;
    while (done < len) {
        const ssize_t n = ::pread(fd_, out + done, len - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // the file shrank or failed under us
            return false;
        done += quint32(n);
    }
    return true;
}

} // namespace vok
