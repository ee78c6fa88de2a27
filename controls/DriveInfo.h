#pragma once
#include <QChar>
#include <QString>

namespace vok {

// Turns a drive into what the gauges show. The main window and the all-disks screen each use
// one; they differ only in the text of an invalid letter.
class DriveInfo {
public:
    enum class Caller { MainWindow, AllDisks };
    explicit DriveInfo(Caller caller) : caller_(caller) {}

    // "Hard drive", "Removable", ...; raises "Not a valid drive ID" for a letter outside A..Z.
    QString DriveTypeName(QChar letter) const;
    bool DriveReady(QChar letter) const;
    // Free and total space in the unit (1 Kb, 2 Mb, 3 Bytes; others Mb). Records the drive as
    // the current one and sets the read-out's font size for the unit.
    QString DriveSpaceText(int drive, int unit) const;
    double DriveFreePercent(int drive) const;

    // The letter of a drive number: 1 = A ... 26 = Z, 0 the drive of the working directory.
    static QChar letterOf(int drive);

private:
    Caller caller_;
};

// Nearest integer with ties to the even neighbour.
qint64 roundHalfEven(double x);

} // namespace vok
