#pragma once
#include "platform/TopLevelWindows.h"

namespace vok {

// A desktop whose windows tests set, topmost first.
class FakeTopLevelWindows : public TopLevelWindows {
public:
    QList<TopLevelWindow> windows() override {
        ++queries;
        return desktop;
    }
    QList<TopLevelWindow> desktop;
    int queries = 0;
};

} // namespace vok
