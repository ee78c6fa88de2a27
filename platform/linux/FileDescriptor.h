#pragma once
#include <QByteArray>
#include <unistd.h>
#include <utility>

namespace vok::linuxfs {

// An open file descriptor, closed when the holder goes; -1 holds nothing.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Gives the descriptor up to a caller that closes it itself.
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

// Writes all of data, going on after interruptions; false when the disk takes less (full, over
// the file size limit) or refuses.
bool writeAll(int fd, const QByteArray& data);

// Appends what fd gives up to its end; false on a read error, with *out holding what came.
bool readAll(int fd, QByteArray* out);

} // namespace vok::linuxfs
