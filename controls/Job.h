#pragma once
#include <functional>

namespace vok {

// How a long operation ended; the screen decides what to show for it.
enum class JobOutcome { Done, Cancelled };

// A screen's long operation (a walk, a sort, a walk and then a sort): whether one is running and
// whether the user asked it to stop. The screen owns one and starts each operation with a Run;
// walks and sorts only read the stop request and report how they ended.
class Job {
public:
    // busyChanged is told when an operation starts (true) and ends (false), so the screen can
    // disable the commands that would start another.
    explicit Job(std::function<void(bool)> busyChanged = {})
        : busyChanged_(std::move(busyChanged)) {}
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    bool busy() const { return busy_; }
    bool cancelRequested() const { return cancel_; }
    // As Esc does; nothing is running to stop when idle.
    void requestCancel() {
        if (busy_)
            cancel_ = true;
    }
    // Once a step has reported its cancellation, so that the next step of the operation runs.
    void clearCancel() { cancel_ = false; }

    // One operation, from start to end on every way out, an error included. A stop request that
    // came too late for it does not stop the next one.
    class Run {
    public:
        explicit Run(Job& job) : job_(job) { job_.setBusy(true); }
        ~Run() { job_.setBusy(false); }
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

    private:
        Job& job_;
    };

private:
    void setBusy(bool on) {
        busy_ = on;
        cancel_ = false;
        if (busyChanged_)
            busyChanged_(on);
    }

    std::function<void(bool)> busyChanged_;
    bool busy_ = false;
    bool cancel_ = false;
};

} // namespace vok
