#include "controls/GridRows.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/RecycleBin.h"
#include "platform/FileNames.h"
#include "support/TestServices.h"
#include <QWidget>
#include <QtTest>

using namespace vok;

namespace {

// The fake trash, noting whether the grid was enabled when the file was looked at for the
// question; whileAsking changes the tree just then.
struct WatchingTrash : FakeTrash {
    QWidget* grid = nullptr;
    QList<bool> gridEnabled;
    std::function<void()> whileAsking;

protected:
    std::optional<TrashSubject> identify(const QString& path) override {
        gridEnabled << (grid && grid->isEnabled());
        const auto subject = FakeTrash::identify(path);
        if (subject && whileAsking)
            whileAsking();
        return subject;
    }
};

// A listed directory on the fake tree with a grid widget and a status panel.
struct Screen {
    TestServices t;
    WatchingTrash trash;
    GridRows rows{3};
    QWidget grid;
    QStringList status;
    ScanState state;

    Screen() {
        trash.tree = &t.directories;
        trash.grid = &grid;
    }
    TrashAccess access() { return {t.directories, t.drives, trash, t.dialogs}; }
    void list(const QString& dir) {
        WorkPacer pacer({});
        ListDirectory(t.directories, state, rows, dir, ListingVariant::DirectorySpace, pacer,
                      {SortByColumn0, false});
    }
    void click(int row, const QString& baseDir) {
        DeleteClickedFile(
            access(), rows, &grid, [&](const QString& s) { status << s; }, row, baseDir);
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
        QCOMPARE(s.trash.moved, QStringList{"/d/b.txt"});
        QCOMPARE(s.trash.gridEnabled, QList<bool>{false});
        QVERIFY(s.grid.isEnabled());
        QCOMPARE(s.status, QStringList{"File Sent to the recycle bin "});
        QCOMPARE(s.rows.cell(0, 1), QString("Deleted "));
        QCOMPARE(s.rows.cell(1, 1), QString(" "));
        QCOMPARE(s.rows.cell(0, 0), QString("a.txt"));
        QVERIFY(s.t.directories.fileExists("/d/a.txt"));
        // A search grid holds full paths and no base directory.
        s.t.directories.addFile("/deep/er/file.log", 5);
        s.rows.appendRow({"/deep/er/file.log", "           5", "0"});
        s.click(2, QString());
        QCOMPARE(s.trash.moved, (QStringList{"/d/b.txt", "/deep/er/file.log"}));
    }
    // Declined, failed, or gone while the question was asked: the row stays, the screen says so.
    void declinedFailedOrGoneDeleteKeepsTheRow() {
        for (int way : {0, 1, 2}) {
            Screen s;
            s.t.directories.addFile("/d/keep me", 10);
            s.list("/d");
            if (way == 0)
                s.t.dialogs.answers << Answer::No;
            s.trash.fails = way == 1;
            if (way == 2)
                s.trash.whileAsking = [&] { QVERIFY(s.t.directories.remove("/d/keep me")); };
            s.click(0, "/d");
            QVERIFY(s.trash.moved.isEmpty());
            QCOMPARE(s.t.dialogs.confirmations.size(), 1);
            QCOMPARE(s.status, QStringList{"Unable to delete file keep me"});
            QCOMPARE(s.rows.cell(0, 0), QString("keep me"));
            QVERIFY(s.grid.isEnabled());
        }
    }
    void vanishedBlankMarkedRowsAndDirectoriesDoNothing() {
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
        // Only a file goes to the recycle bin.
        s.t.directories.addDirectory("/dir");
        QVERIFY(!SendToRecycleBin(s.access(), "/dir") && !SendToRecycleBin(s.access(), "/missing"));
        QVERIFY(s.t.dialogs.confirmations.isEmpty() && s.trash.moved.isEmpty());
        QVERIFY(s.status.isEmpty() && s.grid.isEnabled());
    }
    // Each listed name sends exactly its own file to the trash, however it is spelled.
    void oddNamesListedAndDeleted() {
        Screen s;
        // U+EF80 spelled in UTF-8, and the text its per-byte escapes would give.
        const QList<QByteArray> names = {
            "README.TXT",  "readme.txt",   "tab\tand\nnewline",
            "bad\xff\xfe", " lead",        "trail ",
            "Deleted ",    "\xee\xbe\x80", "\xee\xbf\xae\xee\xbe\xbe\xee\xbe\x80"};
        for (const QByteArray& n : names)
            s.t.directories.addFile(decodeFileName("/o/" + n), 1);
        s.list("/o");
        QCOMPARE(s.state.ScanFileCount, names.size());
        QList<QByteArray> moved;
        for (int r = 0; r < s.rows.rows(); ++r) {
            const QByteArray raw = encodeFileName(s.rows.cell(0, r));
            if (raw == "readme.txt")
                continue; // its upper-case twin must not take it along
            s.click(r, "/o");
            QCOMPARE(s.rows.cell(0, r), QString("Deleted "));
            QCOMPARE(encodeFileName(s.trash.moved.last()), "/o/" + raw);
        }
        QCOMPARE(s.trash.moved.size(), names.size() - 1);
        QCOMPARE(s.status, QStringList(names.size() - 1, "File Sent to the recycle bin "));
        QVERIFY(s.t.directories.fileExists("/o/readme.txt"));
    }
};

QTEST_MAIN(RecycleBinTest)
#include "recycle_bin_test.moc"
