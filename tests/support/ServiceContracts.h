#pragma once
#include "platform/DirectoryReader.h"
#include "platform/Drive.h"
#include "platform/Services.h"
#include "platform/Trash.h"
#include "platform/fake/FakeDialogService.h"
#include <QStringList>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

// Contracts of the services that screen tests fake: each case checks what the screens rely on,
// and runs against the real implementation and the fake alike, on the same fixture made by an
// adapter per implementation (the real ones in tests/platform, the fakes' beside the cases).

namespace vok {

// One case of a contract.
template <typename Fixture> struct ContractCase {
    const char* name;
    void (*check)(Fixture& fixture);
};

// Rows "linux: case" and "fake: case" for every case.
template <typename Fixture> void addContractRows(const std::vector<ContractCase<Fixture>>& cases) {
    QTest::addColumn<bool>("real");
    QTest::addColumn<int>("index");
    for (const bool real : {true, false})
        for (size_t i = 0; i < cases.size(); ++i)
            QTest::addRow("%s: %s", real ? "linux" : "fake", cases[i].name) << real << int(i);
}

// Runs the case of the current row on a fixture of the implementation it names.
template <typename Real, typename Fixture>
void runContractRow(const std::vector<ContractCase<Fixture>>& cases,
                    std::unique_ptr<Fixture> (*fake)()) {
    QFETCH(bool, real);
    QFETCH(int, index);
    const std::unique_ptr<Fixture> fixture = real ? std::make_unique<Real>() : fake();
    cases[size_t(index)].check(*fixture);
}

// A directory reader with a tree built under root() the same way in each implementation.
class DirectoryFixture {
public:
    virtual ~DirectoryFixture() = default;
    virtual DirectoryReader& reader() = 0;
    // The folder the cases build in: absolute, no trailing "/", holding no symbolic link.
    virtual QString root() const = 0;
    // A regular file, or with readOnly one its owner may not write to; folders on the way made.
    virtual void addFile(const QString& rel, qint64 size = 0, bool readOnly = false) = 0;
    // Something that is neither a file nor a folder: a FIFO.
    virtual void addSystemEntry(const QString& rel) = 0;
    virtual void addDirectory(const QString& rel) = 0;
    // A symbolic link at rel whose text is path(target), a directory.
    virtual void addDirectoryLink(const QString& rel, const QString& target) = 0;
    QString path(const QString& rel) const { return root() + '/' + rel; }
};

// The fake over its in-memory tree.
std::unique_ptr<DirectoryFixture> fakeDirectoryFixture();

// What every directory reader does, as the screens rely on it.
const std::vector<ContractCase<DirectoryFixture>>& directoryContract();

// A drive table over "/" (drive C) and folders mounted below root(), lettered D, E, ... in the
// order given, each a fixed disk; built the same way in each implementation.
class DriveFixture {
public:
    virtual ~DriveFixture() = default;
    // The folders are made, with "sub" in each; the working directory is path(workingDir).
    virtual void mount(const QStringList& folders, const QString& workingDir) = 0;
    virtual DriveTable& table() = 0;
    // Absolute, no trailing "/", holding no symbolic link.
    virtual QString root() const = 0;
    QString path(const QString& rel) const { return root() + '/' + rel; }
};

std::unique_ptr<DriveFixture> fakeDriveFixture();

// What every drive table does, as the screens rely on it.
const std::vector<ContractCase<DriveFixture>>& driveContract();

// Answers like the fake (Yes unless told otherwise), after changing the disk while the question
// is open when whileAsking is set.
struct ChangingDialogs : FakeDialogService {
    std::function<void()> whileAsking;
    Answer confirm(const QString& text, Buttons buttons) override {
        if (whileAsking)
            whileAsking();
        return FakeDialogService::confirm(text, buttons);
    }
};

// A trash with files under root() made the same way in each implementation. The trash asks
// through dialogs.
class TrashFixture {
public:
    virtual ~TrashFixture() = default;
    virtual Trash& trash() = 0;
    // Absolute, no trailing "/".
    virtual QString root() const = 0;
    virtual void addFile(const QString& rel) = 0;
    virtual void addDirectory(const QString& rel) = 0;
    // A symbolic link at rel to path(target).
    virtual void addLink(const QString& rel, const QString& target) = 0;
    virtual void removeFile(const QString& rel) = 0;
    // Whether anything is at rel; links are not followed.
    virtual bool exists(const QString& rel) = 0;
    // The names of what the trash now holds, sorted.
    virtual QStringList trashed() = 0;
    QString path(const QString& rel) const { return root() + '/' + rel; }
    bool moveToTrash(const QString& rel) { return trash().moveToTrash(path(rel), dialogs); }
    ChangingDialogs dialogs;
};

std::unique_ptr<TrashFixture> fakeTrashFixture();

// What every trash does, as the screens rely on it.
const std::vector<ContractCase<TrashFixture>>& trashContract();

} // namespace vok
