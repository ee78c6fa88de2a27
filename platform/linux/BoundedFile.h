#pragma once
#include "platform/linux/FileDescriptor.h"
#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <optional>

namespace vok::linuxfs {

// Whether the last component of a path may be a symbolic link. System files under /proc and
// /sys are read as they are named; a file the user chose is read through its links.
enum class FinalLink { Refuse, Follow };

// A descriptor for reading path, only when it is a regular file: a FIFO, a device, a folder or
// (with Refuse) a link opens as nothing, and opening never waits for a writer.
FileDescriptor openRegularFile(const char* path, FinalLink link = FinalLink::Refuse);

// Reads at most limit bytes of an open file into buffer, which is kept between calls, from the
// current position as reads give them: files under /proc report a size of 0. False when a read
// fails.
bool readBounded(int fd, qsizetype limit, QByteArray& buffer);

// The first limit bytes of a regular file, or nothing when it is not one or cannot be read.
std::optional<QByteArray> readRegularFile(const QByteArray& path, qsizetype limit);

// Hands each line (without its newline) of the first limit bytes of an open file to onLine,
// reading a chunk at a time, so that memory stays that of a chunk and of the longest line. A
// line cut by the limit is passed over. False when a read fails.
bool forEachLine(int fd, qsizetype limit, const std::function<void(QByteArrayView)>& onLine);

// Limits for the files Vok reads under /proc and /sys: a small file holds a few figures, a
// table one line per mount.
inline constexpr qsizetype kSmallFileLimit = qsizetype(1) << 20;
inline constexpr qsizetype kTableFileLimit = qsizetype(16) << 20;

} // namespace vok::linuxfs
