#pragma once
#include <QElapsedTimer>
#include <functional>

namespace vok {

// Run while a long walk or sort works, so the screen can let input through (repaint, show what
// was found so far, see Esc).
using ProgressHook = std::function<void()>;

// Runs the hook once at least 50 ms have passed since it last ran. It reads the clock only every
// `stride` steps, so a step costs nothing measurable; the hook's gap is 50 ms plus at most one
// stride of work, well within 100 ms for the strides used here.
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
        if (!hook_ || clock_.elapsed() < kIntervalMs)
            return;
        hook_();
        clock_.restart();
    }

private:
    static constexpr qint64 kIntervalMs = 50;
    ProgressHook hook_;
    unsigned stride_;
    QElapsedTimer clock_;
    unsigned steps_ = 0;
};

} // namespace vok
