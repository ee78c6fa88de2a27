#pragma once
#include "platform/ProcessSnapshot.h"

namespace vok {

// Hands out the snapshot a test sets up, pacing once per process as the real one does.
class FakeProcessSnapshots : public ProcessSnapshots {
public:
    ProcessSnapshot take(const std::function<void()>& pace = {}) override {
        ++takes;
        for (size_t i = 0; pace && i < snapshot.processes.size(); ++i)
            pace();
        return snapshot;
    }
    ProcessSnapshot snapshot{true, {}};
    int takes = 0;
};

} // namespace vok
