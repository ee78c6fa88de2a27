#include "platform/RunningCopy.h"

namespace vok {

namespace {
// Nothing tells one copy of another here, so each copy runs on its own.
class EveryCopyRuns : public RunningCopy {
public:
    bool claim(const QString&) override { return true; }
};
} // namespace

std::unique_ptr<RunningCopy> thisPlatformsRunningCopy() {
    return std::make_unique<EveryCopyRuns>();
}

} // namespace vok
