#pragma once
#include "platform/linux/FileDescriptor.h"
#include <QByteArray>
#include <QList>

namespace vok::linuxfs {

// Flags for opening a directory that never block, never follow a final symbolic link and never
// open anything but a directory (a FIFO is refused before it is opened).
int directoryOpenFlags();

// Opens the directory at path, following links on the way as a path lookup does. Paths longer
// than the kernel's PATH_MAX are opened one component at a time. Holds nothing on failure.
FileDescriptor openDirectory(const QByteArray& path);

// Opens the directory that holds path's last component and gives that component's name.
// Holds nothing when path has no last component or its directory cannot be opened.
FileDescriptor openParent(const QByteArray& path, QByteArray* baseName);

// The folder name inside at, made with mode 0700 when missing. Accepted only as a real
// directory (never a link) owned by the user, and with mode 0700 exactly when privateMode is set.
FileDescriptor userDirectory(int at, const QByteArray& name, bool privateMode);

} // namespace vok::linuxfs
