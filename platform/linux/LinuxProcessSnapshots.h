#pragma once
#include "platform/ProcessSnapshot.h"

namespace vok {

// Processes and their mapped files from /proc.
class LinuxProcessSnapshots : public ProcessSnapshots {
public:
    // procRoot: where proc is mounted; tests may point it elsewhere.
    explicit LinuxProcessSnapshots(QByteArray procRoot = "/proc") : root_(std::move(procRoot)) {}
    ProcessSnapshot take(const std::function<void()>& pace = {}) override;

private:
    QByteArray root_;
};

} // namespace vok
