#include "controls/GridRows.h"
#include "diskscreens/FindFiles.h"
#include "diskscreens/FoundFiles.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/RecycleBin.h"
#include "diskscreens/SizeCellText.h"
#include "platform/FileNames.h"
#include "support/GridColumn.h"
#include "support/TestServices.h"
#include <QWidget>
#include <QtTest>

using namespace vok;
using test::column;

namespace {

// A walk of the fake tree with every call of the callback as "dir|name".
struct Walk {
    TestServices t;
    Job job;
    QStringList seen;
    int stopAt = 0; // 1-based call that returns false; 0 never

    JobOutcome run(const QString& start, const QString& mask, ProgressHook hook = {},
                   const WorkPacer::Timing& timing = {}) {
        WorkPacer pacer(std::move(hook), timing);
        return FindFiles(
            t.directories, t.drives, job, start, mask,
            [this](const QString& dir, const DirEntry& rec) {
                seen << dir + '|' + rec.name();
                return seen.size() != stopAt;
            },
            pacer);
    }
};

void list(TestServices& t, ScanState& s, GridRows& grid, const QString& dir, ListingVariant variant,
          ListingSort first = {}, const std::function<void(const QString&)>& setCaption = {}) {
    WorkPacer pacer({});
    ListDirectory(t.directories, s, grid, dir, variant, pacer, first, setCaption);
}

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
struct ListingScreen {
    TestServices t;
    WatchingTrash trash;
    GridRows rows{3};
    QWidget grid;
    QStringList status;
    ScanState state;

    ListingScreen() {
        trash.tree = &t.directories;
        trash.grid = &grid;
    }
    TrashAccess access() { return {t.directories, t.drives, trash, t.dialogs}; }
    void list(const QString& dir) {
        ::list(t, state, rows, dir, ListingVariant::DirectorySpace, {SortByColumn0, false});
    }
    void click(int row, const QString& baseDir) {
        DeleteClickedFile(
            access(), rows, &grid, [&](const QString& s) { status << s; }, row, baseDir);
    }
};

} // namespace

class ListingsTest : public QObject {
    Q_OBJECT
private slots:
    // Pre-order, a directory's files before its subdirectories; hidden files reported, hidden
    // directories not entered; the mask filters files only; the callback may stop the walk.
    void walksAsShown() {
        // Paths and calls separated by ";", as stored: bytes that are not UTF-8 stand for
        // themselves. The working directory cwd\xFF has a twin cwd\xEF\xBF\xBD (read as UTF-8);
        // notes.sys is a directory whose name matches.
        const struct {
            const char *what, *files, *start, *mask;
            int stopAt;
            const char *seen, *walked;
        } cases[]{
            {"files first, then subdirectories",
             "/d/a.txt;/d/a_rather_long_subdirectory_name/b.txt;/d/c.txt;"
             "/d/a_rather_long_subdirectory_name/deeper/e;/d/z/f;/d/.hidden_file;"
             "/d/.hidden_dir/never",
             "/d", "", 0,
             "/d/|a.txt;/d/|c.txt;/d/|.hidden_file;/d/a_rather_long_subdirectory_name/|b.txt;"
             "/d/a_rather_long_subdirectory_name/deeper/|e;/d/z/|f",
             "/d/"},
            {"the root needs no second separator", "/top;/etc/x", "/", "*.*", 0, "/|top;/etc/|x",
             "/"},
            {"the mask filters files only",
             "/m/CONFIG.SYS;/m/config.txt;/m/notes.sys/con2.sys;/m/other/config2.sys", "/m",
             "con*.sys", 0, "/m/|CONFIG.SYS;/m/notes.sys/|con2.sys;/m/other/|config2.sys", "/m/"},
            {"the callback stops the walk on its third file", "/s/1;/s/x/2;/s/x/3;/s/x/4;/s/y/5",
             "/s", "", 3, "/s/|1;/s/x/|2;/s/x/|3", "/s/"},
            {"an empty start walks the working directory",
             "/w/cwd\xff/mine;/w/cwd\xef\xbf\xbd/twins", "", "", 0, "/w/cwd\xff/|mine",
             "/w/cwd\xff/"},
        };
        const auto split = [](const char* raw) {
            QStringList out;
            for (const QByteArray& part : QByteArray(raw).split(';'))
                out << decodeFileName(part);
            return out;
        };
        for (const auto& c : cases) {
            Walk w;
            for (const QString& path : split(c.files))
                w.t.directories.addFile(path, 1);
            w.t.drives.workingDirectory = decodeFileName("/w/cwd\xff");
            w.stopAt = c.stopAt;
            QVERIFY2(w.run(c.start, c.mask) == JobOutcome::Done, c.what);
            QVERIFY2(w.seen == split(c.seen), c.what);
            QVERIFY2(w.t.directories.walkedPaths == QStringList{decodeFileName(c.walked)}, c.what);
        }
    }

    void searchStopsWhenAskedAndSaysSo() {
        Walk w;
        for (int i = 0; i < 5; ++i)
            w.t.directories.addFile(QString("/c/f%1").arg(i), 1);
        w.t.directories.addFile("/c/sub/later", 1);
        JobOutcome outcome = JobOutcome::Done;
        {
            Job::Run run(w.job);
            // As Esc let through after the first file does: the walk stops after the next.
            w.t.directories.afterEntry = [&] {
                if (w.seen.size() == 1)
                    w.job.requestCancel();
            };
            outcome = w.run("/c", "");
        }
        QVERIFY(outcome == JobOutcome::Cancelled);
        QCOMPARE(w.seen.size(), 2);
        QVERIFY(w.t.dialogs.messages.isEmpty()); // the screen shows it
        QVERIFY(!w.job.busy() && !w.job.cancelRequested());
        w.t.directories.afterEntry = {};
        Job::Run again(w.job);
        QVERIFY(w.run("/c", "") == JobOutcome::Done);
    }

    // On a clock that moves one tick a file, the hook runs between two files as soon as the
    // interval (ten ticks) has passed: the walk reads the clock at every step of its stride.
    void progressHookRunsWhileTheWalkWorks() {
        Walk w;
        for (int i = 0; i < 100; ++i)
            w.t.directories.addFile(QString("/p/f%1").arg(i), 1);
        qint64 ticks = 0;
        w.t.directories.afterEntry = [&] { ++ticks; };
        QList<qint64> ranAt;
        w.run("/p", "", [&] { ranAt << ticks; }, {10, 1, 1, [&] { return ticks; }});
        QCOMPARE(ranAt, (QList<qint64>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    }

    // The cheaper rows of a walk read back byte for byte as the plain ones: names that are not
    // UTF-8, that hold a character standing for a byte, a byte order mark, a newline, blanks.
    void sharedDirectoryRowsEqualPlainRows() {
        Walk w;
        const QList<QByteArray> names = {"plain.txt",        "new\nline",       "bad\xff",
                                         "\xee\xbe\x80.txt", "\357\273\277bom", "\xc3\xa9t\xc3\xa9",
                                         " blanks ",         "Mixed.Case"};
        qint64 want = 0;
        QList<QByteArray> expected;
        for (const QByteArray& dir : {QByteArray("/r/one"), QByteArray("/r/t\xffwo")})
            for (int i = 0; i < names.size(); ++i) {
                w.t.directories.addFile(decodeFileName(dir + '/' + names[i]), i * 1000);
                want += i * 1000;
                expected << dir + '/' + names[i];
            }
        GridRows plain(4), shared(4);
        qint64 plainTotal = 0, sharedTotal = 0;
        plain.setCell(2, 0, QStringLiteral("0"));
        shared.setCell(2, 0, QStringLiteral("0"));
        WorkPacer pacer({});
        const auto find = [&](const auto& add) {
            FindFiles(w.t.directories, w.t.drives, w.job, "/r", "*.*", add, pacer);
        };
        find([&](const QString& d, const DirEntry& e) {
            return AddFoundFile(plain, plainTotal, d, e);
        });
        {
            FoundFileRows rows(shared, sharedTotal);
            find([&](const QString& d, const DirEntry& e) { return rows.add(d, e); });
        }
        QCOMPARE(shared.rows(), 1 + 2 * names.size());
        QCOMPARE(plainTotal, want);
        QCOMPARE(sharedTotal, want);
        QList<QByteArray> paths;
        for (int r = 1; r < shared.rows(); ++r) {
            for (int c = 0; c < 4; ++c)
                QCOMPARE(shared.cell(c, r), plain.cell(c, r));
            QCOMPARE(plain.cell(2, r), QString::number(r));
            paths << encodeFileName(plain.cell(0, r));
        }
        QCOMPARE(paths, expected);
    }

    void sizeCells() {
        QCOMPARE(SizeCellText(1234), QString(8, ' ') + "1234");
        QCOMPARE(SizeCellText(0), QString(11, ' ') + "0");
        QCOMPARE(SizeCellText(999'999'999'999), QString("999999999999"));
        QCOMPARE(SizeCellText(5'000'000'000'000), QString("5000000000000")); // grows, not cut
        QCOMPARE(SizeCellText(5'000'000'000), QString("  5000000000"));      // no 32-bit wrap
    }
    void rootListedWithoutDoubledSeparatorAMissingDirectoryEmpty() {
        TestServices t;
        t.directories.addFile("/only.txt", 10);
        GridRows grid(3);
        ScanState s;
        QString caption;
        list(t, s, grid, "/", ListingVariant::DirectorySpace, {},
             [&](const QString& c) { caption = c; });
        QCOMPARE(t.directories.walkedPaths, QStringList{"/"});
        QCOMPARE(caption, QString("Directory /"));
        QCOMPARE(s.LastListedDir, QString("/"));
        // One file alone is listed as a row of its own.
        QCOMPARE(grid.rows(), 1);
        QCOMPARE(s.ScanFileCount, 1);
        QCOMPARE(s.ScanByteTotal, 10);
        QCOMPARE(grid.cell(0, 0) + grid.cell(1, 0) + grid.cell(2, 0),
                 "only.txt" + SizeCellText(10) + "1");
        // A missing directory gives an empty listing under its caption.
        list(t, s, grid, "/home", ListingVariant::DirectorySpace, {},
             [&](const QString& c) { caption = c; });
        QCOMPARE(t.directories.walkedPaths.last(), QString("/home/"));
        QCOMPARE(s.ScanFileCount, 0);
        QCOMPARE(caption, QString("Directory /home"));
    }
    void countsAndTotalsExactWhenListedTwiceNamesKeptExactly() {
        TestServices t;
        const qint64 sizes[] = {1, 4'294'967'296LL, 3'000'000'000LL, 0, 12345};
        qint64 sum = 0;
        for (int i = 0; i < 5; ++i) {
            t.directories.addFile(QString("/five/f%1").arg(i), sizes[i]);
            sum += sizes[i];
        }
        GridRows grid(3);
        grid.setRows(7); // stale rows from a longer listing go
        grid.setCell(0, 6, "stale");
        ScanState s;
        for (int round = 0; round < 2; ++round) {
            list(t, s, grid, "/five", ListingVariant::DirectorySpace);
            QCOMPARE(s.ScanFileCount, 5);
            QCOMPARE(s.ScanByteTotal, sum);
            QCOMPARE(grid.rows(), 5);
        }
        // The first sort is by size, largest first; positions still count from the top.
        QCOMPARE(column(grid, 0), QStringList({"f1", "f2", "f4", "f0", "f3"}));
        QCOMPARE(column(grid, 1), QStringList({SizeCellText(sizes[1]), SizeCellText(sizes[2]),
                                               SizeCellText(sizes[4]), SizeCellText(sizes[0]),
                                               SizeCellText(sizes[3])}));
        QCOMPARE(column(grid, 2), QStringList({"1", "2", "3", "4", "5"}));
        // Names kept exactly; hidden and system files listed, directories not.
        qint64 bytes = 0;
        for (const char* name : {"README.TXT", "readme.txt", " padded name ", ".hidden"})
            t.directories.addFile(QString("/d/") + name, ++bytes);
        t.directories.addFile("/d/dev", 5, AttrSystem);
        t.directories.addDirectory("/d/subdir");
        t.directories.addFile("/d/subdir/inner", 6);
        list(t, s, grid, "/d", ListingVariant::DirectorySpace, {SortByColumn0, false});
        QCOMPARE(column(grid, 0),
                 QStringList({" padded name ", ".hidden", "README.TXT", "dev", "readme.txt"}));
        QCOMPARE(s.ScanByteTotal, 15);
    }
    // The tree's listing sorts by size, largest first, whatever first sort is asked for; a
    // directory listed after a longer one leaves its rows blank.
    void treeSortsBySizeAndAnEmptyDirectoryLeavesBlankRows() {
        for (auto variant : {ListingVariant::DirectorySpace, ListingVariant::DirectoryTree}) {
            const bool tree = variant == ListingVariant::DirectoryTree;
            TestServices t;
            for (int i = 0; i < 4; ++i)
                t.directories.addFile(QString("/full/f%1").arg(i), i + 1);
            t.directories.addDirectory("/empty");
            GridRows grid(tree ? 2 : 3);
            ScanState s;
            list(t, s, grid, "/full", variant, {SortByColumn0, false});
            QStringList names, sizes; // the sizes travel with their names
            for (int i : tree ? QList<int>{3, 2, 1, 0} : QList<int>{0, 1, 2, 3}) {
                names << QString("f%1").arg(i);
                sizes << SizeCellText(i + 1);
            }
            QCOMPARE(column(grid, 0), names);
            QCOMPARE(column(grid, 1), sizes);
            list(t, s, grid, "/empty", variant);
            QCOMPARE(grid.rows(), 4);
            for (int c = 0; c < grid.columns(); ++c)
                QCOMPARE(column(grid, c), QStringList(4, " "));
            QCOMPARE(s.ScanFileCount, 0);
            QCOMPARE(s.ScanByteTotal, 0);
            QCOMPARE(s.LastListedDir, QString("/empty"));
        }
    }

    void confirmedDeleteMarksTheRow() {
        ListingScreen s;
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
            ListingScreen s;
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
        ListingScreen s;
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
        ListingScreen s;
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

QTEST_MAIN(ListingsTest)
#include "listings_test.moc"
