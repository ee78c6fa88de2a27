#pragma once
#include "platform/linux/MountEntry.h"
#include <QByteArray>
#include <QList>
#include <QString>

namespace vok {

// Parses the text of a mountinfo file; lines that do not have the expected shape are skipped.
QList<MountEntry> parseMountInfo(const QByteArray& text);

// Decodes the octal escapes (\040 and the like) the kernel writes for blanks, tabs, newlines
// and backslashes in paths.
QByteArray decodeMountEscapes(const QByteArray& field);

// The text of this process's mountinfo; empty when it cannot be read.
QByteArray readMountInfo();
// The same under another proc root, for tests.
QByteArray readMountInfoUnder(const QByteArray& procRoot);

} // namespace vok
