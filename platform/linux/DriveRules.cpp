#include "platform/linux/DriveRules.h"
#include <QSet>
#include <algorithm>

namespace vok {

bool isNetworkFileSystem(const QString& fsType) {
    static const QSet<QString> network{"nfs",         "nfs4",      "cifs",       "smb3",
                                       "smbfs",       "ncpfs",     "ceph",       "afs",
                                       "9p",          "glusterfs", "fuse.sshfs", "fuse.glusterfs",
                                       "fuse.rclone", "davfs",     "lustre",     "fuse.s3fs"};
    return network.contains(fsType);
}

static bool isSystemArea(const QString& mountPoint) {
    for (const char* dir : {"/run", "/dev", "/sys", "/proc"}) {
        if (isAtOrBelow(mountPoint, QString::fromLatin1(dir)))
            return true;
    }
    return false;
}

bool isRamFileSystem(const MountEntry& entry) {
    return entry.fsType == "tmpfs" || entry.fsType == "ramfs" ||
           entry.source.startsWith("/dev/zram");
}

static bool isSnapImage(const MountEntry& entry) {
    return entry.mountPoint.startsWith("/snap/") ||
           entry.mountPoint.startsWith("/var/lib/snapd/snap/");
}

bool holdsData(const MountEntry& entry) {
    // "/" is drive C on every system, even when it is an overlay in a container.
    if (entry.mountPoint == "/")
        return true;
    if (isSnapImage(entry))
        return false;
    if (isNetworkFileSystem(entry.fsType))
        return true;
    if (entry.fsType == "tmpfs" || entry.fsType == "ramfs")
        return !isSystemArea(entry.mountPoint);
    // Block devices count wherever they are mounted: desktops put USB sticks under /run/media.
    return entry.source.startsWith("/dev/");
}

QList<MountEntry> dataMounts(const QList<MountEntry>& entries) {
    QList<MountEntry> kept;
    // A later mount of a device directory that is already listed, or of a directory inside
    // it, is a bind mount: the same files under a second name.
    const auto isBindOfKept = [&kept](const MountEntry& e) {
        for (const MountEntry& k : kept) {
            if (k.major == e.major && k.minor == e.minor && k.source == e.source &&
                isAtOrBelow(e.root, k.root == "/" ? QString() : k.root))
                return true;
        }
        return false;
    };
    // Mounted over: a later mount on the same mount point hides the earlier one.
    QList<MountEntry> visible;
    for (const MountEntry& e : entries) {
        visible.removeIf([&e](const MountEntry& v) { return v.mountPoint == e.mountPoint; });
        visible.append(e);
    }
    for (const MountEntry& e : visible) {
        if (holdsData(e) && !isBindOfKept(e))
            kept.append(e);
    }
    return kept;
}

DriveType driveTypeOf(const MountEntry& entry, DeviceProbe& probe) {
    if (entry.fsType == "iso9660" || entry.fsType == "udf" || entry.source.startsWith("/dev/sr"))
        return DriveType::CdRom;
    if (isNetworkFileSystem(entry.fsType))
        return DriveType::Network;
    if (isRamFileSystem(entry))
        return DriveType::Ram;
    if (entry.source.startsWith("/dev/fd") || probe.isRemovable(entry))
        return DriveType::Removable;
    return DriveType::Fixed;
}

static QString identity(const MountEntry& e) {
    return QString("%1:%2\n%3\n%4\n%5")
        .arg(e.major)
        .arg(e.minor)
        .arg(e.source, e.root, e.mountPoint);
}

static bool isFloppy(const MountEntry& e) {
    return e.source.startsWith("/dev/fd");
}

QList<Drive> DriveLetters::assign(const QList<MountEntry>& entries, DeviceProbe& probe) {
    const QList<MountEntry> mounts = dataMounts(entries);
    QHash<QString, QChar> kept;
    QSet<QChar> taken;
    for (const MountEntry& e : mounts) {
        const QString id = identity(e);
        if (given_.contains(id) && !taken.contains(given_.value(id))) {
            kept.insert(id, given_.value(id));
            taken.insert(given_.value(id));
        }
    }
    const auto firstFree = [&taken](char from, char to) {
        for (char c = from; c <= to; ++c) {
            if (!taken.contains(QChar(c)))
                return QChar(c);
        }
        return QChar();
    };
    QList<Drive> drives;
    for (const MountEntry& e : mounts) {
        const QString id = identity(e);
        QChar letter = kept.value(id);
        if (letter.isNull()) {
            if (e.mountPoint == "/")
                letter = firstFree('C', 'C');
            else if (isFloppy(e))
                letter = firstFree('A', 'B');
            if (letter.isNull() && e.mountPoint != "/")
                letter = firstFree('D', 'Z');
            if (letter.isNull())
                continue; // more file systems than letters
            kept.insert(id, letter);
            taken.insert(letter);
        }
        drives.append(Drive{letter, e.mountPoint, e.source, e.fsType, driveTypeOf(e, probe)});
    }
    given_ = kept;
    std::sort(drives.begin(), drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return drives;
}

} // namespace vok
