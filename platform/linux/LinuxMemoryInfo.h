#pragma once
#include "platform/MemoryStatus.h"
#include <QByteArray>
#include <QHash>
#include <optional>

namespace vok {

// The "Name: value kB" lines of /proc/meminfo or /proc/self/status, in bytes; lines without a
// number are left out.
QHash<QByteArray, quint64> parseKbFields(const QByteArray& text);

// The size of the user address space from the "address sizes" line of /proc/cpuinfo: half of
// the virtual address range, the other half belonging to the kernel.
std::optional<quint64> userAddressSpace(const QByteArray& cpuinfo);

// The figures Vok shows, from the texts of /proc/meminfo and /proc/self/status. A meminfo
// without a usable MemTotal gives all zeros.
MemoryStatus memoryStatusFrom(const QByteArray& meminfo, const QByteArray& processStatus,
                              quint64 totalVirtual);

class LinuxMemoryInfo : public MemoryInfo {
public:
    // procRoot: where proc is mounted; tests may point it elsewhere.
    explicit LinuxMemoryInfo(QByteArray procRoot = "/proc") : root_(std::move(procRoot)) {}
    MemoryStatus status() override;

private:
    QByteArray root_;
    std::optional<quint64> addressSpace_; // read once: it does not change while Vok runs
};

} // namespace vok
