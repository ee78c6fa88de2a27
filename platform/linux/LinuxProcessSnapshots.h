#pragma once
#include "platform/ProcessSnapshot.h"
#include <QByteArray>

namespace vok {

// Processes and their mapped files from /proc.
class LinuxProcessSnapshots : public ProcessSnapshots {
public:
    // The bytes of one process's maps that are read; the rest is passed over. 16 MiB holds
    // every mapping a process may have by default (65,530) with paths of 250 bytes, while a
    // process of another user that maps a long path tens of thousands of times cannot make
    // each snapshot read hundreds of megabytes.
    static constexpr qsizetype kMapsLimit = qsizetype(16) << 20;

    // procRoot: where proc is mounted; tests may point it elsewhere.
    explicit LinuxProcessSnapshots(QByteArray procRoot = "/proc", qsizetype mapsLimit = kMapsLimit)
        : root_(std::move(procRoot)), mapsLimit_(mapsLimit) {}
    ProcessSnapshot take(const std::function<void()>& pace = {}) override;

private:
    QByteArray root_;
    qsizetype mapsLimit_;
};

} // namespace vok
