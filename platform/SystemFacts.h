#pragma once
#include <QString>
#include <QtGlobal>

namespace vok {

// The kernel's version numbers; known is false when they could not be read.
struct OsVersion {
    quint32 major = 0;
    quint32 minor = 0;
    quint32 build = 0;
    bool known = false;
};

// What the machine says about itself and its user.
class SystemFacts {
public:
    virtual ~SystemFacts() = default;
    // The user's full name from the account database; empty when there is none.
    virtual QString ownerName() = 0;
    // 386, 486 or 586 for x86 processors, 0 for any other.
    virtual int processorType() = 0;
    virtual OsVersion osVersion() = 0;
};

} // namespace vok
