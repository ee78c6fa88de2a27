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
    int freeResourcePercent(ResourceKind kind) override;
};

ResourceUse openFileUse();
ResourceUse userTaskUse();

} // namespace vok
