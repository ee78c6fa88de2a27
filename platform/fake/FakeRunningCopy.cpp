#include "platform/fake/FakeRunningCopy.h"
#include <QHash>

namespace vok {

namespace {
QHash<QString, FakeRunningCopy*>& holders() {
    static QHash<QString, FakeRunningCopy*> map;
    return map;
}
} // namespace

FakeRunningCopy::~FakeRunningCopy() {
    if (holds_)
        holders().remove(claimedName);
}

bool FakeRunningCopy::claim(const QString& name) {
    claimedName = name;
    if (FakeRunningCopy* holder = holders().value(name)) {
        ++holder->timesAskedForward;
        holder->askedToComeForward();
        return false;
    }
    holders().insert(name, this);
    holds_ = true;
    return true;
}

} // namespace vok
