#include "controls/GridRows.h"
#include "diskscreens/DirectoryTally.h"
#include "diskscreens/FindFiles.h"
#include "diskscreens/FoundFiles.h"
#include "diskscreens/ScanCells.h"
#include "platform/WildcardMask.h"
#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/LinuxDriveTable.h"
#include "support/RemoveTree.h"
#include "support/TestServices.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vok;

namespace {

// Every call of the callback as "dir|name".
struct Calls {
    QStringList seen;
    int stopAt = 0; // 1-based call that returns false; 0 never
    FileFoundCallback callback() {
        return [this](const QString& dir, const DirEntry& rec) {
            seen << dir + '|' + rec.name();
            return seen.size() != stopAt;
        };
    }
};

void addFiles(FakeDirectoryReader& fs, std::initializer_list<const char*> paths) {
    for (const char* path : paths)
        fs.addFile(path, 1);
}

// The services with the real directory reader.
Services reading(LinuxDirectoryReader& reader) {
    Services real = services();
    real.directories = &reader;
    return real;
}

} // namespace

class FindFilesTest : public QObject {
    Q_OBJECT
private slots:
    void preOrderFilesBeforeSubdirectories() {
        TestServices t;
        addFiles(t.directories, {"/d/a.txt", "/d/a_rather_long_subdirectory_name/b.txt", "/d/c.txt",
                                 "/d/a_rather_long_subdirectory_name/deeper/e", "/d/z/f",
                                 "/d/.hidden_file", "/d/.hidden_dir/never"});
        Calls calls;
        FindFiles("/d", "", calls.callback());
        QCOMPARE(calls.seen,
                 QStringList({"/d/|a.txt", "/d/|c.txt", "/d/|.hidden_file",
                              "/d/a_rather_long_subdirectory_name/|b.txt",
                              "/d/a_rather_long_subdirectory_name/deeper/|e", "/d/z/|f"}));
    }
    void rootNeedsNoSecondSeparator() {
        TestServices t;
        addFiles(t.directories, {"/top", "/etc/x"});
        Calls calls;
        FindFiles("/", "*.*", calls.callback());
        QCOMPARE(t.directories.walkedPaths, QStringList{"/"});
        QCOMPARE(calls.seen, QStringList({"/|top", "/etc/|x"}));
    }
    void maskFiltersFilesOnly() {
        TestServices t;
        // notes.sys is a directory whose name matches.
        addFiles(t.directories, {"/m/CONFIG.SYS", "/m/config.txt", "/m/notes.sys/con2.sys",
                                 "/m/other/config2.sys"});
        Calls calls;
        FindFiles("/m", "con*.sys", calls.callback());
        QCOMPARE(calls.seen, QStringList({"/m/|CONFIG.SYS", "/m/notes.sys/|con2.sys",
                                          "/m/other/|config2.sys"}));
    }
    void callbackStopsTheWalkOnItsThirdFile() {
        TestServices t;
        addFiles(t.directories, {"/s/1", "/s/x/2", "/s/x/3", "/s/x/4", "/s/y/5"});
        Calls calls;
        calls.stopAt = 3;
        FindFiles("/s", "", calls.callback());
        QCOMPARE(calls.seen, QStringList({"/s/|1", "/s/x/|2", "/s/x/|3"}));
    }
    // The working directory cwd\xFF has a twin cwd\xEF\xBF\xBD (its name read as UTF-8 with
    // U+FFFD).
    void emptyStartWalksTheCurrentDirectory() {
        TestServices t;
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QByteArray base = QFile::encodeName(QDir(tmp.path()).canonicalPath());
        for (const QByteArray& dir : {base + "/cwd\xff", base + "/cwd\xef\xbf\xbd"})
            QCOMPARE(::mkdir(dir.constData(), 0755), 0);
        for (const QByteArray& file : {base + "/cwd\xff/mine", base + "/cwd\xef\xbf\xbd/twins"})
            ::close(::open(file.constData(), O_WRONLY | O_CREAT, 0644));
        LinuxDirectoryReader reader;
        LinuxDriveTable drives;
        Services real = reading(reader);
        real.drives = &drives;
        ScopedServices scope(real);
        char saved[4096];
        QVERIFY(::getcwd(saved, sizeof saved));
        QCOMPARE(::chdir((base + "/cwd\xff").constData()), 0);
        Calls calls;
        FindFiles("", "", calls.callback());
        QCOMPARE(::chdir(saved), 0);
        QCOMPARE(calls.seen, QStringList{decodeFileName(base + "/cwd\xff/") + "|mine"});
        QVERIFY(removeTree(tmp.path()));
    }
    void searchStopsWhenAskedAndSaysSo() {
        TestServices t;
        for (int i = 0; i < 5; ++i)
            t.directories.addFile(QString("/c/f%1").arg(i), 1);
        t.directories.addFile("/c/sub/later", 1);
        Job job;
        int calls = 0;
        JobOutcome outcome = JobOutcome::Done;
        {
            Job::Run run(job);
            outcome = FindFiles(job, "/c", "", [&](const QString&, const DirEntry&) {
                if (++calls == 2)
                    job.requestCancel(); // as Esc does while input is let through
                return true;
            });
        }
        QVERIFY(outcome == JobOutcome::Cancelled);
        QCOMPARE(calls, 2);
        QVERIFY(t.dialogs.messages.isEmpty()); // the screen shows it
        QVERIFY(!job.busy());
        QVERIFY(!job.cancelRequested());
        Job::Run again(job);
        QVERIFY(FindFiles(job, "/c", "", [](const QString&, const DirEntry&) { return true; }) ==
                JobOutcome::Done);
    }
    void progressHookRunsWhileTheWalkWorks() {
        TestServices t;
        for (int i = 0; i < 400; ++i)
            t.directories.addFile(QString("/p/f%1").arg(i), 1);
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longestGap = 0;
        int hooks = 0;
        FindFiles(
            "/p", "",
            [&](const QString&, const DirEntry&) {
                QThread::usleep(1000);
                return true;
            },
            [&] {
                ++hooks;
                longestGap = std::max(longestGap, clock.elapsed() - last);
                last = clock.elapsed();
            });
        QVERIFY2(hooks >= 3, qPrintable(QString::number(hooks)));
        QVERIFY2(longestGap < 150, qPrintable(QString::number(longestGap)));
    }
    void tallySumsEachDirectoryOnItsOwn() {
        TestServices t;
        const qint64 mb = 1048576;
        t.directories.addDirectory("/data");
        t.directories.addFile("/data/old/x", 2 * mb);
        for (int i = 0; i < 3; ++i)
            t.directories.addFile(QString("/data/f%1").arg(i), mb);
        QStringList dirs;
        DirectoryTally tally([&](const QString& dir, qint64 bytes, int files) {
            dirs << QString("%1 %2 %3").arg(dir).arg(bytes / mb).arg(files);
        });
        FindFiles("/data", "*.*",
                  [&](const QString& d, const DirEntry& r) { return tally.add(d, r); });
        tally.finish();
        QCOMPARE(dirs, QStringList({"/data/ 3 3", "/data/old/ 2 1"}));
        QCOMPARE(tally.fileCount(), 4);
        QCOMPARE(tally.directoryCount(), 2);
        QCOMPARE(tally.grandTotal(), 5 * mb);
    }

    // Found rows on a real tree keep every byte of the path, and the cheaper rows of a walk read
    // back byte for byte as the plain ones: names that are not UTF-8, that hold a character
    // standing for a byte, a byte order mark, a newline, blanks.
    void sharedDirectoryRowsEqualPlainRows() {
        TestServices t;
        QTemporaryDir tmp;
        const QByteArray base = QFile::encodeName(tmp.path());
        const QList<QByteArray> names = {"plain.txt",
                                         "new\nline",
                                         "bad\xff",
                                         "\xee\xbe\x80.txt",
                                         "\xef\xbb\xbf"
                                         "bom",
                                         "\xc3\xa9t\xc3\xa9",
                                         " blanks ",
                                         "Mixed.Case"};
        qint64 want = 0;
        QList<QByteArray> expected;
        for (const QByteArray& dir : {QByteArray("/one"), QByteArray("/t\xffwo")}) {
            QVERIFY(::mkdir((base + dir).constData(), 0755) == 0);
            for (int i = 0; i < names.size(); ++i) {
                const int fd =
                    ::open((base + dir + '/' + names[i]).constData(), O_WRONLY | O_CREAT, 0644);
                QVERIFY(fd >= 0);
                QVERIFY(::ftruncate(fd, i * 1000) == 0);
                ::close(fd);
                want += i * 1000;
                expected << base + dir + '/' + names[i];
            }
        }
        LinuxDirectoryReader reader;
        ScopedServices scope(reading(reader));
        GridRows plain(4), shared(4);
        qint64 plainTotal = 0, sharedTotal = 0;
        plain.setCell(2, 0, QStringLiteral("0"));
        shared.setCell(2, 0, QStringLiteral("0"));
        Job job;
        FindFiles(job, tmp.path(), "*.*", [&](const QString& d, const DirEntry& rec) {
            return AddFoundFile(plain, plainTotal, d, rec);
        });
        {
            FoundFileRows rows(shared, sharedTotal);
            FindFiles(job, tmp.path(), "*.*",
                      [&](const QString& d, const DirEntry& rec) { return rows.add(d, rec); });
        }
        QCOMPARE(shared.rows(), 1 + 2 * names.size());
        QCOMPARE(plainTotal, want);
        QCOMPARE(sharedTotal, want);
        QList<QByteArray> paths;
        for (int r = 1; r < shared.rows(); ++r) {
            for (int c = 0; c < 4; ++c)
                QCOMPARE(shared.cell(c, r), plain.cell(c, r));
            QCOMPARE(plain.cell(2, r), QString::number(r));
            QVERIFY(reader.fileExists(shared.cell(0, r)));
            paths << encodeFileName(plain.cell(0, r));
        }
        std::sort(paths.begin(), paths.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(paths, expected);
        QVERIFY(removeTree(tmp.path()));
    }

    // What the directory marks as a file or link and the mask rejects is never read; a
    // directory is read and entered whatever its name.
    void rejectedFilesAreNotRead() {
        QTemporaryDir tmp;
        const QByteArray base = QFile::encodeName(tmp.path());
        for (const char* name : {"/a.txt", "/B.TXT", "/c.dat", "/d.log"})
            ::close(::open((base + name).constData(), O_WRONLY | O_CREAT, 0644));
        QVERIFY(::mkdir((base + "/sub.dat").constData(), 0755) == 0);
        ::close(::open((base + "/sub.dat/e.txt").constData(), O_WRONLY | O_CREAT, 0644));
        QVERIFY(::symlink("a.txt", (base + "/link.dat").constData()) == 0);
        struct Visitor : WalkVisitor {
            WildcardMask mask{QStringLiteral("*.txt")};
            QStringList asked, reported;
            bool wants(QByteArrayView raw) override {
                asked << decodeFileName(raw);
                return mask.matchesFileName(raw);
            }
            bool entry(const DirEntry& e) override {
                reported << e.name();
                return true;
            }
            bool entersDirectory(const DirEntry&) override { return true; }
            void enter(const QByteArray&) override {}
            void leave() override {}
        } visitor;
        LinuxDirectoryReader reader;
        QVERIFY(reader.walk(tmp.path(), visitor));
        visitor.asked.sort();
        visitor.reported.sort();
        if (visitor.asked.isEmpty())
            QSKIP("this file system gives no entry types; every entry is read");
        QCOMPARE(visitor.asked,
                 QStringList({"B.TXT", "a.txt", "c.dat", "d.log", "e.txt", "link.dat"}));
        QCOMPARE(visitor.reported, QStringList({"B.TXT", "a.txt", "e.txt", "sub.dat"}));
    }
};

QTEST_MAIN(FindFilesTest)
#include "find_files_test.moc"
