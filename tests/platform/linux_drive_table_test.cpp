#include "platform/FileNames.h"
#include "platform/linux/DriveRules.h"
#include "platform/linux/LinuxDriveTable.h"
#include "platform/linux/MountInfo.h"
#include "support/RemoveTree.h"
#include "support/ServiceContracts.h"
#include <QtTest>
#include <atomic>
#include <condition_variable>
#include <sys/stat.h>
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
Figures spaceFigures(const DriveSpace& s) {
    return {s.freeBytes, s.totalBytes};
}

const QByteArray kRoot = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";

// Mount n below the root: ext4 on /dev/sdaN unless told otherwise.
QByteArray mountLine(int n, const QByteArray& point, const QByteArray& fsAndSource = {}) {
    const QByteArray id = QByteArray::number(n);
    return id + " 1 8:" + id + " / " + point + " rw - " +
           (fsAndSource.isEmpty() ? "ext4 /dev/sda" + id : fsAndSource) + " rw\n";
}

const QByteArray withNas = kRoot + mountLine(2, "/mnt/nas", "nfs4 nas:/x");

// A temporary folder by its canonical path; the working directory the test changes is restored.
struct Scratch {
    QString saved = QDir::currentPath();
    QTemporaryDir tmp;
    QString path = QDir(tmp.path()).canonicalPath();
    ~Scratch() { QDir::setCurrent(saved); }
};

// The contract's mounts as a mount table of real folders in a temporary folder.
class LinuxDriveFixture : public DriveFixture {
public:
    void mount(const QStringList& folders, const QString& workingDir) override {
        QByteArray text = kRoot;
        for (const QString& folder : folders) {
            QVERIFY(QDir().mkpath(path(folder) + "/sub"));
            text += mountLine(int(text.count('\n')) + 1, QFile::encodeName(path(folder)));
        }
        QVERIFY(QDir::setCurrent(path(workingDir)));
        table_ = std::make_unique<LinuxDriveTable>([text] { return text; }, statvfsSpace, 2s,
                                                   std::make_unique<FakeProbe>());
    }
    DriveTable& table() override { return *table_; }
    QString root() const override { return scratch_.path; }

private:
    Scratch scratch_;
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

// "C=/", or with types "C=/ fixed".
QStringList mountPoints(const QList<Drive>& drives, bool withType = false) {
    static const char* const types[] = {"none", "removable", "fixed", "network", "cd", "ram"};
    QStringList out;
    for (const Drive& d : drives)
        out << QString(d.letter) + "=" + d.mountPoint +
                   (withType ? QString(" ") + types[int(d.type)] : QString());
    return out;
}

// Every field of each entry, the texts as their bytes.
QList<QByteArray> described(const QList<MountEntry>& entries) {
    QList<QByteArray> out;
    for (const MountEntry& e : entries) {
        QByteArray line = QByteArray::number(e.mountId) + ' ' + QByteArray::number(e.parentId) +
                          ' ' + QByteArray::number(e.major) + ':' + QByteArray::number(e.minor);
        for (const QString& text : {e.root, e.mountPoint, e.options, e.fsType, e.source})
            line += ' ' + encodeFileName(text);
        out << line;
    }
    return out;
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
    void contract() { runContractRow<LinuxDriveFixture>(driveContract(), fakeDriveFixture); }

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
        QCOMPARE(spaceFigures(table.space('C')), Figures(100, 200));

        // Once the mount answers, the next question is asked afresh.
        gate->release();
        QTRY_COMPARE(gate->finished.load(), 1);
        QCOMPARE(spaceFigures(table.space('D')), Figures(1, 2));
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
        LinuxDriveTable table = tableOf(kRoot + mountLine(2, QFile::encodeName(dir.path())));
        QVERIFY(table.space('D').ready());
        QVERIFY(dir.remove());
        QCOMPARE(spaceFigures(table.space('D')), Figures(-1, -1));
    }

    // A link on C to a folder on D moves D's current directory, not C's.
    void changingThroughALinkMovesTheDriveItLeadsTo() {
        Scratch work;
        QVERIFY(QDir(work.path).mkpath("d/sub"));
        QVERIFY(QFile::link(work.path + "/d/sub", work.path + "/link"));
        LinuxDriveTable table = tableOf(kRoot + mountLine(2, QFile::encodeName(work.path + "/d")));
        QVERIFY(table.changeDirectory("/"));
        QVERIFY(table.changeDirectory(work.path + "/link"));
        QCOMPARE(table.currentDirectory('D'), work.path + "/d/sub");
        QCOMPARE(table.currentDirectory('C'), QString("/"));
    }

    // Qt's currentPath would read cwd\xFF as cwd\uFFFD, whose bytes name the twin folder.
    void workingDirectoryAndMountPointsKeepTheirBytes() {
        Scratch scratch;
        const QByteArray base = QFile::encodeName(scratch.path);
        const QByteArray bad = base + "/cwd\xff";
        const QByteArray twin = base + "/cwd\xef\xbf\xbd";
        QCOMPARE(::mkdir(bad.constData(), 0755), 0);
        QCOMPARE(::mkdir(twin.constData(), 0755), 0);
        QCOMPARE(::chdir(bad.constData()), 0);
        LinuxDriveTable table = tableOf(kRoot + mountLine(2, bad, "tmpfs tmpfs"));
        QCOMPARE(encodeFileName(table.currentPath()), bad);
        QCOMPARE(table.driveOfPath(table.currentPath()), QChar('D'));
        QCOMPARE(encodeFileName(table.currentDirectory('D')), bad);
        QVERIFY(table.changeDirectory(table.currentDirectory('D')));
        char here[4096];
        QVERIFY(::getcwd(here, sizeof here));
        QCOMPARE(QByteArray(here), bad);

        QVERIFY(::rmdir(twin.constData()) == 0);
        QVERIFY(statvfsSpace(decodeFileName(bad)).ready()); // no twin to answer in its place
        QVERIFY(removeTree(scratch.path));
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
        QCOMPARE(mountPoints(table.drives()), mountPoints(drives)); // the same when read again
        // The working directory lies on some drive.
        QVERIFY(!table.driveOfPath(QDir::currentPath()).isNull());
    }

    // The network mounts answer only once all three are being asked: asked one after another,
    // the first would wait out its limit and show as not ready. A letter not in the table is
    // not ready either.
    void spacesOfSeveralDrivesAreAskedAllAtOnce() {
        const QByteArray text = kRoot + mountLine(2, "/mnt/a", "nfs4 nas:/a") +
                                mountLine(3, "/mnt/b", "nfs4 nas:/b") +
                                mountLine(4, "/mnt/c", "nfs4 nas:/c");
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
        QList<Figures> spaces;
        for (const DriveSpace& s : table.spaces(letters << 'Z'))
            spaces << spaceFigures(s);
        QCOMPARE(spaces, (QList<Figures>{{1, 4}, {2, 4}, {2, 4}, {2, 4}, {-1, -1}}));
    }

    // A byte that is not UTF-8, raw or escaped, must come back as itself, not as U+FFFD.
    void decodesEscapesInPathsAndSource() {
        QCOMPARE(
            described(parseMountInfo(
                R"(50 26 8:17 /a\134b /media/me/My\040Stick\011x\012y rw - vfat /dev/sdb\0401 rw)"
                "\n5 1 8:3 / /media/Gr\xc3\xbcn rw - ext4 /dev/sdc1 rw\n"
                "6 1 0:50 /r\\377 /tmp/bad\xff rw - tmpfs tmp\xfe rw")),
            (QList<QByteArray>{"50 26 8:17 /a\\b /media/me/My Stick\tx\ny rw vfat /dev/sdb 1",
                               "5 1 8:3 / /media/Gr\xc3\xbcn rw ext4 /dev/sdc1",
                               "6 1 0:50 /r\xff /tmp/bad\xff rw tmpfs tmp\xfe"}));
    }

    void leavesIncompleteEscapesAlone() {
        for (const QByteArray field : {R"(a\04)", R"(a\09x)", R"(\)"})
            QCOMPARE(decodeMountEscapes(field), field);
        QCOMPARE(decodeMountEscapes(R"(\040\040)"), QByteArray("  "));
    }

    // Optional tags may be absent or many; the last line has no newline.
    void readsEveryFieldAndSkipsMalformedLines() {
        const QByteArray text = "garbage\n"
                                "\n"
                                "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root "
                                "rw,errors=continue\n"
                                "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                "2 1 8:2 / /home rw shared:1 master:2 propagate_from:3 "
                                "unbindable - xfs /dev/sda2 rw\n"
                                "2 1 8:2 / /nodash rw ext4 /dev/sda2 rw x y\n"
                                "x 1 8:3 / /badid rw - ext4 /dev/sda3 rw\n"
                                "3 1 83 / /baddev rw - ext4 /dev/sda3 rw\n"
                                "4 1 8:4 / /short rw -\n"
                                "5 1 8:5 relative /rel rw - ext4 /dev/sda5 rw\n"
                                "6 1 8:6 / /ok rw - ext4 /dev/sda6 rw\r\n"
                                "7 1 8:7 / /last rw - btrfs /dev/sda7 rw";
        QCOMPARE(described(parseMountInfo(text)),
                 (QList<QByteArray>{
                     "36 35 98:0 /mnt1 /mnt2 rw,noatime ext3 /dev/root",
                     "1 0 8:1 / / rw ext4 /dev/sda1", "2 1 8:2 / /home rw xfs /dev/sda2",
                     "6 1 8:6 / /ok rw ext4 /dev/sda6", "7 1 8:7 / /last rw btrfs /dev/sda7"}));
        QVERIFY(parseMountInfo("").isEmpty());
        QVERIFY(parseMountInfo("\n\n").isEmpty());
    }

    // Pseudo file systems, RAM file systems under /run, /dev and /proc (not /running), snap
    // images, gvfs and both bind mounts of /home are left out; /run/media holds a real stick,
    // lettered whether or not the probe calls it removable. A CD drive on USB is still one.
    void choosesDataFileSystemsLettersAndTypesThem() {
        const auto drives = assigned(desktop, {"/dev/sdb1", "/dev/sdc"});
        QCOMPARE(mountPoints(drives, true),
                 (QStringList{"A=/media/floppy removable", "C=/ fixed", "D=/home fixed",
                              "E=/tmp ram", "F=/mnt/nas network", "G=/run/media/me/STICK removable",
                              "H=/media/cdrom cd", "I=/home/me/remote network", "J=/mnt/zram ram",
                              "K=/mnt/scratch ram", "L=/media/dvd cd", "M=/media/sr1 cd",
                              "N=/running ram"}));
        QCOMPARE(mountPoints(assigned(desktop)), mountPoints(drives));
        QCOMPARE(drives[4].device, QString("nas:/export"));
        QCOMPARE(drives[1].fsType, QString("ext4"));
    }

    // Small tables: their drives, and the device of the last drive.
    void lettersOfSmallTables() {
        const std::pair<QByteArray, const char*> rows[] = {
            // The root whatever its file system: in a container an overlay, not a block device.
            {"100 90 0:40 / / rw - overlay overlay rw\n101 100 0:41 / /proc rw - proc proc rw\n",
             "C=/ on overlay"},
            // A mounted-over mount point shows the top mount.
            {"1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 8:2 / /data rw - ext4 /dev/sda2 rw\n"
             "3 2 8:3 / /data rw - ext4 /dev/sda3 rw\n",
             "C=/ D=/data on /dev/sda3"},
            // Subvolumes of one device are separate drives; the third is a bind mount of a
            // folder inside /home.
            {"1 0 0:31 /@ / rw - btrfs /dev/sda2 rw\n2 1 0:31 /@home /home rw - btrfs /dev/sda2 "
             "rw\n3 1 0:31 /@home/me/music /music rw - btrfs /dev/sda2 rw\n",
             "C=/ D=/home on /dev/sda2"},
            // Floppies take A and B, then ordinary letters.
            {"1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 8:2 / /data rw - ext4 /dev/sda2 rw\n"
             "3 1 2:0 / /fd0 rw - vfat /dev/fd0 rw\n4 1 2:1 / /fd1 rw - vfat /dev/fd1 rw\n"
             "5 1 2:2 / /fd2 rw - vfat /dev/fd2 rw\n",
             "A=/fd0 B=/fd1 C=/ D=/data E=/fd2 on /dev/fd2"}};
        for (const auto& [table, drives] : rows) {
            const auto got = assigned(table);
            QCOMPARE(mountPoints(got).join(' ') + " on " + got.last().device, QString(drives));
        }
    }

    void lettersStopAtZ() {
        QByteArray text = kRoot;
        for (int i = 2; i <= 31; ++i)
            text += mountLine(i, "/m" + QByteArray::number(i));
        const auto drives = assigned(text);
        QCOMPARE(drives.size(), 24); // C to Z
        QCOMPARE(drives.last().letter, QChar('Z'));
        QCOMPARE(drives.last().mountPoint, QString("/m24"));
    }

    void lettersStayWhileTheTableChanges() {
        FakeProbe probe;
        DriveLetters letters;
        const QByteArray root = kRoot, home = mountLine(2, "/home");
        const QByteArray stick = "3 1 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n";
        const QByteArray cd = "4 1 11:0 / /media/cd ro - iso9660 /dev/sr0 ro\n";
        const QByteArray nas = mountLine(5, "/mnt/nas", "nfs4 nas:/x");
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
