#pragma once
#include "platform/ResourceInfo.h"
#include <QByteArray>
#include <optional>

namespace vok {

// A limit and how much of it is used; nullopt where it could not be read.
struct ResourceUse {
    std::optional<quint64> limit;
    std::optional<quint64> used;
};

// The free share in whole per cent, rounded down; throws the system's texts on failure.
int freeShare(const ResourceUse& use);
int freeResourcePercent(ResourceKind kind, const ResourceUse& files, const ResourceUse& tasks);

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
