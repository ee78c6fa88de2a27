#pragma once
#include <QElapsedTimer>
#include <algorithm>
#include <functional>

namespace vok {

// Run while a long walk or sort works, so the screen can let input through (repaint, show what
// was found so far, see Esc).
using ProgressHook = std::function<void()>;

// The two hooks the screens pace their work with.
void repaintOnly();     // the window repaints; input waits until the work ends
void letInputThrough(); // input too, so that Esc reaches the screen

// How often a pacer reads the clock and may run its hook. Tests make the hook due at every step,
// so that a few rows exercise what a machine's speed would otherwise decide.
struct PacerTiming {
    qint64 intervalNs = 50'000'000;
    unsigned walkStride = 32;      // directory entries
    unsigned sortStride = 4096;    // sort passes and key reads
    std::function<qint64()> clock; // nanoseconds, monotonic; empty: the steady clock
    static PacerTiming everyStep() { return {0, 1, 1, {}}; }
};

// Runs the hook once at least the interval (50 ms) has passed since it last ran. It reads the
// clock only every `stride` steps, so a step costs nothing measurable; the hook's gap is the
// interval plus at most one stride of work, well within 100 ms for the strides used here. One
// pacer serves a whole operation (walk, sort set-up, sort passes), so that no phase starts a
// fresh interval of its own; it also keeps the longest gap between two runs of the hook.
class WorkPacer {
public:
    using Timing = PacerTiming;
    enum class Phase { Walk, Sort };

    explicit WorkPacer(ProgressHook hook, Timing timing = {})
        : hook_(std::move(hook)), timing_(std::move(timing)),
          stride_(std::max(1u, timing_.sortStride)) {
        steady_.start();
        last_ = read();
    }
    void step() {
        if (++steps_ % stride_ == 0)
            now();
    }
    // Reads the clock at once, as before a directory that may take long to read.
    void now() {
        if (!hook_)
            return;
        const qint64 at = read();
        if (at - last_ < timing_.intervalNs)
            return;
        maxGapNs_ = std::max(maxGapNs_, at - last_);
        hook_();
        last_ = read();
    }
    // The next phase of the operation reads the clock at its own stride; the clock goes on.
    void setPhase(Phase phase) {
        stride_ = std::max(1u, phase == Phase::Walk ? timing_.walkStride : timing_.sortStride);
    }
    // The next phase lets input through this way.
    void setHook(ProgressHook hook) { hook_ = std::move(hook); }
    // Input was handled meanwhile (a message box ran its own loop): the interval starts afresh.
    void resume() { last_ = read(); }

    // The longest time without a run of the hook so far, the current interval included.
    qint64 maxGapNs() const { return std::max(maxGapNs_, read() - last_); }

private:
    qint64 read() const { return timing_.clock ? timing_.clock() : steady_.nsecsElapsed(); }

    ProgressHook hook_;
    Timing timing_;
    unsigned stride_;
    QElapsedTimer steady_;
    qint64 last_ = 0;
    unsigned steps_ = 0;
    qint64 maxGapNs_ = 0;
};

} // namespace vok
