#pragma once
#include <QElapsedTimer>
#include <algorithm>
#include <functional>

namespace vok {

// Run while a long walk or sort works, so the screen can let input through (repaint, show what
// was found so far, see Esc).
using ProgressHook = std::function<void()>;

// Runs the hook once at least 50 ms have passed since it last ran. It reads the clock only every
// `stride` steps, so a step costs nothing measurable; the hook's gap is 50 ms plus at most one
// stride of work, well within 100 ms for the strides used here. One pacer serves a whole
// operation (walk, sort set-up, sort passes), so that no phase starts a fresh interval of its
// own; it also keeps the longest gap between two runs of the hook.
class WorkPacer {
public:
    static constexpr unsigned kWalkStride = 32;   // directory entries
    static constexpr unsigned kSortStride = 4096; // sort passes and key reads

    explicit WorkPacer(ProgressHook hook, unsigned stride = kSortStride)
        : hook_(std::move(hook)), stride_(stride) {
        clock_.start();
    }
    void step() {
        if (++steps_ % stride_ == 0)
            now();
    }
    // Reads the clock at once, as before a directory that may take long to read.
    void now() {
        if (!hook_)
            return;
        const qint64 gap = clock_.nsecsElapsed();
        if (gap < kIntervalMs * 1000000)
            return;
        maxGapNs_ = std::max(maxGapNs_, gap);
        hook_();
        clock_.restart();
    }
    // The next phase of the operation runs its steps this often and lets input through this way;
    // the clock goes on.
    void setStride(unsigned stride) { stride_ = stride; }
    void setHook(ProgressHook hook) { hook_ = std::move(hook); }
    // Input was handled meanwhile (a message box ran its own loop): the interval starts afresh.
    void resume() { clock_.restart(); }

    // The longest time without a run of the hook so far, the current interval included.
    qint64 maxGapNs() const { return std::max(maxGapNs_, clock_.nsecsElapsed()); }

private:
    static constexpr qint64 kIntervalMs = 50;
    ProgressHook hook_;
    unsigned stride_;
    QElapsedTimer clock_;
    unsigned steps_ = 0;
    qint64 maxGapNs_ = 0;
};

} // namespace vok
