#pragma once
#include "platform/SystemFacts.h"

namespace vok {

class FakeSystemFacts : public SystemFacts {
public:
    QString ownerName() override { return owner; }
    int processorType() override { return processor; }
    OsVersion osVersion() override { return version; }

    QString owner = "Ann Example";
    int processor = 586;
    OsVersion version{6, 1, 0, true};
};

} // namespace vok
