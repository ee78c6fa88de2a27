// sysinfo: the machine facts the running windows screen shows (TSysInfo).
#include "controls/sysinfo.h"
#include "platform/Drive.h"
#include "platform/MemoryStatus.h"
#include "platform/SystemFacts.h"
#include <QCoreApplication>

namespace vok {

QString processorText(int processorType) {
    switch (processorType) {
    case 386:
        return "Intel 386";
    case 486:
        return "Intel 486";
    case 586:
        return "Intel Pentium";
    }
    return {};
}

QString versionText(quint32 major, quint32 minor) {
    return QString("%1.%2").arg(major).arg(minor);
}

QString buildText(quint32 build) {
    return QString::number(build & 0xFFFF);
}

QString totalMemoryText(quint64 physicalBytes) {
    //: KB = kilobytes
    return QCoreApplication::translate("vok::sysinfo", "%1 KB").arg(physicalBytes / 1024);
}

QString driveSizeText(qint64 totalBytes) {
    if (totalBytes < 0)
        return {};
    //: MB = megabytes
    return QCoreApplication::translate("vok::sysinfo", "%1 MB").arg(totalBytes / 1024 / 1024);
}

TSysInfo::TSysInfo(const Sources& sources, QObject* owner) : QObject(owner) {
    // Linux keeps no registered organisation or owner; the account's full name stands in for the
    // owner where there is one.
    //: Shown for the organisation, and for the owner when the account has no full name
    const QString missing = tr("Failure");
    organisation_ = missing;
    owner_ = sources.system.ownerName();
    if (owner_.isEmpty())
        owner_ = missing;
    cpu_ = processorText(sources.system.processorType());
    // Linux is none of the platforms the operating system text names, so it stays empty.
    const OsVersion version = sources.system.osVersion();
    if (version.known) {
        winVersion_ = versionText(version.major, version.minor);
        build_ = buildText(version.build);
    }
    totalMemory_ = totalMemoryText(sources.memory.status().totalPhys);
    driveC_ = driveSizeText(sources.drives.space('C').totalBytes);
}

} // namespace vok
