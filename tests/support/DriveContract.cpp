#include "platform/fake/FakeDirectoryReader.h"
#include "platform/fake/FakeDriveTable.h"
#include "support/ServiceContracts.h"

namespace vok {

namespace {

class FakeDriveFixture : public DriveFixture {
public:
    FakeDriveFixture() { table_.tree = &tree_; }
    void mount(const QStringList& folders, const QString& workingDir) override {
        table_.add('C', "/", DriveType::Fixed, 1, 2);
        char letter = 'D';
        for (const QString& folder : folders) {
            tree_.addDirectory(path(folder) + "/sub");
            table_.add(QChar(letter++), path(folder), DriveType::Fixed, 1, 2);
        }
        table_.workingDirectory = path(workingDir);
    }
    DriveTable& table() override { return table_; }
    QString root() const override { return QStringLiteral("/contract"); }

private:
    FakeDirectoryReader tree_;
    FakeDriveTable table_;
};

QStringList lettered(DriveTable& table) {
    QStringList out;
    for (const Drive& d : table.drives())
        out << QString(d.letter) + "=" + d.mountPoint;
    return out;
}

void drivesInLetterOrderWithTheirType(DriveFixture& f) {
    f.mount({"one", "two"}, "one");
    QCOMPARE(lettered(f.table()), (QStringList{"C=/", "D=" + f.path("one"), "E=" + f.path("two")}));
    Drive d;
    QVERIFY(f.table().find('d', &d)); // either case
    QCOMPARE(d.mountPoint, f.path("one"));
    QCOMPARE(f.table().typeOf('e'), DriveType::Fixed);
    QVERIFY(!f.table().find('Q', &d));
    QCOMPARE(f.table().typeOf('Q'), DriveType::None);
}

void spaceOfMountedDrivesOnly(DriveFixture& f) {
    f.mount({"one"}, "one");
    for (QChar letter : {QChar('C'), QChar('d'), QChar('D')}) {
        const DriveSpace s = f.table().space(letter);
        QVERIFY(s.ready());
        QVERIFY(s.freeBytes >= 0 && s.freeBytes <= s.totalBytes);
    }
    const DriveSpace none = f.table().space('Q');
    QVERIFY(!none.ready());
    QCOMPARE(none.freeBytes, -1);
    QCOMPARE(none.totalBytes, -1);
}

void driveOfPathTakesTheLongestMountPoint(DriveFixture& f) {
    f.mount({"home", "home/music"}, "home");
    const QList<std::pair<QString, char>> cases = {
        {"/", 'C'},
        {f.root(), 'C'},
        {f.path("home"), 'D'},
        {f.path("home/"), 'D'},
        {f.path("homework"), 'C'},
        {f.path("home/music/a b.mp3"), 'E'},
        {f.path("home/musicals"), 'D'},
    };
    for (const auto& [path, letter] : cases)
        QVERIFY2(f.table().driveOfPath(path) == QChar(letter), qPrintable(path));
}

// Each drive remembers its own directory: its root at first, the working directory on its
// drive; a change moves the working directory and that drive's only.
void currentDirectoriesPerDrive(DriveFixture& f) {
    f.mount({"one", "two"}, "one/sub");
    DriveTable& t = f.table();
    QCOMPARE(t.currentPath(), f.path("one/sub"));
    QCOMPARE(t.currentDirectory('C'), QString("/"));
    QCOMPARE(t.currentDirectory('d'), f.path("one/sub"));
    QCOMPARE(t.currentDirectory('E'), f.path("two"));
    QVERIFY(t.currentDirectory('Q').isEmpty());

    QVERIFY(t.changeDirectory(f.path("two/sub")));
    QCOMPARE(t.currentPath(), f.path("two/sub"));
    QCOMPARE(t.currentDirectory('E'), f.path("two/sub"));
    QCOMPARE(t.currentDirectory('D'), f.path("one/sub"));
    QVERIFY(t.changeDirectory("/"));
    QCOMPARE(t.currentDirectory('C'), QString("/"));
    QCOMPARE(t.currentDirectory('E'), f.path("two/sub"));

    QVERIFY(!t.changeDirectory(f.path("one/no such folder")));
    QCOMPARE(t.currentPath(), QString("/"));
    QCOMPARE(t.currentDirectory('D'), f.path("one/sub"));
}

} // namespace

std::unique_ptr<DriveFixture> fakeDriveFixture() {
    return std::make_unique<FakeDriveFixture>();
}

const std::vector<ContractCase<DriveFixture>>& driveContract() {
    static const std::vector<ContractCase<DriveFixture>> cases = {
        {"drives in letter order with their type", drivesInLetterOrderWithTheirType},
        {"space of mounted drives only", spaceOfMountedDrivesOnly},
        {"driveOfPath takes the longest mount point", driveOfPathTakesTheLongestMountPoint},
        {"a current directory per drive", currentDirectoriesPerDrive},
    };
    return cases;
}

} // namespace vok
