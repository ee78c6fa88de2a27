#include "platform/linux/LinuxProcessSnapshots.h"
#include "platform/linux/ProcFiles.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vok;

namespace {

const QByteArray kMaps =
    "55d0c0a00000-55d0c0a02000 r--p 00000000 fe:00 247134                     /usr/bin/cat\n"
    "55d0c0a02000-55d0c0a07000 r-xp 00002000 fe:00 247134                     /usr/bin/cat\n"
    "55d0c1000000-55d0c1021000 rw-p 00000000 00:00 0                          [heap]\n"
    "7f0000000000-7f0000001000 r--p 00000000 fe:00 555                        /tmp/my file \n"
    "7f0000001000-7f0000002000 rw-p 00000000 00:00 0 \n"
    "7f0000002000-7f0000003000 rw-s 00000000 00:01 4242                       /memfd:x (deleted)\n"
    "7f0000004000-7f0000006000 r--p 00000000 fe:00 555                        /tmp/my file \n"
    "7f0000010000-7f0000011000 r--p 00000000 103:0a 9                         /a\\012b\n"
    "7f0000020000-7f0000021000 r--p 00000000 fe:00 77                         /tmp/old.so "
    "(deleted)\n"
    "7f0000030000-7f0000031000 r--p 00000000 fe:00 88                         /lib/libc.so.6\n"
    "garbage line\n"
    "7ffc0000-7ffc1000 r-xp 00000000 00:00 0                          [vdso]";

void write(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

class ProcFilesTest : public QObject {
    Q_OBJECT
private slots:
    void mapsKeepsFilesWithTheirBlanksAndDropsTheRest() {
        const std::vector<FileMapping> m = parseMaps(kMaps);
        QCOMPARE(m.size(), size_t(6));
        QCOMPARE(m[0].path, QByteArray("/usr/bin/cat"));
        QCOMPARE(m[0].start, 0x55d0c0a00000ull);
        QCOMPARE(m[2].path, QByteArray("/tmp/my file ")); // the trailing blank is the name's
        QCOMPARE(m[2].inode, 555ull);
        QCOMPARE(m[4].path, QByteArray("/a\nb"));
        QCOMPARE(m[4].device, (0x103ull << 32) | 0xa);
        QCOMPARE(m[5].path, QByteArray("/lib/libc.so.6"));
        QVERIFY(parseMaps("").empty());
        QVERIFY(parseMaps("1-0 r--p 0 fe:00 5 /x\n").empty()); // end before start
    }

    void filesSpanTheirMappingsExecutableFirst() {
        const std::vector<MappedFile> f = mappedFiles(parseMaps(kMaps), "/lib/libc.so.6");
        QCOMPARE(f.size(), size_t(4));
        QCOMPARE(f[0].path, QByteArray("/lib/libc.so.6"));
        QCOMPARE(f[1].path, QByteArray("/usr/bin/cat"));
        QCOMPARE(f[1].span(), quint64(0x7000));
        // Two mappings with a gap between: the span covers the gap.
        QCOMPARE(f[2].path, QByteArray("/tmp/my file "));
        QCOMPARE(f[2].span(), quint64(0x6000));
        QCOMPARE(f[3].path, QByteArray("/a\nb"));
        // The same path on another inode is another file.
        const auto twice = mappedFiles(parseMaps("1000-2000 r--p 0 fe:00 5 /x\n"
                                                 "3000-4000 r--p 0 fe:00 6 /x\n"),
                                       "");
        QCOMPARE(twice.size(), size_t(2));
    }

    void statNameMayHoldParentheses() {
        const QByteArray stat = "4242 (a) b) S 1 4242 4242 0 -1 4194560 96 0 0 0 0 0 0 0 20 0 "
                                "7 0 1234 5000 100 18446744073709551615\n";
        const auto s = parseStat(stat);
        QVERIFY(s);
        QCOMPARE(s->name, QByteArray("a) b"));
        QCOMPARE(s->threads, 7);
        QVERIFY(!parseStat("4242 (cut) S 1 2 3"));
        QVERIFY(!parseStat(""));
    }

    // The reader over a proc tree made of plain files: ended and unreadable processes, names
    // for unreadable executables, and global usage by device and inode, not by path text.
    void snapshotFromAProcTree() {
        QTemporaryDir root;
        const QString r = root.path();
        auto proc = [&](int pid, const QByteArray& name, int threads, const QByteArray& maps,
                        const QByteArray& exe) {
            QDir(r).mkpath(QString::number(pid));
            const QString dir = r + "/" + QString::number(pid) + "/";
            write(dir + "stat", QByteArray::number(pid) + " (" + name +
                                    ") S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 " +
                                    QByteArray::number(threads) + " 0 1\n");
            if (!maps.isNull())
                write(dir + "maps", maps);
            else
                QDir(dir).mkdir("maps"); // reading it fails
            if (!exe.isEmpty())
                QFile::link(QString::fromUtf8(exe), dir + "exe");
        };
        proc(300, "three", 1,
             "1000-3000 r--p 0 fe:00 10 /bin/three\n5000-6000 r--p 0 fe:00 20 /lib/a.so\n",
             "/bin/three");
        proc(20, "two", 2,
             "1000-2000 r--p 0 fe:00 20 /lib/renamed.so\n"
             "7000-8000 r--p 0 fe:01 20 /lib/a.so\n",
             "/bin/two");
        proc(7, "kworker/0:1", 1, {}, "");
        QDir(r).mkpath("9"); // ended: no stat any more
        QDir(r).mkpath("self");

        LinuxProcessSnapshots reader(QFile::encodeName(r));
        int paced = 0;
        const ProcessSnapshot s = reader.take([&] { ++paced; });
        QVERIFY(s.taken);
        QCOMPARE(paced, 4);
        QCOMPARE(s.processes.size(), size_t(3));
        QCOMPARE(s.processes[0].pid, 7);
        QCOMPARE(s.processes[0].exePath, QString("[kworker/0:1]"));
        QVERIFY(s.processes[0].modules.empty());
        const ProcessRecord& two = s.processes[1];
        QCOMPARE(two.exePath, QString("/bin/two"));
        QCOMPARE(two.usageCount, 2);
        QCOMPARE(two.modules.size(), size_t(2));
        QCOMPARE(two.modules[0].path, QString("/lib/renamed.so"));
        QCOMPARE(two.modules[0].globalUsage, 2); // same file as /lib/a.so in 300
        QCOMPARE(two.modules[1].globalUsage, 1); // same path, other device
        const ProcessRecord& three = s.processes[2];
        QCOMPARE(three.modules[0].path, QString("/bin/three"));
        QCOMPARE(three.modules[0].size, quint64(0x2000));
        QCOMPARE(three.modules[1].globalUsage, 2);

        LinuxProcessSnapshots missing(QFile::encodeName(r + "/none"));
        QVERIFY(!missing.take().taken);
    }
};

QTEST_GUILESS_MAIN(ProcFilesTest)
#include "proc_files_test.moc"
