#include "controls/DriveInfo.h"
#include "platform/Drive.h"
#include "platform/VokError.h"
#include <QCoreApplication>
#include <QDir>
#include <cmath>

namespace vok {

namespace {

constexpr qint64 kKb = 1024;
constexpr qint64 kMb = 1048576;

QChar upperLetter(QChar letter) {
    return letter.toUpper();
}
bool isDriveLetter(QChar upper) {
    return upper >= 'A' && upper <= 'Z';
}

} // namespace

DriveSpace DriveInfo::spaceOf(int drive) const {
    const QChar letter = letterOf(drive);
    return letter.isNull() ? DriveSpace{} : drives_.space(letter);
}

QChar DriveInfo::letterOf(int drive) const {
    if (drive >= 1 && drive <= 26)
        return QChar('A' + drive - 1);
    if (drive == 0)
        return drives_.driveOfPath(drives_.currentPath());
    return {};
}

QString driveTypeText(DriveType type) {
    switch (type) {
    case DriveType::Removable:
        return QCoreApplication::translate("vok::DriveInfo", "Removable");
    case DriveType::Fixed:
        return QCoreApplication::translate("vok::DriveInfo", "Hard drive");
    case DriveType::Network:
        return QCoreApplication::translate("vok::DriveInfo", "Network drive");
    case DriveType::CdRom:
        return QCoreApplication::translate("vok::DriveInfo", "CD Rom drive");
    case DriveType::Ram:
        return QCoreApplication::translate("vok::DriveInfo", "Ram drive");
    case DriveType::None:
        break;
    }
    return QCoreApplication::translate("vok::DriveInfo", "does not exist");
}

QString DriveInfo::DriveTypeName(QChar letter) const {
    const QChar upper = upperLetter(letter);
    if (!isDriveLetter(upper))
        throw VokError(
            caller_ == Caller::MainWindow
                ? QCoreApplication::translate("vok::DriveInfo", "Not a valid drive ID %1")
                      .arg(letter)
                : QCoreApplication::translate("vok::DriveInfo", "Not a valid drive ID"));
    return driveTypeText(drives_.typeOf(upper));
}

bool DriveInfo::DriveReady(QChar letter) const {
    const QChar upper = upperLetter(letter);
    if (!isDriveLetter(upper))
        throw VokError(QCoreApplication::translate("vok::DriveInfo", "Not a valid drive ID"));
    return spaceOf(upper.unicode() - 64).totalBytes != -1;
}

DriveInfo::SpaceText DriveInfo::DriveSpaceText(int drive, SpaceUnit unit) const {
    if (drive > 26)
        drive = 3;
    const DriveSpace s = spaceOf(drive);
    const qint64 F = s.freeBytes;
    const qint64 T = s.totalBytes;
    SpaceText out{{}, 12, drive};
    switch (unit) {
    case SpaceUnit::Bytes:
        out.pointSize = 10;
        //: %1 free bytes, %2 total bytes of the drive
        out.text =
            QCoreApplication::translate("vok::DriveInfo", "%1/%2 Free/Total Bytes").arg(F).arg(T);
        break;
    case SpaceUnit::Kb:
        out.pointSize = 11;
        //: Kb = kilobytes (1024 bytes); %1 free, %2 total
        out.text = QCoreApplication::translate("vok::DriveInfo", "%1 Kb Free / %2 Kb Total")
                       .arg(roundHalfEven(double(F) / kKb))
                       .arg(T / kKb);
        break;
    default:
        //: Mb = megabytes (1048576 bytes); %1 free, %2 total
        out.text = QCoreApplication::translate("vok::DriveInfo", "%1 Free Mb / %2 Mb Total")
                       .arg(roundHalfEven(double(F) / kMb))
                       .arg(T / kMb);
        break;
    }
    if (F < 0) {
        const QChar letter = letterOf(drive);
        //: %1 is the drive's letter
        out.text = QCoreApplication::translate("vok::DriveInfo", "Not found Drive %1")
                       .arg(letter.isNull() ? QChar(64 + drive) : letter);
    }
    return out;
}

double DriveInfo::DriveFreePercent(int drive) const {
    const DriveSpace s = spaceOf(drive);
    if (s.totalBytes > 0 && s.freeBytes >= 0)
        return double(s.freeBytes) / double(s.totalBytes) * 100.0;
    return 0;
}

} // namespace vok
