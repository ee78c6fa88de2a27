#include "platform/DriveRules.h"
#include "platform/linux/MountInfo.h"
#include <QtTest>

using namespace vok;

namespace {

// Sysfs as the tests want it: the sources named here are removable or on USB.
class FakeProbe : public DeviceProbe {
public:
    bool isRemovable(const MountEntry& entry) override {
        asked << entry.source;
        return removable.contains(entry.source);
    }
    QStringList removable;
    QStringList asked;
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
)";

QStringList mountPoints(const QList<Drive>& drives) {
    QStringList out;
    for (const Drive& d : drives)
        out << QString(d.letter) + "=" + d.mountPoint;
    return out;
}

Drive driveAt(const QList<Drive>& drives, const QString& mountPoint) {
    for (const Drive& d : drives) {
        if (d.mountPoint == mountPoint)
            return d;
    }
    return {};
}

// The drives a fresh set of letters makes of a mount table.
QList<Drive> assigned(const QByteArray& table, const QStringList& removable = {}) {
    FakeProbe probe;
    probe.removable = removable;
    return DriveLetters().assign(parseMountInfo(table), probe);
}

} // namespace

class DriveRulesTest : public QObject {
    Q_OBJECT
private slots:
    void choosesDataFileSystemsAndLettersThem() {
        const auto drives = assigned(desktop);
        // Pseudo file systems, RAM file systems under /run and /dev, snap images, gvfs and both
        // bind mounts of /home are left out; /run/media holds a real stick.
        QCOMPARE(mountPoints(drives),
                 (QStringList{"A=/media/floppy", "C=/", "D=/home", "E=/tmp", "F=/mnt/nas",
                              "G=/run/media/me/STICK", "H=/media/cdrom", "I=/home/me/remote",
                              "J=/mnt/zram", "K=/mnt/scratch"}));
    }

    void typesFollowTheDevice() {
        const auto drives = assigned(desktop, {"/dev/sdb1"});
        const std::pair<DriveType, QStringList> types[] = {
            {DriveType::Fixed, {"/", "/home"}},
            {DriveType::Ram, {"/tmp", "/mnt/scratch", "/mnt/zram"}},
            {DriveType::Network, {"/mnt/nas", "/home/me/remote"}},
            {DriveType::Removable, {"/run/media/me/STICK", "/media/floppy"}},
            {DriveType::CdRom, {"/media/cdrom"}}};
        for (const auto& [type, points] : types)
            for (const QString& at : points)
                QVERIFY2(driveAt(drives, at).type == type, qPrintable(at));
        QCOMPARE(driveAt(drives, "/mnt/nas").device, QString("nas:/export"));
        QCOMPARE(driveAt(drives, "/").fsType, QString("ext4"));
    }

    void cdTypeComesFromFileSystemOrDevice() {
        FakeProbe probe;
        MountEntry udf{1, 0, 8, 32, "/", "/media/dvd", "ro", "udf", "/dev/sdc"};
        MountEntry sr{2, 0, 11, 1, "/", "/media/sr1", "ro", "vfat", "/dev/sr1"};
        QCOMPARE(driveTypeOf(udf, probe), DriveType::CdRom);
        QCOMPARE(driveTypeOf(sr, probe), DriveType::CdRom);
        // A CD drive on USB is still a CD drive.
        probe.removable << "/dev/sdc";
        QCOMPARE(driveTypeOf(udf, probe), DriveType::CdRom);
    }

    void ramFileSystemsCountOnlyOutsideSystemAreas() {
        const auto tmpfsAt = [](const char* where) {
            return MountEntry{1, 0, 0, 80, "/", where, "rw", "tmpfs", "tmpfs"};
        };
        // Only /run itself and below are system areas, not /running.
        for (const char* where : {"/tmp", "/running"})
            QVERIFY2(holdsData(tmpfsAt(where)), where);
        for (const char* where : {"/run", "/run/lock", "/dev/shm", "/sys/fs/cgroup", "/proc/x"})
            QVERIFY2(!holdsData(tmpfsAt(where)), where);
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

        QCOMPARE(mountPoints(letters.assign(parseMountInfo(root + home + stick), probe)),
                 (QStringList{"C=/", "D=/home", "E=/media/stick"}));
        // /home goes away: the stick keeps E and a new CD takes the free D.
        QCOMPARE(mountPoints(letters.assign(parseMountInfo(root + cd + stick), probe)),
                 (QStringList{"C=/", "D=/media/cd", "E=/media/stick"}));
        // A new mount listed first in the table does not push the others along.
        QCOMPARE(mountPoints(letters.assign(parseMountInfo(nas + root + cd + stick), probe)),
                 (QStringList{"C=/", "D=/media/cd", "E=/media/stick", "F=/mnt/nas"}));
        // Once unmounted, a file system's letter is forgotten.
        QCOMPARE(mountPoints(letters.assign(parseMountInfo(root + home), probe)),
                 (QStringList{"C=/", "D=/home"}));
    }

    void aDifferentFileSystemAtTheSameMountPointIsANewDrive() {
        FakeProbe probe;
        DriveLetters letters;
        const QByteArray base = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                "2 1 8:2 / /a rw - ext4 /dev/sda2 rw\n";
        letters.assign(parseMountInfo(base + "3 1 8:17 / /media/usb rw - vfat /dev/sdb1 rw\n"),
                       probe);
        const auto drives =
            letters.assign(parseMountInfo("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                          "4 1 8:33 / /media/usb rw - vfat /dev/sdc1 rw\n"),
                           probe);
        QCOMPARE(mountPoints(drives), (QStringList{"C=/", "D=/media/usb"}));
        QCOMPARE(drives[1].device, QString("/dev/sdc1"));
    }
};

QTEST_MAIN(DriveRulesTest)
#include "drive_rules_test.moc"
