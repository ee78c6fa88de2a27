#pragma once
#include "platform/Drive.h"
#include <QList>
#include <QString>

namespace vok {

// A drive as the all-disks screen shows it.
struct ShownDrive {
    QChar letter; // upper case
    DriveType type = DriveType::None;
    DriveSpace space;
};

// The drives C to Z of the table whose total size is above 0, in letter order. The drives are
// asked all at once, so mounts that do not answer cost one time limit between them.
QList<ShownDrive> AllDiskDrives(DriveTable& table);

// Free and total space in Mb: free rounded (halves to even), total truncated.
QString AllDiskSpaceText(const ShownDrive& d);
// The free share in percent, rounded (halves to even); 0 without a total.
int AllDiskFreePercent(const ShownDrive& d);

} // namespace vok
