#pragma once
#include "controls/Rounding.h"
#include "controls/SpaceUnit.h"
#include "platform/Drive.h"
#include <QChar>
#include <QString>

namespace vok {

// Turns a drive into what the gauges show. The main window and the all-disks screen (still to
// come) each use one; they differ only in the text of an invalid letter.
// The name of a drive type as every screen shows it: "Hard drive", "Ram drive", ...
QString driveTypeText(DriveType type);

class DriveInfo {
public:
    enum class Caller { MainWindow, AllDisks };
    DriveInfo(DriveTable& drives, Caller caller) : drives_(drives), caller_(caller) {}

    // "Hard drive", "Removable", ...; raises "Not a valid drive ID" for a letter outside A..Z.
    QString DriveTypeName(QChar letter) const;
    bool DriveReady(QChar letter) const;
    // Free and total space in the unit, with the read-out's point size for that unit; the
    // caller shows both.
    struct SpaceText {
        QString text;
        int pointSize;
        int drive; // the drive measured: a number past Z means C
    };
    SpaceText DriveSpaceText(int drive, SpaceUnit unit) const;
    double DriveFreePercent(int drive) const;

    // The letter of a drive number: 1 = A ... 26 = Z, 0 the drive of the working directory.
    QChar letterOf(int drive) const;

private:
    DriveSpace spaceOf(int drive) const;

    DriveTable& drives_;
    Caller caller_;
};

} // namespace vok
