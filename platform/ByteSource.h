#pragma once
#include <QByteArrayView>
#include <QtGlobal>

namespace vok {

// Random access to the bytes of a file, so that a parser reads only the parts it needs.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual quint64 size() const = 0;
    // Fills `out` with `len` bytes from `offset`; false when they are not all there.
    virtual bool readAt(quint64 offset, char* out, quint32 len) = 0;
};

// Bytes already in memory: test images, fuzz inputs.
class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(QByteArrayView bytes) : bytes_(bytes) {}
    quint64 size() const override { return quint64(bytes_.size()); }
    bool readAt(quint64 offset, char* out, quint32 len) override;

private:
    QByteArrayView bytes_;
};

} // namespace vok
