#include "platform/linux/SysfsDeviceProbe.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vok {

static QString readFirstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readLine()).trimmed();
}

// The sysfs directory of the device, e.g. /sys/devices/pci0000:00/.../block/sda/sda1.
static QString deviceDirectory(const MountEntry& entry) {
    const QString byNumber =
        QFileInfo(QString("/sys/dev/block/%1:%2").arg(entry.major).arg(entry.minor))
            .canonicalFilePath();
    if (!byNumber.isEmpty())
        return byNumber;
    // File systems such as btrfs report an anonymous device number; go by the source's name.
    const QString device = QFileInfo(entry.source).canonicalFilePath();
    if (device.isEmpty())
        return {};
    return QFileInfo("/sys/class/block/" + QFileInfo(device).fileName()).canonicalFilePath();
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
