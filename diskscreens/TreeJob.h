#pragma once

namespace vok {

// The directory tree screen's long operation: whether a walk runs and whether the user asked
// it to stop. The walk stops at the next file it meets; what was found so far stays.
struct TreeJob {
    bool running = false;
    bool stopRequested = false;
    bool stopped = false; // the last walk ended at the user's request
};

} // namespace vok
