#pragma once
#include "platform/DirectoryReader.h"
#include "platform/Drive.h"
#include "platform/MemoryStatus.h"
#include "platform/PackageIndex.h"
#include "platform/ProcessSnapshot.h"
#include "platform/ResourceInfo.h"
#include "platform/SettingsFile.h"
#include "platform/SystemFacts.h"
#include "platform/TopLevelWindows.h"
#include "platform/Trash.h"
#include "platform/VersionFiles.h"

namespace vok {

// The services of a system Vok knows nothing about: each answers as its interface says it does
// when there is nothing to be had.

class NoDrives : public DriveTable {
public:
    QList<Drive> drives() override { return {}; }
    DriveSpace space(QChar) override { return {}; }
    QString currentDirectory(QChar) override { return {}; }
    QString currentPath() override { return {}; }
    bool changeDirectory(const QString&) override { return false; }
};

class NoMemoryFigures : public MemoryInfo {
public:
    MemoryStatus status() override { return {}; }
};

// No limit can be read, so every query fails with the text the screens show for that.
class NoResourceLimits : public ResourceInfo {
public:
    int freeResourcePercent(ResourceKind kind) override;
};

class NoDirectories : public DirectoryReader {
public:
    bool walk(const QString&, const WalkRules&, WalkVisitor&) override { return false; }
    bool fileExists(const QString&) override { return false; }
    QList<DirectoryLink> directoryLinks(const QString&) override { return {}; }
};

// There is no trash to move to: the move is refused before anything is asked, with a
// VokError whose text the handler that asked shows.
class NoTrash : public Trash {
public:
    static QString refusal();

protected:
    std::optional<TrashSubject> identify(const QString& path) override;
    bool move(const QString&, const TrashSubject&) override { return false; }
};

// Stores nothing: reads find nothing and a save says it could not store the changes.
class NoSettingsFile : public SettingsFile {
public:
    std::optional<QString> read(const QString&, const QString&) override { return std::nullopt; }
    void write(const QString&, const QString&, const QString&) override {}
    void deleteSection(const QString&) override {}
    bool save() override { return false; }
    QString location() const override;
};

class NoProcesses : public ProcessSnapshots {
public:
    ProcessSnapshot take(const std::function<void()>& = {}) override { return {}; }
};

class NoVersionFiles : public VersionFiles {
public:
    bool exists(const QString&) override { return false; }
    quint32 versionInfoSize(const QString&) override { return 0; }
    bool versionInfo(const QString&, quint32, QByteArray&) override { return false; }
    std::optional<ElfFacts> elfFacts(const QString&) override { return std::nullopt; }
    QString realPath(const QString& path) override { return path; }
};

class NoWindows : public TopLevelWindows {
public:
    QList<TopLevelWindow> windows() override { return {}; }
};

class NoSystemFacts : public SystemFacts {
public:
    QString ownerName() override { return {}; }
    int processorType() override { return 0; }
    OsVersion osVersion() override { return {}; }
};

class NoPackages : public PackageIndex {
public:
    std::optional<PackageFacts> ownerOf(const QString&) override { return std::nullopt; }
};

} // namespace vok
