#pragma once
#include "platform/SystemFacts.h"
#include <QByteArray>

namespace vok {

// The full name in an account's GECOS field: the text before the first comma, trimmed.
QString fullNameFromGecos(const QByteArray& gecos);

// The processor type of a kernel machine name (uname -m): every x86 from the Pentium on, 64-bit
// ones included, counts as 586, as the desktop Vok came from reported it.
int processorTypeOf(const QByteArray& machine);

// The major, minor and patch numbers of a kernel release text such as "6.1.0-18-amd64".
OsVersion kernelVersionOf(const QByteArray& release);

// The account database (through NSS, so directory services count too) and uname.
class LinuxSystemFacts : public SystemFacts {
public:
    QString ownerName() override;
    int processorType() override;
    OsVersion osVersion() override;
};

} // namespace vok
