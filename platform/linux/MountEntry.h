#pragma once
#include <QString>

namespace vok {

// One mounted file system as the mount table lists it, with its escapes decoded.
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

} // namespace vok
