#include "platform/ByteSource.h"
#include <cstring>

namespace vok {

bool MemoryByteSource::readAt(quint64 offset, char* out, quint32 len) {
    const quint64 size = this->size();
    if (offset > size || len > size - offset)
        return false;
    if (len > 0)
        std::memcpy(out, bytes_.data() + offset, len);
    return true;
}

} // namespace vok
