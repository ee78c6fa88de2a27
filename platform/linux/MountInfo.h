#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

namespace vok {

// One line of /proc/self/mountinfo, with its escapes decoded.
struct MountEntry {
    int mountId = 0;
    int parentId = 0;
    int major = 0;
    int minor = 0;
    QString root;       // the directory of the file system that is mounted here
    QString mountPoint; // where it is mounted
    QString options;    // per-mount options
    QString fsType;     // e.g. "ext4", "fuse.sshfs"
    QString source;     // e.g. "/dev/sda1", "server:/export", "tmpfs"
};

// Parses the text of a mountinfo file; lines that do not have the expected shape are skipped.
QList<MountEntry> parseMountInfo(const QByteArray& text);

// Decodes the octal escapes (\040 and the like) the kernel writes for blanks, tabs, newlines
// and backslashes in paths.
QByteArray decodeMountEscapes(const QByteArray& field);

// The text of this process's mountinfo; empty when it cannot be read.
QByteArray readMountInfo();

} // namespace vok
