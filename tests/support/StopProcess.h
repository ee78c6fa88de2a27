#pragma once
#include <QProcess>
#include <memory>

namespace vok {

// Ends a program the test started: asked first, killed when it does not end in time.
inline void stopProcess(std::unique_ptr<QProcess>& p) {
    if (!p)
        return;
    if (p->state() != QProcess::NotRunning) {
        p->terminate();
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
    p.reset();
}

} // namespace vok
