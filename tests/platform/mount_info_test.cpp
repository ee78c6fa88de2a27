#include "platform/FileNames.h"
#include "platform/linux/MountInfo.h"
#include <QtTest>

using namespace vok;

class MountInfoTest : public QObject {
    Q_OBJECT
private slots:
    void readsEveryFieldOfALine() {
        const auto entries = parseMountInfo(
            "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue\n");
        QCOMPARE(entries.size(), 1);
        const MountEntry& e = entries[0];
        QCOMPARE(e.mountId, 36);
        QCOMPARE(e.parentId, 35);
        QCOMPARE(e.major, 98);
        QCOMPARE(e.minor, 0);
        QCOMPARE(e.root, QString("/mnt1"));
        QCOMPARE(e.mountPoint, QString("/mnt2"));
        QCOMPARE(e.options, QString("rw,noatime"));
        QCOMPARE(e.fsType, QString("ext3"));
        QCOMPARE(e.source, QString("/dev/root"));
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

    void thisMachinesTableHasTheRoot() {
        const QByteArray text = readMountInfo();
        const auto entries = parseMountInfo(text);
        QVERIFY(!entries.isEmpty());
        const bool hasRoot = std::any_of(entries.begin(), entries.end(),
                                         [](const MountEntry& e) { return e.mountPoint == "/"; });
        QVERIFY(hasRoot);
        // Every line of the real file has the regular shape, so none may be dropped.
        QCOMPARE(entries.size(), text.trimmed().count('\n') + 1);
    }
};

QTEST_MAIN(MountInfoTest)
#include "mount_info_test.moc"
