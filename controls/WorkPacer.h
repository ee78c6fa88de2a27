#pragma once
#include <QElapsedTimer>
#include <functional>

namespace vok {

// Runs a hook whenever ~50 ms of work have passed, so that a long loop lets input through at
// least every 100 ms. It reads the clock only every few thousand steps, so a step costs nothing
// measurable.
class WorkPacer {
public:
    explicit WorkPacer(std::function<void()> hook) : hook_(std::move(hook)) { clock_.start(); }
    void step() {
        if (++steps_ % 4096 != 0 || !hook_ || clock_.elapsed() < 50)
            return;
        hook_();
        clock_.restart();
    }

private:
    std::function<void()> hook_;
    QElapsedTimer clock_;
    unsigned steps_ = 0;
};

} // namespace vok
