#pragma once
#include "platform/RunningCopy.h"
#include <QHash>

namespace vok {

class FakeRunningCopy;
// The names claimed on one pretend machine, and the copy that holds each.
using FakeCopies = QHash<QString, FakeRunningCopy*>;

// Copies on one pretend machine: a name is held by the first live fake that claimed it.
class FakeRunningCopy : public RunningCopy {
public:
    explicit FakeRunningCopy(FakeCopies& machine) : machine_(machine) {}
    ~FakeRunningCopy() override;
    bool claim(const QString& name) override;

    QString claimedName;
    int timesAskedForward = 0;

private:
    FakeCopies& machine_;
    bool holds_ = false;
};

} // namespace vok
