#pragma once
#include "platform/ResourceInfo.h"
#include "platform/VokError.h"

namespace vok {

// Resource figures and failures that tests choose.
class FakeResourceInfo : public ResourceInfo {
public:
    int freeResourcePercent(ResourceKind kind) override {
        ++queries;
        if (!failure.isEmpty())
            throw VokError(failure);
        switch (kind) {
        case ResourceKind::System:
            return system;
        case ResourceKind::GDI:
            return gdi;
        case ResourceKind::User:
            return user;
        }
        return 0;
    }
    int system = 80;
    int gdi = 90;
    int user = 80;
    QString failure; // when set, every query throws it
    int queries = 0;
};

} // namespace vok
