#include "platform/linux/LinuxMemoryInfo.h"
#include "platform/linux/BoundedFile.h"
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vok {

static QByteArray readProcFile(const QByteArray& path) {
    return linuxfs::readRegularFile(path, linuxfs::kSmallFileLimit).value_or(QByteArray());
}

QHash<QByteArray, quint64> parseKbFields(const QByteArray& text) {
    QHash<QByteArray, quint64> fields;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QList<QByteArray> words = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const quint64 value = words.value(0).toULongLong(&ok);
        if (!ok)
            continue;
        const bool kb = words.size() > 1 && words[1].toLower() == "kb";
        if (kb && value > std::numeric_limits<quint64>::max() / 1024)
            continue;
        fields.insert(line.left(colon).trimmed(), kb ? value * 1024 : value);
    }
    return fields;
}

std::optional<quint64> userAddressSpace(const QByteArray& cpuinfo) {
    static const QRegularExpression line(R"(address sizes\s*:.*?(\d+)\s+bits virtual)");
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(cpuinfo));
    if (!m.hasMatch())
        return std::nullopt;
    const int bits = m.captured(1).toInt();
    if (bits < 2 || bits > 64)
        return std::nullopt;
    return quint64(1) << (bits - 1);
}

MemoryStatus memoryStatusFrom(const QByteArray& meminfo, const QByteArray& processStatus,
                              quint64 totalVirtual) {
    const QHash<QByteArray, quint64> m = parseKbFields(meminfo);
    const quint64 total = m.value("MemTotal");
    if (total == 0)
        return {};
    MemoryStatus s;
    s.totalPhys = total;
    // Kernels before 3.14 lack MemAvailable; free plus buffers and page cache is the estimate
    // tools used before it.
    const quint64 available = m.contains("MemAvailable")
                                  ? m.value("MemAvailable")
                                  : m.value("MemFree") + m.value("Buffers") + m.value("Cached");
    s.availPhys = std::min(available, total);
    s.memoryLoad = quint32(std::llround(double(total - s.availPhys) * 100.0 / double(total)));
    s.totalPageFile = m.value("SwapTotal");
    s.availPageFile = std::min(m.value("SwapFree"), s.totalPageFile);
    s.totalVirtual = totalVirtual;
    const quint64 used = parseKbFields(processStatus).value("VmSize");
    s.availVirtual = used < totalVirtual ? totalVirtual - used : 0;
    return s;
}

static quint64 platformAddressSpace(const QByteArray& root) {
    if (const auto fromCpu = userAddressSpace(readProcFile(root + "/cpuinfo")))
        return *fromCpu;
#if defined(__x86_64__)
    return quint64(1) << 47; // 4-level paging
#elif defined(__aarch64__)
    return quint64(1) << 48; // the default 48-bit layout
#else
    return 0;
#endif
}

MemoryStatus LinuxMemoryInfo::status() {
    if (!addressSpace_)
        addressSpace_ = platformAddressSpace(root_);
    return memoryStatusFrom(readProcFile(root_ + "/meminfo"), readProcFile(root_ + "/self/status"),
                            *addressSpace_);
}

} // namespace vok
