#include "platform/fake/FakeRunningCopy.h"

namespace vok {

FakeRunningCopy::~FakeRunningCopy() {
    if (holds_)
        machine_.remove(claimedName);
}

bool FakeRunningCopy::claim(const QString& name) {
    claimedName = name;
    if (FakeRunningCopy* holder = machine_.value(name)) {
        ++holder->timesAskedForward;
        holder->askedToComeForward({});
        return false;
    }
    machine_.insert(name, this);
    holds_ = true;
    return true;
}

} // namespace vok
