#include "platform/linux/TimedSpaceQuery.h"
#include "platform/FileNames.h"
#include <condition_variable>
#include <sys/statvfs.h>
#include <system_error>
#include <thread>

namespace vok {

DriveSpace statvfsSpace(const QString& mountPoint) {
    struct statvfs s;
    if (::statvfs(encodeFileName(mountPoint).constData(), &s) != 0)
        return {};
    const quint64 unit = s.f_frsize ? s.f_frsize : s.f_bsize;
    return DriveSpace{qint64(quint64(s.f_bavail) * unit), qint64(quint64(s.f_blocks) * unit)};
}

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
    {
        std::lock_guard lock(mutex_);
        if (const auto earlier = hanging_.value(mountPoint)) {
            std::lock_guard pendingLock(earlier->mutex);
            if (!earlier->done)
                return {};
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
        return {}; // no thread to be had: treat the drive as not ready
    }
    std::unique_lock lock(pending->mutex);
    if (pending->finished.wait_for(lock, limit_, [&] { return pending->done; }))
        return pending->result;
    lock.unlock();
    std::lock_guard tableLock(mutex_);
    hanging_.insert(mountPoint, pending);
    return {};
}

} // namespace vok
