#pragma once
#include <QElapsedTimer>
#include <functional>

namespace vok {

// Run at least every ~100 ms while a walk works, so the screen can let input through (repaint,
// show the rows found so far, see Esc).
using WalkProgress = std::function<void()>;

// Calls the hook when enough time has passed; cheap enough to tick on every entry.
class ProgressTicker {
public:
    explicit ProgressTicker(const WalkProgress& hook) : hook_(hook) {
        if (hook_)
            clock_.start();
    }
    void tick() {
        if (!hook_ || (++ticks_ & 31) != 0)
            return;
        now();
    }
    // Checks the clock at once, as at the start of a directory, which may take long to read.
    void now() {
        if (hook_ && clock_.elapsed() >= kIntervalMs) {
            hook_();
            clock_.restart();
        }
    }

private:
    static constexpr qint64 kIntervalMs = 50;
    const WalkProgress& hook_;
    QElapsedTimer clock_;
    unsigned ticks_ = 0;
};

} // namespace vok
