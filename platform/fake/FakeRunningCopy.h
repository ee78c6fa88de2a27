#pragma once
#include "platform/RunningCopy.h"

namespace vok {

// Copies within one test process: a name is held by the first live fake that claimed it.
class FakeRunningCopy : public RunningCopy {
public:
    ~FakeRunningCopy() override;
    bool claim(const QString& name) override;

    QString claimedName;
    int timesAskedForward = 0;

private:
    bool holds_ = false;
};

} // namespace vok
