#pragma once
#include "platform/ByteSource.h"
#include <QString>

namespace vok {

// A regular file read with pread where the parser asks. Anything else (a directory, a FIFO, a
// device) opens as empty, so reading never blocks.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(const QString& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    quint64 size() const override { return size_; }
    bool readAt(quint64 offset, char* out, quint32 len) override;

private:
    int fd_ = -1;
    quint64 size_ = 0;
};

} // namespace vok
