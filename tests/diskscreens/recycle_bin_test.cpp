#include "controls/GridRows.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/RecycleBin.h"
#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/LinuxTrash.h"
#include "support/RemoveTree.h"
#include "support/ScopedEnv.h"
#include "support/TestServices.h"
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace vok;

namespace {

// Answers like the fake and notes whether the grid was enabled while the user was asked.
struct WatchingDialogs : FakeDialogService {
    QWidget* grid = nullptr;
    QList<bool> gridEnabled;
    std::function<void()> whileAsking;
    Answer confirm(const QString& text, Buttons buttons) override {
        gridEnabled << (grid && grid->isEnabled());
        if (whileAsking)
            whileAsking();
        return FakeDialogService::confirm(text, buttons);
    }
};

// A listed directory on the fake tree with a grid widget and a status panel.
struct Screen {
    TestServices t;
    WatchingDialogs dialogs;
    ScopedServices scope{withDialogs()};
    GridRows rows{3};
    QWidget grid;
    QStringList status;
    ScanState state;

    Services withDialogs() {
        Services s = services();
        s.dialogs = &dialogs;
        return s;
    }
    void list(const QString& dir) {
        dialogs.grid = &grid;
        ListDirectory(state, rows, dir, ListingVariant::DirectorySpace, {SortByColumn0, false});
    }
    void click(int row, const QString& baseDir) {
        DeleteClickedFile(
            rows, &grid, [&](const QString& s) { status << s; }, row, baseDir);
    }
};

} // namespace

class RecycleBinTest : public QObject {
    Q_OBJECT
private slots:
    void confirmedDeleteMarksTheRow() {
        Screen s;
        s.t.directories.addFile("/d/a.txt", 10);
        s.t.directories.addFile("/d/b.txt", 20);
        s.list("/d");
        s.click(1, "/d");
        QCOMPARE(s.t.trash.moved, QStringList{"/d/b.txt"});
        QCOMPARE(s.dialogs.gridEnabled, QList<bool>{false});
        QVERIFY(s.grid.isEnabled());
        QCOMPARE(s.status, QStringList{"File Sent to the recycle bin "});
        QCOMPARE(s.rows.cell(0, 1), QString("Deleted "));
        QCOMPARE(s.rows.cell(1, 1), QString(" "));
        QCOMPARE(s.rows.cell(0, 0), QString("a.txt"));
        QVERIFY(s.t.directories.fileExists("/d/a.txt"));
    }
    void declinedDeleteKeepsTheRow() {
        Screen s;
        s.t.directories.addFile("/d/keep me", 10);
        s.list("/d");
        s.dialogs.answers << Answer::No;
        s.click(0, "/d");
        QVERIFY(s.t.trash.moved.isEmpty());
        QCOMPARE(s.status, QStringList{"Unable to delete file keep me"});
        QCOMPARE(s.rows.cell(0, 0), QString("keep me"));
        QVERIFY(s.grid.isEnabled());
    }
    void failedMoveIsReportedNotMarked() {
        Screen s;
        s.t.directories.addFile("/d/busy", 10);
        s.list("/d");
        s.t.trash.fails = true;
        s.click(0, "/d");
        QCOMPARE(s.status, QStringList{"Unable to delete file busy"});
        QCOMPARE(s.rows.cell(0, 0), QString("busy"));
    }
    void vanishedBlankAndMarkedRowsDoNothing() {
        Screen s;
        s.t.directories.addFile("/d/gone", 1);
        s.t.directories.addFile("/d/x", 1);
        s.list("/d");
        s.t.directories.remove("/d/gone");
        s.click(0, "/d"); // vanished
        // Files really named like a blank or a marked row are never hit by such a row.
        s.t.directories.addFile("/d/ ", 1);
        s.t.directories.addFile("/d/Deleted ", 1);
        s.rows.setCell(0, 1, " ");
        s.rows.setCell(1, 1, " ");
        s.click(1, "/d");
        s.rows.setCell(0, 1, "Deleted ");
        s.click(1, "/d");
        s.click(7, "/d"); // no such row
        QVERIFY(s.dialogs.confirmations.isEmpty());
        QVERIFY(s.t.trash.moved.isEmpty());
        QVERIFY(s.status.isEmpty());
        QVERIFY(s.grid.isEnabled());
    }
    void searchGridHoldsFullPaths() {
        Screen s;
        s.t.directories.addFile("/deep/er/file.log", 5);
        s.rows.appendRow({"/deep/er/file.log", "           5", "0"});
        s.click(1, QString());
        QCOMPARE(s.t.trash.moved, QStringList{"/deep/er/file.log"});
    }
    void sendToRecycleBinNeedsAFile() {
        TestServices t;
        t.directories.addDirectory("/dir");
        QVERIFY(!SendToRecycleBin("/dir"));
        QVERIFY(!SendToRecycleBin("/missing"));
        QVERIFY(t.dialogs.confirmations.isEmpty());
    }
    void oddNamesListedAndDeletedOnARealDisk() {
        // Each listed name must send exactly its own file to the trash, however it is spelled.
        QTemporaryDir home, work;
        ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(home.path()));
        TestServices t;
        LinuxDirectoryReader reader;
        LinuxTrash trash;
        Services real = services();
        real.directories = &reader;
        real.trash = &trash;
        ScopedServices scope(real);
        const QByteArray base = QFile::encodeName(work.path());
        // U+EF80 spelled in UTF-8, and the text its per-byte escapes would give.
        const QList<QByteArray> names = {
            "README.TXT",  "readme.txt",   "tab\tand\nnewline",
            "bad\xff\xfe", " lead",        "trail ",
            "Deleted ",    "\xee\xbe\x80", "\xee\xbf\xae\xee\xbe\xbe\xee\xbe\x80"};
        for (const QByteArray& n : names) {
            FILE* fp = std::fopen((base + '/' + n).constData(), "w");
            QVERIFY(fp);
            std::fclose(fp);
        }
        GridRows rows(3);
        ScanState state;
        ListDirectory(state, rows, work.path(), ListingVariant::DirectorySpace);
        QCOMPARE(state.ScanFileCount, names.size());
        QStringList status;
        int deleted = 0;
        for (int r = 0; r < rows.rows(); ++r) {
            const QByteArray raw = encodeFileName(rows.cell(0, r));
            if (raw == "readme.txt")
                continue; // its upper-case twin must not take it along
            DeleteClickedFile(
                rows, nullptr, [&](const QString& s) { status << s; }, r, work.path());
            QCOMPARE(rows.cell(0, r), QString("Deleted "));
            QVERIFY(!reader.fileExists(decodeFileName(base + '/' + raw)));
            ++deleted;
        }
        QCOMPARE(deleted, names.size() - 1);
        QCOMPARE(status, QStringList(deleted, "File Sent to the recycle bin "));
        QStringList left;
        reader.list(work.path(), IncludeFiles, [&](const DirEntry& e) {
            left << e.name();
            return true;
        });
        QCOMPARE(left, QStringList{"readme.txt"});
        int inTrash = 0;
        reader.list(home.path() + "/Trash/files", IncludeFiles, [&](const DirEntry&) {
            ++inTrash;
            return true;
        });
        QCOMPARE(inTrash, deleted);
        QVERIFY(removeTree(home.path()));
        QVERIFY(removeTree(work.path()));
    }
    void fileGoneWhileAskedIsNotReportedSent() {
        QTemporaryDir home, work;
        ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(home.path()));
        Screen s;
        LinuxDirectoryReader reader;
        LinuxTrash trash;
        Services real = services();
        real.directories = &reader;
        real.trash = &trash;
        ScopedServices scope(real);
        QFile file(work.path() + "/brief.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        s.list(work.path());
        s.dialogs.whileAsking = [&] { QVERIFY(file.remove()); };
        s.click(0, work.path());
        QCOMPARE(s.dialogs.confirmations.size(), 1);
        QCOMPARE(s.status, QStringList{"Unable to delete file brief.txt"});
        QCOMPARE(s.rows.cell(0, 0), QString("brief.txt"));
        QVERIFY(removeTree(home.path()));
        QVERIFY(removeTree(work.path()));
    }
};

QTEST_MAIN(RecycleBinTest)
#include "recycle_bin_test.moc"
