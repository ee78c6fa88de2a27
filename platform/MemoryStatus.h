#pragma once
#include <QtGlobal>

namespace vok {

// The memory figures Vok shows, in bytes; all zero when they cannot be read.
struct MemoryStatus {
    quint32 memoryLoad = 0; // per cent of physical memory in use
    quint64 totalPhys = 0;
    quint64 availPhys = 0;
    quint64 totalPageFile = 0;
    quint64 availPageFile = 0;
    quint64 totalVirtual = 0;
    quint64 availVirtual = 0;
    bool operator==(const MemoryStatus&) const = default;
};

class MemoryInfo {
public:
    virtual ~MemoryInfo() = default;
    virtual MemoryStatus status() = 0;
};

} // namespace vok
