#pragma once
#include "platform/Drive.h"
#include <QHash>
#include <QList>
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
    // Several mounts, in the order asked, each on its own thread and all within one limit, so
    // that mounts that do not answer cost one limit between them rather than one each.
    QList<DriveSpace> operator()(const QList<QString>& mountPoints);
    // Mounts whose earlier query has not come back yet.
    int hangingCount();

private:
    struct Pending;
    // The query's thread; null when the mount's earlier query still hangs or no thread is had.
    std::shared_ptr<Pending> start(const QString& mountPoint);
    DriveSpace await(const QString& mountPoint, const std::shared_ptr<Pending>& pending,
                     std::chrono::steady_clock::time_point deadline);
    SpaceQuery query_;
    std::chrono::milliseconds limit_;
    std::mutex mutex_;
    QHash<QString, std::shared_ptr<Pending>> hanging_;
};

} // namespace vok
