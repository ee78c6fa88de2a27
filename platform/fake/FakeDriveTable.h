#pragma once
#include "platform/Drive.h"
#include <QHash>
#include <atomic>
#include <optional>

namespace vok {

class FakeDirectoryReader;

// A drive table with exact figures for tests. As the real one, the drive that holds the
// working directory starts there; with a fake file tree attached, only its directories can be
// changed to.
class FakeDriveTable : public DriveTable {
public:
    // Adds or replaces a drive; space of -1 makes it not ready.
    void add(QChar letter, const QString& mountPoint, DriveType type, qint64 freeBytes,
             qint64 totalBytes);
    void setSpace(QChar letter, qint64 freeBytes, qint64 totalBytes);
    void remove(QChar letter);

    QList<Drive> drives() override;
    DriveSpace space(QChar letter) override;
    QString currentDirectory(QChar letter) override;
    QString currentPath() override { return workingDirectory; }
    bool changeDirectory(const QString& dir) override;

    QString workingDirectory = QStringLiteral("/"); // what changeDirectory last set
    std::atomic<int> spaceQueries = 0;              // space() may be asked from several threads
    FakeDirectoryReader* tree = nullptr;

private:
    QList<Drive> drives_;
    QHash<QChar, DriveSpace> space_;
    QHash<QChar, QString> current_;
    std::optional<QString> start_; // the working directory before the first change
};

} // namespace vok
