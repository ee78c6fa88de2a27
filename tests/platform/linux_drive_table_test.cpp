#include "platform/FileNames.h"
#include "platform/linux/DriveRules.h"
#include "platform/linux/LinuxDriveTable.h"
#include "platform/linux/MountInfo.h"
#include "support/RemoveTree.h"
#include "support/ServiceContracts.h"
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
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

// Sysfs as the tests want it: the sources named here are removable or on USB.
class FakeProbe : public DeviceProbe {
public:
    bool isRemovable(const MountEntry& entry) override { return removable.contains(entry.source); }
    QStringList removable;
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
                           std::make_unique<FakeProbe>());
}

using Figures = std::pair<qint64, qint64>;
Figures figures(const DriveSpace& s) {
    return {s.freeBytes, s.totalBytes};
}

// The root and an ext4 drive D at point.
QByteArray withD(const QByteArray& point) {
    return "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 8:2 / " + point + " rw - ext4 /dev/sda2 rw\n";
}

const QByteArray withNas = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                           "2 1 0:60 / /mnt/nas rw - nfs4 nas:/x rw\n";

// Restores the working directory the tests change.
struct KeepWorkingDirectory {
    QString saved = QDir::currentPath();
    ~KeepWorkingDirectory() { QDir::setCurrent(saved); }
};

// The contract's mounts as a mount table of real folders in a temporary folder.
class LinuxFixture : public DriveFixture {
public:
    void mount(const QStringList& folders, const QString& workingDir) override {
        QByteArray text = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";
        int n = 1;
        for (const QString& folder : folders) {
            QVERIFY(QDir().mkpath(path(folder) + "/sub"));
            const QByteArray id = QByteArray::number(++n);
            text += id + " 1 8:" + id + " / " + QFile::encodeName(path(folder)) +
                    " rw - ext4 /dev/sda" + id + " rw\n";
        }
        QVERIFY(QDir::setCurrent(path(workingDir)));
        table_ = std::make_unique<LinuxDriveTable>([text] { return text; }, statvfsSpace, 2s,
                                                   std::make_unique<FakeProbe>());
    }
    DriveTable& table() override { return *table_; }
    QString root() const override { return root_; }

private:
    KeepWorkingDirectory keep_;
    QTemporaryDir tmp_;
    QString root_ = QFileInfo(tmp_.path()).canonicalFilePath();
    std::unique_ptr<LinuxDriveTable> table_;
};

// A laptop with the usual clutter of pseudo file systems around its data.
const QByteArray desktop = R"(21 1 0:20 / /proc rw - proc proc rw
22 1 0:21 / /sys rw - sysfs sysfs rw
23 1 0:5 / /dev rw - devtmpfs udev rw
24 23 0:22 / /dev/shm rw - tmpfs tmpfs rw
25 1 0:23 / /run rw - tmpfs tmpfs rw
26 25 0:24 / /run/user/1000 rw - tmpfs tmpfs rw
1 0 259:2 / / rw - ext4 /dev/nvme0n1p2 rw
27 1 259:3 / /home rw - ext4 /dev/nvme0n1p3 rw
28 22 0:25 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw
29 1 0:26 / /tmp rw - tmpfs tmpfs rw
30 1 7:1 / /snap/core22/1033 ro - squashfs /dev/loop1 ro
31 1 7:2 / /snap/firefox/4100 ro - squashfs /dev/loop2 ro
32 26 0:50 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw
33 1 259:3 / /srv/home-again rw - ext4 /dev/nvme0n1p3 rw
34 1 259:3 /me/data /srv/data rw - ext4 /dev/nvme0n1p3 rw
35 1 0:60 / /mnt/nas rw - nfs4 nas:/export rw
36 25 8:17 / /run/media/me/STICK rw - vfat /dev/sdb1 rw
37 1 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro
38 1 2:0 / /media/floppy rw - vfat /dev/fd0 rw
39 1 0:61 / /home/me/remote rw - fuse.sshfs me@host:/ rw
40 1 252:0 / /mnt/zram rw - ext4 /dev/zram0 rw
41 1 0:62 / /mnt/scratch rw - ramfs ramfs rw
42 1 0:63 / /proc/sys/fs/binfmt_misc rw - binfmt_misc binfmt_misc rw
43 1 8:32 / /media/dvd ro - udf /dev/sdc ro
44 1 11:1 / /media/sr1 ro - vfat /dev/sr1 ro
45 1 0:64 / /running rw - tmpfs tmpfs rw
46 25 0:65 / /run/lock rw - tmpfs tmpfs rw
47 1 0:66 / /proc/x rw - tmpfs tmpfs rw
)";

QStringList mountPoints(const QList<Drive>& drives) {
    QStringList out;
    for (const Drive& d : drives)
        out << QString(d.letter) + "=" + d.mountPoint;
    return out;
}

Drive driveAt(const QList<Drive>& drives, const QString& mountPoint) {
    for (const Drive& d : drives)
        if (d.mountPoint == mountPoint)
            return d;
    return {};
}

// The drives a fresh set of letters makes of a mount table.
QList<Drive> assigned(const QByteArray& table, const QStringList& removable = {}) {
    FakeProbe probe;
    probe.removable = removable;
    return DriveLetters().assign(parseMountInfo(table), probe);
}

} // namespace

// The mount table, the drives lettered from it, and the drive table over them.
class LinuxDriveTableTest : public QObject {
    Q_OBJECT
private slots:
    void contract_data() { addContractRows(driveContract()); }
    void contract() { runContractRow<LinuxFixture>(driveContract(), fakeDriveFixture); }

    // The gate stays shut, so an answer at all means the query gave up.
    void hangingMountGivesUpAfterTheLimit() {
        auto gate = std::make_shared<Gate>();
        LinuxDriveTable table = tableOf(withNas, hangingAt("/mnt/nas", gate), 100ms);
        QVERIFY(!table.space('D').ready());
        // Asked again while the first query still hangs: starts nothing new.
        QVERIFY(!table.space('d').ready());
        QVERIFY(!table.space('D').ready());
        QCOMPARE(gate->started.load(), 1);

        // Other drives are not held up by the dead one.
        QCOMPARE(figures(table.space('C')), Figures(100, 200));

        // Once the mount answers, the next question is asked afresh.
        gate->release();
        QTRY_COMPARE(gate->finished.load(), 1);
        QCOMPARE(figures(table.space('D')), Figures(1, 2));
    }

    // A worker outlives its table and must not touch it when it finally returns; the last one
    // is left hanging on purpose: the test program exits with that worker still blocked.
    void tableAndProcessCanGoWhileAQueryHangs() {
        auto gate = std::make_shared<Gate>(), never = std::make_shared<Gate>();
        {
            LinuxDriveTable table = tableOf(withNas, hangingAt("/mnt/nas", gate), 50ms);
            QVERIFY(!table.space('D').ready());
        }
        gate->release();
        QTRY_COMPARE(gate->finished.load(), 1);
        static LinuxDriveTable table = tableOf(withNas, hangingAt("/mnt/nas", never), 50ms);
        QVERIFY(!table.space('D').ready());
        QCOMPARE(never->started.load(), 1);
    }

    // The table still lists it but the directory is gone.
    void vanishedMountIsNotReady() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        LinuxDriveTable table = tableOf(withD(QFile::encodeName(dir.path())));
        QVERIFY(table.space('D').ready());
        QVERIFY(dir.remove());
        QCOMPARE(figures(table.space('D')), Figures(-1, -1));
    }

    // A link on C to a folder on D moves D's current directory, not C's.
    void changingThroughALinkMovesTheDriveItLeadsTo() {
        KeepWorkingDirectory keep;
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString work = QDir(tmp.path()).canonicalPath();
        QVERIFY(QDir(work).mkpath("d/sub"));
        QVERIFY(QFile::link(work + "/d/sub", work + "/link"));
        LinuxDriveTable table = tableOf(withD(QFile::encodeName(work + "/d")));
        QVERIFY(table.changeDirectory("/"));
        QVERIFY(table.changeDirectory(work + "/link"));
        QCOMPARE(table.currentDirectory('D'), work + "/d/sub");
        QCOMPARE(table.currentDirectory('C'), QString("/"));
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

    void realTableHasTheRootAsCAgreeingWithDf() {
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
        // The header, then "avail size".
        const QStringList words = QString::fromLocal8Bit(df.readAllStandardOutput())
                                      .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        QCOMPARE(words.size(), 4);
        const qint64 avail = words[2].toLongLong(), size = words[3].toLongLong();
        QVERIFY(size > 0);
        QCOMPARE(space.totalBytes, size);
        // Other programs write while both look; allow 64 Mb of drift.
        QVERIFY2(qAbs(space.freeBytes - avail) <= 64 * 1048576,
                 qPrintable(QString("%1 vs %2").arg(space.freeBytes).arg(avail)));

        // The machine's data mounts, each lettered once. Every line of the real table has the
        // regular shape, so none may be dropped.
        const QList<Drive> drives = table.drives();
        const QByteArray text = readMountInfo();
        const QList<MountEntry> entries = parseMountInfo(text);
        QCOMPARE(entries.size(), text.trimmed().count('\n') + 1);
        QVERIFY(!drives.isEmpty());
        QString letters;
        for (const Drive& d : drives) {
            QVERIFY(letters.isEmpty() || d.letter > letters.back()); // ordered, each letter once
            letters += d.letter;
            const bool mounted =
                std::any_of(entries.begin(), entries.end(), [&](const MountEntry& e) {
                    return e.mountPoint == d.mountPoint && e.source == d.device;
                });
            QVERIFY2(mounted, qPrintable(d.mountPoint));
            QVERIFY(!d.mountPoint.startsWith("/proc") && !d.mountPoint.startsWith("/sys"));
        }
        // The same table read twice gives the same letters.
        QString again;
        for (const Drive& d : table.drives())
            again += d.letter;
        QCOMPARE(again, letters);
        // The working directory lies on some drive.
        QVERIFY(!table.driveOfPath(QDir::currentPath()).isNull());
    }

    // The network mounts answer only once all three are being asked: asked one after another,
    // the first would wait out its limit and show as not ready. A letter not in the table is
    // not ready either.
    void spacesOfSeveralDrivesAreAskedAllAtOnce() {
        const QByteArray text = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                "2 1 0:60 / /mnt/a rw - nfs4 nas:/a rw\n"
                                "3 1 0:61 / /mnt/b rw - nfs4 nas:/b rw\n"
                                "4 1 0:62 / /mnt/c rw - nfs4 nas:/c rw\n";
        auto meeting = std::make_shared<Gate>(); // its count of started queries
        LinuxDriveTable table = tableOf(
            text,
            [meeting](const QString& mountPoint) {
                if (mountPoint == "/")
                    return DriveSpace{1, 4};
                std::unique_lock lock(meeting->mutex);
                ++meeting->started;
                meeting->opened.notify_all();
                meeting->opened.wait(lock, [&] { return meeting->started >= 3; });
                return DriveSpace{2, 4};
            },
            10s);
        QList<QChar> letters;
        for (const Drive& d : table.drives())
            letters << d.letter;
        QCOMPARE(letters.size(), 4);
        const QList<DriveSpace> spaces = table.spaces(letters << 'Z');
        QCOMPARE(spaces.size(), 5);
        QCOMPARE(spaces[0].freeBytes, 1);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(spaces[i].freeBytes, 2);
        QVERIFY(!spaces[4].ready());
    }

    void readsEveryFieldOfALine() {
        const auto entries = parseMountInfo(
            "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue\n");
        QCOMPARE(entries.size(), 1);
        const MountEntry& e = entries[0];
        const QStringList texts = {e.root, e.mountPoint, e.options, e.fsType, e.source};
        QCOMPARE(QString("%1 %2 %3:%4 ").arg(e.mountId).arg(e.parentId).arg(e.major).arg(e.minor) +
                     texts.join(' '),
                 QString("36 35 98:0 /mnt1 /mnt2 rw,noatime ext3 /dev/root"));
    }

    void decodesEscapesInPathsAndSource() {
        const auto entries = parseMountInfo(
            R"(50 26 8:17 /a\134b /media/me/My\040Stick\011x\012y rw - vfat /dev/sdb\0401 rw)");
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].root, QString("/a\\b"));
        QCOMPARE(entries[0].mountPoint, QString("/media/me/My Stick\tx\ny"));
        QCOMPARE(entries[0].source, QString("/dev/sdb 1"));
        const auto utf8 = parseMountInfo("5 1 8:3 / /media/Gr\xc3\xbcn rw - ext4 /dev/sdc1 rw");
        QCOMPARE(utf8.value(0).mountPoint, QString::fromUtf8("/media/Gr\xc3\xbcn"));
        // A byte that is not UTF-8, raw or escaped, must come back as itself, not as U+FFFD.
        const auto bytes = parseMountInfo("6 1 0:50 /r\\377 /tmp/bad\xff rw - tmpfs tmp\xfe rw");
        QCOMPARE(encodeFileName(bytes.value(0).mountPoint), QByteArray("/tmp/bad\xff"));
        QCOMPARE(encodeFileName(bytes.value(0).root), QByteArray("/r\xff"));
        QCOMPARE(encodeFileName(bytes.value(0).source), QByteArray("tmp\xfe"));
    }

    void leavesIncompleteEscapesAlone() {
        QCOMPARE(decodeMountEscapes(R"(a\04)"), QByteArray(R"(a\04)"));
        QCOMPARE(decodeMountEscapes(R"(a\09x)"), QByteArray(R"(a\09x)"));
        QCOMPARE(decodeMountEscapes(R"(\)"), QByteArray(R"(\)"));
        QCOMPARE(decodeMountEscapes(R"(\040\040)"), QByteArray("  "));
    }

    void skipsMalformedLinesAndKeepsTheRest() {
        const QByteArray text = "garbage\n"
                                "\n"
                                "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                "2 1 8:2 / /home rw shared:1 master:2 propagate_from:3 "
                                "unbindable - xfs /dev/sda2 rw\n"
                                "2 1 8:2 / /nodash rw ext4 /dev/sda2 rw x y\n"
                                "x 1 8:3 / /badid rw - ext4 /dev/sda3 rw\n"
                                "3 1 83 / /baddev rw - ext4 /dev/sda3 rw\n"
                                "4 1 8:4 / /short rw -\n"
                                "5 1 8:5 relative /rel rw - ext4 /dev/sda5 rw\n"
                                "6 1 8:6 / /ok rw - ext4 /dev/sda6 rw\r\n"
                                "7 1 8:7 / /last rw - btrfs /dev/sda7 rw"; // no newline at the end
        const auto entries = parseMountInfo(text);
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0].fsType, QString("ext4"));
        // Optional tags may be absent or many.
        QCOMPARE(entries[1].fsType, QString("xfs"));
        QCOMPARE(entries[1].source, QString("/dev/sda2"));
        QCOMPARE(entries[2].mountPoint, QString("/ok"));
        QCOMPARE(entries[2].options, QString("rw"));
        QCOMPARE(entries[3].mountPoint, QString("/last"));
        QCOMPARE(entries[3].fsType, QString("btrfs"));
        QVERIFY(parseMountInfo("").isEmpty());
        QVERIFY(parseMountInfo("\n\n").isEmpty());
    }

    void choosesDataFileSystemsAndLettersThem() {
        const auto drives = assigned(desktop);
        // Pseudo file systems, RAM file systems under /run, /dev and /proc (not /running), snap
        // images, gvfs and both bind mounts of /home are left out; /run/media holds a real stick.
        QCOMPARE(mountPoints(drives),
                 (QStringList{"A=/media/floppy", "C=/", "D=/home", "E=/tmp", "F=/mnt/nas",
                              "G=/run/media/me/STICK", "H=/media/cdrom", "I=/home/me/remote",
                              "J=/mnt/zram", "K=/mnt/scratch", "L=/media/dvd", "M=/media/sr1",
                              "N=/running"}));
    }

    void typesFollowTheDevice() {
        // A CD drive on USB is still a CD drive.
        const auto drives = assigned(desktop, {"/dev/sdb1", "/dev/sdc"});
        const std::pair<DriveType, QStringList> types[] = {
            {DriveType::Fixed, {"/", "/home"}},
            {DriveType::Ram, {"/tmp", "/mnt/scratch", "/mnt/zram", "/running"}},
            {DriveType::Network, {"/mnt/nas", "/home/me/remote"}},
            {DriveType::Removable, {"/run/media/me/STICK", "/media/floppy"}},
            {DriveType::CdRom, {"/media/cdrom", "/media/dvd", "/media/sr1"}}};
        for (const auto& [type, points] : types)
            for (const QString& at : points)
                QVERIFY2(driveAt(drives, at).type == type, qPrintable(at));
        QCOMPARE(driveAt(drives, "/mnt/nas").device, QString("nas:/export"));
        QCOMPARE(driveAt(drives, "/").fsType, QString("ext4"));
    }

    // Small tables: their drives, and the device of the last drive.
    void lettersOfSmallTables() {
        const struct {
            const char* name;
            QByteArray table;
            QStringList drives;
            QString lastDevice;
        } rows[] = {
            // In a container the root is an overlay, not a block device.
            {"root whatever its file system",
             "100 90 0:40 / / rw - overlay overlay rw\n101 100 0:41 / /proc rw - proc proc rw\n",
             {"C=/"},
             "overlay"},
            {"a mounted-over mount point shows the top mount",
             "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 8:2 / /data rw - ext4 /dev/sda2 rw\n"
             "3 2 8:3 / /data rw - ext4 /dev/sda3 rw\n",
             {"C=/", "D=/data"},
             "/dev/sda3"},
            // The third is a bind mount of a folder inside /home.
            {"subvolumes of one device are separate drives",
             "1 0 0:31 /@ / rw - btrfs /dev/sda2 rw\n2 1 0:31 /@home /home rw - btrfs /dev/sda2 "
             "rw\n3 1 0:31 /@home/me/music /music rw - btrfs /dev/sda2 rw\n",
             {"C=/", "D=/home"},
             "/dev/sda2"},
            {"floppies take A and B, then ordinary letters",
             "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 8:2 / /data rw - ext4 /dev/sda2 rw\n"
             "3 1 2:0 / /fd0 rw - vfat /dev/fd0 rw\n4 1 2:1 / /fd1 rw - vfat /dev/fd1 rw\n"
             "5 1 2:2 / /fd2 rw - vfat /dev/fd2 rw\n",
             {"A=/fd0", "B=/fd1", "C=/", "D=/data", "E=/fd2"},
             "/dev/fd2"},
        };
        for (const auto& row : rows) {
            const auto got = assigned(row.table);
            const QString seen = mountPoints(got).join(' ') + " last on " + got.last().device;
            QVERIFY2(mountPoints(got) == row.drives && got.last().device == row.lastDevice,
                     qPrintable(QString(row.name) + ": " + seen));
        }
    }

    void lettersStopAtZ() {
        QByteArray text = "1 0 8:0 / / rw - ext4 /dev/sda rw\n";
        for (int i = 1; i <= 30; ++i)
            text += QByteArray::number(i + 1) + " 1 8:" + QByteArray::number(i) + " / /m" +
                    QByteArray::number(i) + " rw - ext4 /dev/sda" + QByteArray::number(i) + " rw\n";
        const auto drives = assigned(text);
        QCOMPARE(drives.size(), 24); // C to Z
        QCOMPARE(drives.last().letter, QChar('Z'));
        QCOMPARE(drives.last().mountPoint, QString("/m23"));
    }

    void lettersStayWhileTheTableChanges() {
        FakeProbe probe;
        DriveLetters letters;
        const QByteArray root = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";
        const QByteArray home = "2 1 8:2 / /home rw - ext4 /dev/sda2 rw\n";
        const QByteArray stick = "3 1 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n";
        const QByteArray cd = "4 1 11:0 / /media/cd ro - iso9660 /dev/sr0 ro\n";
        const QByteArray nas = "5 1 0:60 / /mnt/nas rw - nfs4 nas:/x rw\n";
        const auto assign = [&](const QByteArray& table) {
            return mountPoints(letters.assign(parseMountInfo(table), probe));
        };

        QCOMPARE(assign(root + home + stick), (QStringList{"C=/", "D=/home", "E=/media/stick"}));
        // /home goes away: the stick keeps E and a new CD takes the free D.
        QCOMPARE(assign(root + cd + stick), (QStringList{"C=/", "D=/media/cd", "E=/media/stick"}));
        // A new mount listed first in the table does not push the others along.
        QCOMPARE(assign(nas + root + cd + stick),
                 (QStringList{"C=/", "D=/media/cd", "E=/media/stick", "F=/mnt/nas"}));
        // Once unmounted, a file system's letter is forgotten.
        QCOMPARE(assign(root + home), (QStringList{"C=/", "D=/home"}));
        // Another file system at a mount point that had a letter is a new drive.
        QCOMPARE(assign(root + home + stick).last(), "E=/media/stick");
        QCOMPARE(assign(root + "6 1 8:33 / /media/stick rw - vfat /dev/sdc1 rw\n"),
                 (QStringList{"C=/", "D=/media/stick"}));
    }
};

QTEST_MAIN(LinuxDriveTableTest)
#include "linux_drive_table_test.moc"
