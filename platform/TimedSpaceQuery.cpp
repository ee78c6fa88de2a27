#include "platform/TimedSpaceQuery.h"
#include <condition_variable>
#include <system_error>
#include <thread>
#include <vector>

namespace vok {

// Shared by the caller and the worker thread; the worker may outlive the caller, the query
// object and even main(), so it touches nothing else.
struct TimedSpaceQuery::Pending {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    DriveSpace result;
};

TimedSpaceQuery::TimedSpaceQuery(SpaceQuery query, std::chrono::milliseconds limit)
    : query_(std::move(query)), limit_(limit) {}

int TimedSpaceQuery::hangingCount() {
    std::lock_guard lock(mutex_);
    int count = 0;
    for (const auto& pending : std::as_const(hanging_)) {
        std::lock_guard pendingLock(pending->mutex);
        count += pending->done ? 0 : 1;
    }
    return count;
}

DriveSpace TimedSpaceQuery::operator()(const QString& mountPoint) {
    return (*this)(QList<QString>{mountPoint}).front();
}

QList<DriveSpace> TimedSpaceQuery::operator()(const QList<QString>& mountPoints) {
    const auto deadline = std::chrono::steady_clock::now() + limit_;
    std::vector<std::shared_ptr<Pending>> asked;
    asked.reserve(size_t(mountPoints.size()));
    for (const QString& mountPoint : mountPoints)
        asked.push_back(start(mountPoint));
    QList<DriveSpace> result;
    result.reserve(mountPoints.size());
    for (qsizetype i = 0; i < mountPoints.size(); ++i)
        result.append(asked[size_t(i)] ? await(mountPoints[i], asked[size_t(i)], deadline)
                                       : DriveSpace{});
    return result;
}

std::shared_ptr<TimedSpaceQuery::Pending> TimedSpaceQuery::start(const QString& mountPoint) {
    {
        std::lock_guard lock(mutex_);
        if (const auto earlier = hanging_.value(mountPoint)) {
            std::lock_guard pendingLock(earlier->mutex);
            if (!earlier->done)
                return nullptr;
        }
        hanging_.remove(mountPoint);
    }
    auto pending = std::make_shared<Pending>();
    try {
        std::thread([pending, query = query_, mountPoint] {
            const DriveSpace result = query(mountPoint);
            std::lock_guard lock(pending->mutex);
            pending->result = result;
            pending->done = true;
            pending->finished.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return nullptr; // no thread to be had: treat the drive as not ready
    }
    return pending;
}

DriveSpace TimedSpaceQuery::await(const QString& mountPoint,
                                  const std::shared_ptr<Pending>& pending,
                                  std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(pending->mutex);
    if (pending->finished.wait_until(lock, deadline, [&] { return pending->done; }))
        return pending->result;
    lock.unlock();
    std::lock_guard tableLock(mutex_);
    hanging_.insert(mountPoint, pending);
    return {};
}

} // namespace vok
