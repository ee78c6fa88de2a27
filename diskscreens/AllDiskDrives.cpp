#include "diskscreens/AllDiskDrives.h"
#include "controls/DriveInfo.h"
#include <QCoreApplication>
#include <algorithm>

namespace vok {

namespace {
constexpr qint64 kMbBytes = 1048576;
}

QList<ShownDrive> AllDiskDrives(DriveTable& table) {
    QList<Drive> candidates = table.drives();
    candidates.removeIf([](const Drive& d) { return d.letter < 'C' || d.letter > 'Z'; });
    std::sort(candidates.begin(), candidates.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    QList<QChar> letters;
    for (const Drive& d : candidates)
        letters.append(d.letter);
    const QList<DriveSpace> spaces = table.spaces(letters);
    QList<ShownDrive> shown;
    for (qsizetype i = 0; i < candidates.size() && i < spaces.size(); ++i)
        if (spaces[i].totalBytes > 0)
            shown.append(ShownDrive{candidates[i].letter, candidates[i].type, spaces[i]});
    return shown;
}

QString AllDiskSpaceText(const ShownDrive& d) {
    if (d.space.freeBytes < 0)
        //: %1 is the drive's letter
        return QCoreApplication::translate("vok::AllDiskDrives", "Not found Drive %1")
            .arg(d.letter);
    //: Mb = megabytes; %1 is the free space, %2 the total
    return QCoreApplication::translate("vok::AllDiskDrives", "%1 Free Mb / %2 Mb Total")
        .arg(roundHalfEven(double(d.space.freeBytes) / kMbBytes))
        .arg(d.space.totalBytes / kMbBytes);
}

int AllDiskFreePercent(const ShownDrive& d) {
    if (d.space.totalBytes <= 0 || d.space.freeBytes < 0)
        return 0;
    return int(roundHalfEven(double(d.space.freeBytes) / double(d.space.totalBytes) * 100.0));
}

} // namespace vok
