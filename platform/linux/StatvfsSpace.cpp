#include "platform/linux/StatvfsSpace.h"
#include "platform/FileNames.h"
#include <QFile>
#include <sys/statvfs.h>

namespace vok {

DriveSpace statvfsSpace(const QString& mountPoint) {
    struct statvfs s;
    if (::statvfs(encodeFileName(mountPoint).constData(), &s) != 0)
        return {};
    const quint64 unit = s.f_frsize ? s.f_frsize : s.f_bsize;
    return DriveSpace{qint64(quint64(s.f_bavail) * unit), qint64(quint64(s.f_blocks) * unit)};
}

} // namespace vok
