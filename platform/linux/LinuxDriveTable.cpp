#include "platform/linux/LinuxDriveTable.h"
#include "platform/FileNames.h"
#include "platform/linux/SysfsDeviceProbe.h"
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace vok {

LinuxDriveTable::LinuxDriveTable(TableReader readTable, SpaceQuery query,
                                 std::chrono::milliseconds limit,
                                 std::unique_ptr<DeviceProbe> probe)
    : readTable_(std::move(readTable)), space_(std::move(query), limit),
      probe_(probe ? std::move(probe) : std::make_unique<SysfsDeviceProbe>()),
      startDirectory_(QDir::currentPath()) {}

QList<Drive> LinuxDriveTable::drives() {
    const QList<MountEntry> entries = parseMountInfo(readTable_());
    std::lock_guard lock(mutex_);
    return letters_.assign(entries, *probe_);
}

DriveSpace LinuxDriveTable::space(QChar letter) {
    Drive d;
    if (!find(letter, &d))
        return {};
    return space_(d.mountPoint);
}

QString LinuxDriveTable::currentDirectory(QChar letter) {
    Drive d;
    if (!find(letter, &d))
        return {};
    {
        std::lock_guard lock(mutex_);
        const QString recorded = current_.value(d.letter);
        // A letter whose file system went away and came back elsewhere starts afresh.
        if (!recorded.isEmpty() && isAtOrBelow(recorded, d.mountPoint))
            return recorded;
    }
    if (driveOfPath(startDirectory_) == d.letter)
        return startDirectory_;
    return d.mountPoint;
}

bool LinuxDriveTable::changeDirectory(const QString& dir) {
    const QString path = QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(dir));
    if (::chdir(encodeFileName(path).constData()) != 0)
        return false;
    // Through a symbolic link the directory may lie on another drive than its name suggests.
    const QString reached = QDir::currentPath();
    const QChar letter = driveOfPath(reached);
    if (!letter.isNull()) {
        std::lock_guard lock(mutex_);
        current_.insert(letter, reached);
    }
    return true;
}

} // namespace vok
