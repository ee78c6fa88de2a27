#include "platform/linux/SysfsDeviceProbe.h"
#include "platform/linux/BoundedFile.h"
#include <QFile>
#include <QFileInfo>

namespace vok {

static QString readFirstLine(const QString& path) {
    const QByteArray text =
        linuxfs::readRegularFile(QFile::encodeName(path), linuxfs::kSmallFileLimit)
            .value_or(QByteArray());
    const qsizetype nl = text.indexOf('\n');
    return QString::fromLatin1(nl < 0 ? text : text.first(nl)).trimmed();
}

// The sysfs directory of the device, e.g. /sys/devices/pci0000:00/.../block/sda/sda1.
QString SysfsDeviceProbe::deviceDirectory(const MountEntry& entry) const {
    const QString byNumber =
        QFileInfo(root_ + QString("/dev/block/%1:%2").arg(entry.major).arg(entry.minor))
            .canonicalFilePath();
    if (!byNumber.isEmpty())
        return byNumber;
    // File systems such as btrfs report an anonymous device number; go by the source's name.
    const QString device = QFileInfo(entry.source).canonicalFilePath();
    if (device.isEmpty())
        return {};
    return QFileInfo(root_ + "/class/block/" + QFileInfo(device).fileName()).canonicalFilePath();
}

bool SysfsDeviceProbe::isRemovable(const MountEntry& entry) {
    if (!entry.source.startsWith("/dev/"))
        return false;
    const QString dir = deviceDirectory(entry);
    if (dir.isEmpty())
        return false;
    if (dir.contains("/usb"))
        return true;
    // A partition has no "removable" of its own; its disk, one folder up, has.
    QString flag = readFirstLine(dir + "/removable");
    if (flag.isEmpty())
        flag = readFirstLine(QFileInfo(dir).absolutePath() + "/removable");
    return flag == "1";
}

} // namespace vok
