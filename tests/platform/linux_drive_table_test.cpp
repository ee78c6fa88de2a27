#include "platform/FileNames.h"
#include "platform/linux/LinuxDriveTable.h"
#include "support/RemoveTree.h"
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <condition_variable>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace vok;
using namespace std::chrono_literals;

namespace {

class NoRemovables : public DeviceProbe {
public:
    bool isRemovable(const MountEntry&) override { return false; }
};

// A mount that does not answer until the test opens the gate.
struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    std::atomic<int> started{0};
    std::atomic<int> finished{0};
    void release() {
        std::lock_guard lock(mutex);
        open = true;
        opened.notify_all();
    }
};

SpaceQuery hangingAt(const QString& deadMount, std::shared_ptr<Gate> gate) {
    return [deadMount, gate](const QString& mountPoint) {
        if (mountPoint != deadMount)
            return DriveSpace{100, 200};
        ++gate->started;
        std::unique_lock lock(gate->mutex);
        gate->opened.wait(lock, [&] { return gate->open; });
        ++gate->finished;
        return DriveSpace{1, 2};
    };
}

LinuxDriveTable tableOf(const QByteArray& text, SpaceQuery query = statvfsSpace,
                        std::chrono::milliseconds limit = 2s) {
    return LinuxDriveTable([text] { return text; }, std::move(query), limit,
                           std::make_unique<NoRemovables>());
}

const QByteArray withNas = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                           "2 1 0:60 / /mnt/nas rw - nfs4 nas:/x rw\n";

// Restores the working directory the tests change.
struct KeepWorkingDirectory {
    QString saved = QDir::currentPath();
    ~KeepWorkingDirectory() { QDir::setCurrent(saved); }
};

} // namespace

class LinuxDriveTableTest : public QObject {
    Q_OBJECT
private slots:
    void hangingMountGivesUpAfterTheLimit() {
        auto gate = std::make_shared<Gate>();
        LinuxDriveTable table = tableOf(withNas, hangingAt("/mnt/nas", gate));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!table.space('D').ready());
        const qint64 first = clock.elapsed();
        QVERIFY2(first >= 1900 && first < 3500, qPrintable(QString::number(first)));

        // Asked again while the first query still hangs: answers at once, starts nothing new.
        clock.restart();
        QVERIFY(!table.space('d').ready());
        QVERIFY(!table.space('D').ready());
        QVERIFY(clock.elapsed() < 200);
        QCOMPARE(gate->started.load(), 1);

        // Other drives are not held up by the dead one.
        const DriveSpace c = table.space('C');
        QCOMPARE(c.freeBytes, 100);
        QCOMPARE(c.totalBytes, 200);

        // Once the mount answers, the next question is asked afresh.
        gate->release();
        QTRY_COMPARE(gate->finished.load(), 1);
        const DriveSpace d = table.space('D');
        QCOMPARE(d.freeBytes, 1);
        QCOMPARE(d.totalBytes, 2);
    }

    void tableCanGoWhileAQueryHangs() {
        auto gate = std::make_shared<Gate>();
        {
            LinuxDriveTable table = tableOf(withNas, hangingAt("/mnt/nas", gate), 50ms);
            QVERIFY(!table.space('D').ready());
        }
        // The worker outlives the table and must not touch it when it finally returns.
        gate->release();
        QTRY_COMPARE(gate->finished.load(), 1);
    }

    void processCanEndWhileAQueryHangs() {
        // Left hanging on purpose: the test program exits with this worker still blocked.
        auto gate = std::make_shared<Gate>();
        static LinuxDriveTable table = tableOf(withNas, hangingAt("/mnt/nas", gate), 50ms);
        QVERIFY(!table.space('D').ready());
        QCOMPARE(gate->started.load(), 1);
    }

    void unknownLetterAndVanishedMountAreNotReady() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray text = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                "2 1 8:2 / " +
                                QFile::encodeName(dir.path()) + " rw - ext4 /dev/sda2 rw\n";
        LinuxDriveTable table = tableOf(text);
        QVERIFY(table.space('D').ready());
        QVERIFY(!table.space('Q').ready());
        QCOMPARE(table.space('Q').freeBytes, -1);
        // The table still lists it but the directory is gone.
        QVERIFY(dir.remove());
        const DriveSpace gone = table.space('D');
        QCOMPARE(gone.freeBytes, -1);
        QCOMPARE(gone.totalBytes, -1);
    }

    void driveOfPathTakesTheLongestMountPoint() {
        LinuxDriveTable table = tableOf("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                        "2 1 8:2 / /home rw - ext4 /dev/sda2 rw\n"
                                        "3 2 8:3 / /home/me/music rw - ext4 /dev/sda3 rw\n");
        QCOMPARE(table.driveOfPath("/"), QChar('C'));
        QCOMPARE(table.driveOfPath("/etc/passwd"), QChar('C'));
        QCOMPARE(table.driveOfPath("/home"), QChar('D'));
        QCOMPARE(table.driveOfPath("/home/"), QChar('D'));
        QCOMPARE(table.driveOfPath("/homework"), QChar('C'));
        QCOMPARE(table.driveOfPath("/home/me/music/a b.mp3"), QChar('E'));
        QCOMPARE(table.driveOfPath("/home/me/musicals"), QChar('D'));
    }

    void currentDirectoryStartsAtRootOrWorkingDirectory() {
        KeepWorkingDirectory keep;
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString work = QDir(tmp.path()).canonicalPath();
        QVERIFY(QDir(work).mkpath("sub"));
        const QByteArray text = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                "2 1 8:2 / " +
                                QFile::encodeName(work) + " rw - ext4 /dev/sda2 rw\n";
        QVERIFY(QDir::setCurrent(work + "/sub"));
        LinuxDriveTable table = tableOf(text);
        QCOMPARE(table.currentDirectory('C'), QString("/"));
        QCOMPARE(table.currentDirectory('d'), work + "/sub");
        QVERIFY(table.currentDirectory('Q').isEmpty());

        // Moving to another drive changes the process's directory and that drive's only.
        QVERIFY(table.changeDirectory("/"));
        QCOMPARE(QDir::currentPath(), QString("/"));
        QCOMPARE(table.currentDirectory('C'), QString("/"));
        QCOMPARE(table.currentDirectory('D'), work + "/sub");
        QVERIFY(table.changeDirectory(work));
        QCOMPARE(table.currentDirectory('D'), work);
        QCOMPARE(QDir::currentPath(), work);

        // A link on C to a folder on D moves D's current directory, not C's.
        const QString link =
            QDir::cleanPath(tmp.path() + "/../vok-link-" + QString::number(getpid()));
        QVERIFY(QFile::link(work + "/sub", link));
        const bool moved = table.changeDirectory(link);
        QFile::remove(link);
        QVERIFY(moved);
        QCOMPARE(table.currentDirectory('D'), work + "/sub");
        QCOMPARE(table.currentDirectory('C'), QString("/"));

        QVERIFY(!table.changeDirectory(work + "/no such folder"));
        QCOMPARE(QDir::currentPath(), work + "/sub");
        QCOMPARE(table.currentDirectory('D'), work + "/sub");
    }

    // Qt's currentPath would read cwd\xFF as cwd\uFFFD, whose bytes name the twin folder.
    void workingDirectoryAndMountPointsKeepTheirBytes() {
        KeepWorkingDirectory keep;
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QByteArray base = QFile::encodeName(QDir(tmp.path()).canonicalPath());
        const QByteArray bad = base + "/cwd\xff";
        const QByteArray twin = base + "/cwd\xef\xbf\xbd";
        QCOMPARE(::mkdir(bad.constData(), 0755), 0);
        QCOMPARE(::mkdir(twin.constData(), 0755), 0);
        QCOMPARE(::chdir(bad.constData()), 0);
        const QByteArray text = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                "2 1 0:99 / " +
                                bad + " rw - tmpfs tmpfs rw\n";
        LinuxDriveTable table = tableOf(text);
        QCOMPARE(encodeFileName(table.currentPath()), bad);
        QCOMPARE(table.driveOfPath(table.currentPath()), QChar('D'));
        QCOMPARE(encodeFileName(table.currentDirectory('D')), bad);
        QVERIFY(table.changeDirectory(table.currentDirectory('D')));
        char here[4096];
        QVERIFY(::getcwd(here, sizeof here));
        QCOMPARE(QByteArray(here), bad);

        QVERIFY(::rmdir(twin.constData()) == 0);
        QVERIFY(statvfsSpace(decodeFileName(bad)).ready()); // no twin to answer in its place
        QVERIFY(removeTree(tmp.path()));
    }

    void realDriveCIsTheRootAndAgreesWithDf() {
        LinuxDriveTable table;
        Drive c;
        QVERIFY(table.find('c', &c));
        QCOMPARE(c.mountPoint, QString("/"));
        QVERIFY(c.type != DriveType::None);

        QProcess df;
        df.start("df", {"-B1", "--output=avail,size", "/"});
        const DriveSpace space = table.space('C');
        QVERIFY(df.waitForFinished(10000));
        QCOMPARE(df.exitCode(), 0);
        const QStringList lines =
            QString::fromLocal8Bit(df.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QStringList figures = lines[1].simplified().split(' ');
        QCOMPARE(figures.size(), 2);
        const qint64 avail = figures[0].toLongLong();
        const qint64 size = figures[1].toLongLong();
        QVERIFY(size > 0);
        QCOMPARE(space.totalBytes, size);
        // Other programs write while both look; allow 64 Mb of drift.
        QVERIFY2(qAbs(space.freeBytes - avail) <= 64 * 1048576,
                 qPrintable(QString("%1 vs %2").arg(space.freeBytes).arg(avail)));
    }

    void realTableListsTheMachinesDataMounts() {
        LinuxDriveTable table;
        const QList<Drive> drives = table.drives();
        const QList<MountEntry> entries = parseMountInfo(readMountInfo());
        QVERIFY(!drives.isEmpty());
        QChar previous;
        for (const Drive& d : drives) {
            QVERIFY(d.letter > previous); // ordered, each letter once
            previous = d.letter;
            const bool mounted =
                std::any_of(entries.begin(), entries.end(), [&](const MountEntry& e) {
                    return e.mountPoint == d.mountPoint && e.source == d.device;
                });
            QVERIFY2(mounted, qPrintable(d.mountPoint));
            QVERIFY(!d.mountPoint.startsWith("/proc") && !d.mountPoint.startsWith("/sys"));
        }
        // The same table read twice gives the same letters.
        const QList<Drive> again = table.drives();
        QCOMPARE(again.size(), drives.size());
        for (int i = 0; i < drives.size(); ++i)
            QCOMPARE(again[i].letter, drives[i].letter);
        // The working directory lies on some drive.
        QVERIFY(!table.driveOfPath(QDir::currentPath()).isNull());
    }
};

QTEST_MAIN(LinuxDriveTableTest)
#include "linux_drive_table_test.moc"
