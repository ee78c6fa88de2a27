#pragma once
#include "platform/linux/FileDescriptor.h"
#include <QByteArray>
#include <sys/types.h>

namespace vok::linuxfs {

// An opened freedesktop.org trash: its files/ and info/ folders. Every folder of it was opened
// without following a link and belongs to the user.
struct TrashDirectory {
    FileDescriptor files;
    FileDescriptor info;
    // Path= in the info file is relative to this top directory; empty for the home trash,
    // whose info files hold absolute paths.
    QByteArray topDir;
    bool valid() const { return files.isOpen() && info.isOpen(); }
};

enum class HomeTrashUse { Usable, OtherDevice, Unusable };

// The home trash $XDG_DATA_HOME/Trash (or ~/.local/share/Trash) for a file on device. The data
// home is made when missing, but only below an existing parent ($XDG_DATA_HOME's, or the home
// directory for the default); Unusable when it cannot be, or the trash cannot be opened.
HomeTrashUse openHomeTrash(dev_t device, TrashDirectory* trash);

// The trash of the file system whose top directory is topDir: $topdir/.Trash/$uid when .Trash
// is a real sticky directory, else $topdir/.Trash-$uid. A per-user folder is made or accepted
// only as a real directory owned by the user with mode 0700; links are never followed.
bool openTopDirectoryTrash(const QByteArray& topDir, dev_t device, TrashDirectory* trash);

// The path of the folder open at dirFd without links; empty when it cannot be read or no
// longer names that folder.
QByteArray realPathOf(int dirFd);

// The top directory (mount point) of the file system on device that holds realPath.
QByteArray topDirectoryOf(QByteArray realPath, dev_t device);

} // namespace vok::linuxfs
