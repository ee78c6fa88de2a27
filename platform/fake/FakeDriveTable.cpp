#include "platform/fake/FakeDriveTable.h"
#include "platform/fake/FakeDirectoryReader.h"
#include <algorithm>

namespace vok {

void FakeDriveTable::add(QChar letter, const QString& mountPoint, DriveType type, qint64 freeBytes,
                         qint64 totalBytes) {
    letter = letter.toUpper();
    remove(letter);
    drives_.append(
        Drive{letter, mountPoint, "/dev/fake" + QString(letter.toLower()), "ext4", type});
    std::sort(drives_.begin(), drives_.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    space_[letter] = DriveSpace{freeBytes, totalBytes};
}

void FakeDriveTable::setSpace(QChar letter, qint64 freeBytes, qint64 totalBytes) {
    space_[letter.toUpper()] = DriveSpace{freeBytes, totalBytes};
}

void FakeDriveTable::remove(QChar letter) {
    letter = letter.toUpper();
    drives_.removeIf([letter](const Drive& d) { return d.letter == letter; });
    space_.remove(letter);
}

QList<Drive> FakeDriveTable::drives() {
    return drives_;
}

DriveSpace FakeDriveTable::space(QChar letter) {
    ++spaceQueries;
    return space_.value(letter.toUpper(), DriveSpace{});
}

QString FakeDriveTable::currentDirectory(QChar letter) {
    letter = letter.toUpper();
    if (current_.contains(letter))
        return current_.value(letter);
    Drive d;
    if (!find(letter, &d))
        return {};
    const QString start = start_.value_or(workingDirectory);
    return driveOfPath(start) == letter ? start : d.mountPoint;
}

bool FakeDriveTable::changeDirectory(const QString& dir) {
    const QChar letter = driveOfPath(dir);
    if (letter.isNull() || (tree && !tree->isDirectory(dir)))
        return false;
    if (!start_)
        start_ = workingDirectory;
    workingDirectory = dir;
    current_[letter] = dir;
    return true;
}

} // namespace vok
