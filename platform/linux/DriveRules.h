#pragma once
#include "platform/Drive.h"
#include "platform/linux/MountEntry.h"
#include <QHash>

namespace vok {

// What sysfs knows about the block device under a mount.
class DeviceProbe {
public:
    virtual ~DeviceProbe() = default;
    // The device can be taken out (sysfs "removable" is 1) or sits on a USB bus.
    virtual bool isRemovable(const MountEntry& entry) = 0;
};

bool isNetworkFileSystem(const QString& fsType);
bool isRamFileSystem(const MountEntry& entry);

// Whether a mounted file system holds data a user would call a drive (bind mounts aside).
bool holdsData(const MountEntry& entry);

// The mounts that become drives, in mount-table order: data file systems, each device and
// directory once.
QList<MountEntry> dataMounts(const QList<MountEntry>& entries);

DriveType driveTypeOf(const MountEntry& entry, DeviceProbe& probe);

// Gives the data mounts their letters. A file system keeps its letter for as long as it stays
// mounted, however the table changes around it, so one object lives for the whole run.
class DriveLetters {
public:
    // The lettered drives of this table, ordered by letter.
    QList<Drive> assign(const QList<MountEntry>& entries, DeviceProbe& probe);

private:
    QHash<QString, QChar> given_; // mount identity -> letter
};

} // namespace vok
