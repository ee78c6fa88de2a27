#pragma once
#include "platform/Drive.h"
#include "platform/TimedSpaceQuery.h"
#include "platform/linux/DriveRules.h"
#include "platform/linux/MountInfo.h"
#include "platform/linux/StatvfsSpace.h"
#include <memory>

namespace vok {

// The mounted file systems of this machine as lettered drives.
class LinuxDriveTable : public DriveTable {
public:
    using TableReader = std::function<QByteArray()>;

    // The defaults read the real mount table, ask statvfs and sysfs, and wait 2 seconds.
    explicit LinuxDriveTable(TableReader readTable = readMountInfo, SpaceQuery query = statvfsSpace,
                             std::chrono::milliseconds limit = std::chrono::seconds(2),
                             std::unique_ptr<DeviceProbe> probe = nullptr);

    QList<Drive> drives() override;
    DriveSpace space(QChar letter) override;
    QList<DriveSpace> spaces(const QList<QChar>& letters) override;
    QString currentDirectory(QChar letter) override;
    QString currentPath() override;
    bool changeDirectory(const QString& dir) override;

private:
    TableReader readTable_;
    TimedSpaceQuery space_;
    std::unique_ptr<DeviceProbe> probe_;
    std::mutex mutex_;
    DriveLetters letters_;
    QString startDirectory_;
    QHash<QChar, QString> current_;
};

} // namespace vok
