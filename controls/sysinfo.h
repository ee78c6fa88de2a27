#pragma once
// sysinfo: the machine facts the running windows screen shows (TSysInfo).
#include <QObject>
#include <QString>

namespace vok {

class DriveTable;
class MemoryInfo;
class SystemFacts;

// Texts of the machine summary, from the figures the platform gives.
QString processorText(int processorType);
QString versionText(quint32 major, quint32 minor);
// Only the low 16 bits count: the high ones carried version data on some systems.
QString buildText(quint32 build);
QString totalMemoryText(quint64 physicalBytes);
// Empty when the size could not be read (negative).
QString driveSizeText(qint64 totalBytes);

// A short description of the machine, read once when it is created. The properties cannot be
// changed: a value given to one is discarded, so the machine's own values always stand.
class TSysInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Organisation READ Organisation WRITE discard)
    Q_PROPERTY(QString Owner READ Owner WRITE discard)
    Q_PROPERTY(QString CPU READ CPU WRITE discard)
    Q_PROPERTY(QString OperatingSystem READ OperatingSystem WRITE discard)
    Q_PROPERTY(QString WinVersion READ WinVersion WRITE discard)
    Q_PROPERTY(QString Build READ Build WRITE discard)
    Q_PROPERTY(QString TotalMemory READ TotalMemory WRITE discard)
    Q_PROPERTY(QString DriveC READ DriveC WRITE discard)
public:
    // Where the summary comes from.
    struct Sources {
        SystemFacts& system;
        MemoryInfo& memory;
        DriveTable& drives;
    };
    explicit TSysInfo(const Sources& sources, QObject* owner = nullptr);

    QString Organisation() const { return organisation_; }
    QString Owner() const { return owner_; }
    QString CPU() const { return cpu_; }
    QString OperatingSystem() const { return operatingSystem_; }
    QString WinVersion() const { return winVersion_; }
    QString Build() const { return build_; }
    QString TotalMemory() const { return totalMemory_; }
    QString DriveC() const { return driveC_; }

private:
    void discard(const QString&) {}

    QString organisation_;
    QString owner_;
    QString cpu_;
    QString operatingSystem_;
    QString winVersion_;
    QString build_;
    QString totalMemory_;
    QString driveC_;
};

} // namespace vok
