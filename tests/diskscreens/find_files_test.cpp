#include "controls/GridRows.h"
#include "diskscreens/FindFiles.h"
#include "diskscreens/FoundFiles.h"
#include "platform/FileNames.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

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

} // namespace

class FindFilesTest : public QObject {
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
        FindFiles(
            w.t.directories, w.t.drives, w.job, "/r", "*.*",
            [&](const QString& d, const DirEntry& rec) {
                return AddFoundFile(plain, plainTotal, d, rec);
            },
            pacer);
        {
            FoundFileRows rows(shared, sharedTotal);
            FindFiles(
                w.t.directories, w.t.drives, w.job, "/r", "*.*",
                [&](const QString& d, const DirEntry& rec) { return rows.add(d, rec); }, pacer);
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
};

QTEST_MAIN(FindFilesTest)
#include "find_files_test.moc"
