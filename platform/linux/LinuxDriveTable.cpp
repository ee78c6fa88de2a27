#include "platform/linux/LinuxDriveTable.h"
#include "platform/FileNames.h"
#include "platform/linux/SysfsDeviceProbe.h"
#include <QDir>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace vok {

LinuxDriveTable::LinuxDriveTable(TableReader readTable, SpaceQuery query,
                                 std::chrono::milliseconds limit,
                                 std::unique_ptr<DeviceProbe> probe)
    : readTable_(std::move(readTable)), space_(std::move(query), limit),
      probe_(probe ? std::move(probe) : std::make_unique<SysfsDeviceProbe>()),
      startDirectory_(currentPath()) {}

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

QList<DriveSpace> LinuxDriveTable::spaces(const QList<QChar>& letters) {
    const QList<Drive> table = drives();
    QList<QString> mountPoints;
    QList<qsizetype> asked; // where each mount's answer goes; a letter not in the table has none
    for (qsizetype i = 0; i < letters.size(); ++i)
        for (const Drive& d : table)
            if (d.letter == letters[i].toUpper()) {
                mountPoints.append(d.mountPoint);
                asked.append(i);
                break;
            }
    const QList<DriveSpace> answers = space_(mountPoints);
    QList<DriveSpace> result(letters.size());
    for (qsizetype i = 0; i < asked.size(); ++i)
        result[asked[i]] = answers[i];
    return result;
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

// getcwd, not QDir::currentPath: Qt decodes the bytes as UTF-8 and puts U+FFFD in place of any
// byte that is not, which names another directory or none.
QString LinuxDriveTable::currentPath() {
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()))
            return decodeFileName(buffer.data());
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

bool LinuxDriveTable::changeDirectory(const QString& dir) {
    const QString here = currentPath();
    const QString path =
        QDir::cleanPath(dir.startsWith(u'/') || here.isEmpty() ? dir : joinPath(here, dir));
    if (::chdir(encodeFileName(path).constData()) != 0)
        return false;
    // Through a symbolic link the directory may lie on another drive than its name suggests.
    const QString reached = currentPath();
    const QChar letter = driveOfPath(reached);
    if (!letter.isNull()) {
        std::lock_guard lock(mutex_);
        current_.insert(letter, reached);
    }
    return true;
}

} // namespace vok
