#pragma once
#include "platform/ResourceShare.h"
#include <QByteArray>
#include <optional>

namespace vok {

// The tasks (threads) a /proc/PID/status text counts for a user, by its real user id; 0 for
// another user's process or a text without the fields.
quint64 tasksOfUser(const QByteArray& processStatus, uint uid);

// Open files against RLIMIT_NOFILE ("GDI") and the user's tasks against RLIMIT_NPROC ("User").
class LinuxResourceInfo : public ResourceInfo {
public:
    // procRoot: where proc is mounted; tests may point it elsewhere.
    explicit LinuxResourceInfo(QByteArray procRoot = "/proc") : root_(std::move(procRoot)) {}
    int freeResourcePercent(ResourceKind kind) override;

private:
    QByteArray root_;
};

ResourceUse openFileUse(const QByteArray& procRoot = "/proc");
ResourceUse userTaskUse(const QByteArray& procRoot = "/proc");

} // namespace vok
