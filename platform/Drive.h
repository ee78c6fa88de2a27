#pragma once
#include <QChar>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace vok {

enum class DriveType { None, Removable, Fixed, Network, CdRom, Ram };

// One lettered file system of the drive table.
struct Drive {
    QChar letter; // upper case, 'A'..'Z'
    QString mountPoint;
    QString device;
    QString fsType;
    DriveType type = DriveType::None;
};

// Byte counts of a drive; -1 when the query failed.
struct DriveSpace {
    qint64 freeBytes = -1;
    qint64 totalBytes = -1;
    bool ready() const { return totalBytes != -1; }
};

class DriveTable {
public:
    virtual ~DriveTable() = default;
    // The current table, read afresh.
    virtual QList<Drive> drives() = 0;
    // Space of the drive with that letter; never blocks for more than about 2 seconds.
    virtual DriveSpace space(QChar letter) = 0;
    // Space of several drives, in the order asked. A table whose queries may hang asks them all
    // at once, within one limit; this one asks one after another.
    virtual QList<DriveSpace> spaces(const QList<QChar>& letters);
    virtual QString currentDirectory(QChar letter) = 0;
    // The process's working directory, byte for byte (see FileNames.h); empty when it is gone.
    virtual QString currentPath() = 0;
    // Makes dir the process's working directory and its drive's current directory.
    virtual bool changeDirectory(const QString& dir) = 0;
    // Drive that holds path (the longest mount point that holds it), or a null QChar.
    virtual QChar driveOfPath(const QString& path);

    // Convenience: the drive with this letter (case-insensitive), if present.
    bool find(QChar letter, Drive* out);
    DriveType typeOf(QChar letter);
};

// Whether path is dir itself or lies below it (both clean, absolute).
bool isAtOrBelow(const QString& path, const QString& dir);

} // namespace vok
