#pragma once
#include "platform/Drive.h"
#include <QHash>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

namespace vok {

using SpaceQuery = std::function<DriveSpace(const QString& mountPoint)>;

// Runs a space query off the calling thread and gives up after a time limit, so that a network
// mount that does not answer cannot freeze the window. A mount whose query is still hanging
// answers "not ready" at once rather than starting another thread.
class TimedSpaceQuery {
public:
    TimedSpaceQuery(SpaceQuery query, std::chrono::milliseconds limit);
    DriveSpace operator()(const QString& mountPoint);
    // Mounts whose earlier query has not come back yet.
    int hangingCount();

private:
    struct Pending;
    SpaceQuery query_;
    std::chrono::milliseconds limit_;
    std::mutex mutex_;
    QHash<QString, std::shared_ptr<Pending>> hanging_;
};

} // namespace vok
