#include "platform/linux/FileByteSource.h"
#include "platform/FileNames.h"
#include "platform/linux/BoundedFile.h"
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

FileByteSource::FileByteSource(const QString& path) {
    linuxfs::FileDescriptor fd =
        linuxfs::openRegularFile(encodeFileName(path).constData(), linuxfs::FinalLink::Follow);
    struct stat st {};
    if (!fd.isOpen() || ::fstat(fd.get(), &st) != 0)
        return;
    fd_ = fd.release();
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
