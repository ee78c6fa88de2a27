#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/Panel.h"
#include "controls/StringGrid.h"
#include "diskscreens/Unit2.h"
#include "support/GridColumn.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QAction>
#include <QtTest>

using namespace vok;

namespace {

// The main window's picker, which the screen reads its drive from, and a directory of files.
struct Fixture {
    explicit Fixture(const QList<QPair<QString, qint64>>& files) {
        t.directories.addDirectory("/data");
        t.directories.addDirectory("/data/sub");
        for (const auto& f : files)
            t.directories.addFile("/data/" + f.first, f.second);
        t.drives.changeDirectory("/data");
        picker = std::make_unique<TDriveComboBox>(t.drives);
        context.picker = picker.get();
        screen = std::make_unique<TFmDir>(t.services, context);
        screen->FormActivate();
    }
    QStringList names() const { return test::column(screen->StringGrid1->cells(), 0); }
    TestServices t;
    std::unique_ptr<TDriveComboBox> picker;
    TestScreenContext context;
    std::unique_ptr<TFmDir> screen;
};

const QList<QPair<QString, qint64>> kFiles = {
    {"notes.txt", 300}, {"Makefile", 1000}, {"run.bat", 5}, {"a.exe", 700}, {"README", 40}};

} // namespace

class DirSpaceScreenTest : public QObject {
    Q_OBJECT
private slots:
    void openingListsTheDriveCurrentDirectory() {
        QList<QPair<QString, qint64>> many;
        for (int i = 0; i < 40; ++i)
            many << qMakePair(QString("f%1.dat").arg(i), qint64(314572));
        Fixture f(many); // 40 files, 12 Mb
        QCOMPARE(f.screen->windowTitle(), QString("Directory /data"));
        QCOMPARE(f.screen->Panel1->text(), QString("12 Mb 40 Files"));
        QVERIFY(f.screen->StringGrid1->isHidden() && !f.screen->DirectoryListBox1->isHidden());
        QCOMPARE(f.screen->scan.ScanFileCount, 40);
        QCOMPARE(f.screen->scan.ScanByteTotal, 40 * 314572);
        // An empty directory: nothing to show in bytes, the caption stays.
        f.screen->DirectoryListBox1->setDirectory("/data/sub");
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 0 Files"));
        f.screen->Bytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 0 Files"));
    }

    void firstListingIsLargestFirstWithPositions() {
        Fixture f(kFiles);
        QCOMPARE(f.names(), (QStringList{"Makefile", "a.exe", "notes.txt", "README", "run.bat"}));
        QCOMPARE(f.screen->StringGrid1->cell(1, 0), QString("        1000"));
        QCOMPARE(f.screen->StringGrid1->cell(2, 0), QString("1"));
        QCOMPARE(f.screen->StringGrid1->cell(2, 4), QString("5"));
        QVERIFY(f.screen->StringGrid1->isRightAligned(1) &&
                !f.screen->StringGrid1->isRightAligned(0));
        // The panel toggles between the list of directories and the grid.
        f.screen->Panel1Click();
        QVERIFY(!f.screen->StringGrid1->isHidden() && f.screen->DirectoryListBox1->isHidden());
        QVERIFY(f.screen->Files1->isChecked() && !f.screen->Directories1->isChecked());
        f.screen->Panel1Click();
        QVERIFY(f.screen->StringGrid1->isHidden() && !f.screen->DirectoryListBox1->isHidden());
        QVERIFY(f.screen->Directories1->isChecked());
    }

    void unitsAndActivation() {
        Fixture f({{"x", 1000}, {"y", 536}});
        f.screen->Bytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("1536 bytes"));
        f.screen->Kilobytes1->trigger();
        QCOMPARE(f.screen->Panel1->text(), QString("2 Kb")); // 1.5 rounds to 2
        f.t.directories.addFile("/data/z", 1024);
        f.screen->FormActivate(); // coming back: Mb with the count, Kb still checked
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 3 Files"));
        QVERIFY(f.screen->Kilobytes1->isChecked() && !f.screen->Mb1->isChecked());
        f.screen->Kilobytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("2 Kb")); // 2.5 rounds to the even 2
    }

    void sortCommands() {
        Fixture f(kFiles);
        f.screen->Ascending1Click();
        f.screen->FileExtension1Click();
        QCOMPARE(f.names(), (QStringList{"Makefile", "README", "run.bat", "a.exe", "notes.txt"}));
        QVERIFY(f.screen->FileExtension1->isChecked() && !f.screen->FileSize1->isChecked());
        f.screen->Name1Click();
        QCOMPARE(f.names(), (QStringList{"Makefile", "README", "a.exe", "notes.txt", "run.bat"}));
        const int walks = f.t.directories.walkedPaths.size();
        f.screen->ZA1Click(); // reverses without listing again
        QCOMPARE(f.names(), (QStringList{"run.bat", "notes.txt", "a.exe", "README", "Makefile"}));
        QCOMPARE(f.t.directories.walkedPaths.size(), walks);
        QCOMPARE(f.screen->StringGrid1->cell(2, 0), QString("1")); // positions stay in place
        // Sorting by size again and again keeps the total.
        for (int i = 0; i < 3; ++i)
            f.screen->FileSize1Click();
        f.screen->Bytes1Click();
        QCOMPARE(f.screen->Panel1->text(), QString("2045 bytes"));
    }

    void clickTrashesTheRowsFileAndChangingDirectoryLists() {
        Fixture f(kFiles);
        f.screen->Files1Click();
        for (int column : {1, 2}) {
            const QString name = f.screen->StringGrid1->cell(0, column);
            emit f.screen->StringGrid1->selectCell(column, column);
            emit f.screen->StringGrid1->clicked();
            QCOMPARE(f.t.trash.moved.last(), "/data/" + name);
            QCOMPARE(f.screen->StringGrid1->cell(0, column), QString("Deleted "));
            QCOMPARE(f.screen->Panel1->text(), QString("File Sent to the recycle bin "));
        }
        QCOMPARE(f.t.trash.moved.size(), 2);
        // Declined: the row stays and the screen says so.
        f.t.dialogs.answers = {Answer::No};
        const QString name = f.screen->StringGrid1->cell(0, 0);
        emit f.screen->StringGrid1->selectCell(0, 0);
        emit f.screen->StringGrid1->clicked();
        QCOMPARE(f.screen->StringGrid1->cell(0, 0), name);
        QCOMPARE(f.screen->Panel1->text(), "Unable to delete file " + name);
        QCOMPARE(f.t.trash.moved.size(), 2);
        // Another directory is listed as soon as it is chosen.
        f.t.directories.addFile("/data/sub/one.txt", 10);
        f.screen->DirectoryListBox1->setDirectory("/data/sub");
        QCOMPARE(f.screen->windowTitle(), QString("Directory /data/sub"));
        QCOMPARE(f.screen->Panel1->text(), QString("0 Mb 1 Files"));
        QCOMPARE(f.t.drives.workingDirectory, QString("/data/sub"));
        QCOMPARE(f.screen->StringGrid1->cell(0, 0), QString("one.txt"));
    }
};

QTEST_MAIN(DirSpaceScreenTest)
#include "dir_space_screen_test.moc"
