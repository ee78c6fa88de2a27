#include "memscreens/ProcessTreeLines.h"
#include "platform/linux/LinuxMemoryInfo.h"
#include "platform/linux/LinuxProcessSnapshots.h"
#include "platform/linux/LinuxResourceInfo.h"
#include "platform/linux/MountInfo.h"
#include "platform/linux/ProcFiles.h"
#include "platform/linux/SysfsDeviceProbe.h"
#include "support/ProcMapsText.h"
#include "support/TestFiles.h"
#include <QtTest>
#include <climits>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vok;

namespace {

QByteArray readProc(qint64 pid, const char* file) {
    return readFile(QStringLiteral("/proc/%1/%2").arg(pid).arg(file));
}

// A mapped file as the test reads /proc/PID/maps itself.
struct Expected {
    QString path;
    quint64 low = ~0ull, high = 0;
};
using FileId = std::pair<QString, quint64>; // "major:minor", inode

std::map<FileId, Expected> filesOf(qint64 pid) {
    static const QRegularExpression line(R"(^([0-9a-f]+)-([0-9a-f]+) \S+ \S+ (\S+) (\d+) +(/.*)$)");
    std::map<FileId, Expected> out;
    for (const QString& text : QString::fromUtf8(readProc(pid, "maps")).split('\n')) {
        const auto m = line.match(text);
        if (!m.hasMatch() || m.captured(5).endsWith(" (deleted)"))
            continue;
        Expected& e = out[{m.captured(3), m.captured(4).toULongLong()}];
        e.path = m.captured(5);
        e.low = std::min(e.low, m.captured(1).toULongLong(nullptr, 16));
        e.high = std::max(e.high, m.captured(2).toULongLong(nullptr, 16));
    }
    return out;
}

// The state letter of /proc/PID/stat: 'S' once a process sleeps.
char stateOf(qint64 pid) {
    const QByteArray stat = readProc(pid, "stat");
    const qsizetype close = stat.lastIndexOf(')');
    return close >= 0 && close + 2 < stat.size() ? stat.at(close + 2) : '?';
}

const ProcessRecord* find(const ProcessSnapshot& s, qint64 pid) {
    for (const ProcessRecord& p : s.processes)
        if (p.pid == pid)
            return &p;
    return nullptr;
}

const ModuleRecord* module(const ProcessRecord& p, const QString& path) {
    for (const ModuleRecord& m : p.modules)
        if (m.path == path)
            return &m;
    return nullptr;
}

long peakKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

struct Child {
    ~Child() {
        process.closeWriteChannel(); // a helper ends on it; sleep does not
        if (!endsOnEof || !process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(5000);
    }
    // A helper says so once its files are mapped.
    bool ready() { return process.waitForReadyRead(30000) && process.readLine() == "ready\n"; }
    bool endsOnEof = true;
    QProcess process;
};

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

// How a file that a reader expects is replaced: by a FIFO without a writer, a link to
// /dev/zero, or the text on a line of its own behind a hole larger than any limit.
enum class Kind { Plain, Fifo, ZeroLink, Huge };

// A proc root made of plain files, for the readers to be pointed at.
struct FakeRoot {
    QTemporaryDir dir;
    QByteArray root() const { return QFile::encodeName(dir.path()); }
    void put(const QString& name, const QByteArray& text, Kind kind = Kind::Plain) {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        if (kind == Kind::Fifo || kind == Kind::ZeroLink) {
            QVERIFY(kind == Kind::Fifo ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                       : QFile::link("/dev/zero", path));
            return;
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (kind == Kind::Huge)
            QVERIFY(f.resize(qint64(64) << 20) && f.seek(f.size()) && f.write("\n") == 1);
        f.write(text);
    }
    void proc(int pid, const QByteArray& name, int threads, const QByteArray& maps,
              const QByteArray& exe = {}, Kind mapsKind = Kind::Plain) {
        const QString sub = QString::number(pid) + '/';
        put(sub + "stat", QByteArray::number(pid) + " (" + name +
                              ") S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 " +
                              QByteArray::number(threads) + " 0 1\n");
        if (maps.isNull())
            QDir(dir.filePath(sub)).mkdir("maps"); // reading it fails
        else
            put(sub + "maps", maps, mapsKind);
        if (!exe.isEmpty())
            QFile::link(QString::fromUtf8(exe), dir.filePath(sub + "exe"));
    }
};

} // namespace

// The readers of proc files, over made-up trees and over this machine's own processes.
class ProcessSnapshotLiveTest : public QObject {
    Q_OBJECT
private slots:
    void filesOfAMapsTextExecutableFirst() {
        const std::vector<MappedFile> f = mappedFiles(kMaps, "/lib/libc.so.6");
        QCOMPARE(f.size(), size_t(4));
        QCOMPARE(f[0].path, QByteArray("/lib/libc.so.6"));
        QCOMPARE(std::tuple(f[1].path, f[1].low, f[1].span()),
                 std::tuple(QByteArray("/usr/bin/cat"), 0x55d0c0a00000ull, 0x7000ull));
        // Two mappings with a gap between: the span covers the gap; the trailing blank is the
        // name's.
        QCOMPARE(std::tuple(f[2].path, f[2].inode, f[2].span()),
                 std::tuple(QByteArray("/tmp/my file "), 555ull, 0x6000ull));
        QCOMPARE(std::pair(f[3].path, f[3].device),
                 std::pair(QByteArray("/a\nb"), (0x103ull << 32) | 0xa));
        QVERIFY(mappedFiles("", "").empty());
        QVERIFY(mappedFiles("1-0 r--p 0 fe:00 5 /x\n", "").empty()); // end before start
        // The same path on another inode is another file.
        QCOMPARE(
            mappedFiles("1000-2000 r--p 0 fe:00 5 /x\n3000-4000 r--p 0 fe:00 6 /x\n", "").size(),
            size_t(2));
    }

    // Keys chosen to collide in a fixed hash still give each file once; what they cost is a
    // figure of `vok-bench processes --colliding N`, not a timed test.
    void chosenKeysKeepEachFileOnce() {
        for (const bool colliding : {false, true})
            QCOMPARE(mappedFiles(mapsOfManyFiles(20000, colliding), "").size(), size_t(20000));
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

    void pidNamesInRangeOnly() {
        for (const pid_t pid : {1, 4194304, INT_MAX})
            QCOMPARE(parsePid(QByteArray::number(pid)), std::optional<pid_t>(pid));
        for (const char* name :
             {"2147483648", "99999999999999999999", "-1", "0", "007", "12abc", "+5", "", "self"})
            QVERIFY2(!parsePid(name), name);
    }

    // The reader over a proc tree made of plain files: ended and unreadable processes, names
    // for unreadable executables, global usage by device and inode, not by path text, and
    // entries whose names are no pid.
    void snapshotFromAProcTree() {
        FakeRoot r;
        r.proc(300, "three", 1,
               "1000-3000 r--p 0 fe:00 10 /bin/three\n5000-6000 r--p 0 fe:00 20 /lib/a.so\n",
               "/bin/three");
        r.proc(20, "two", 2,
               "1000-2000 r--p 0 fe:00 20 /lib/renamed.so\n"
               "7000-8000 r--p 0 fe:01 20 /lib/a.so\n",
               "/bin/two");
        r.proc(7, "kworker/0:1", 1, {});
        QDir(r.dir.path()).mkpath("9"); // ended: no stat any more
        QDir(r.dir.path()).mkpath("self");
        for (const QString name : {"99999999999999999999", "2147483648", "-1", "0", "12abc"})
            r.put(name + "/stat", "1 (odd) S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 1\n");

        LinuxProcessSnapshots reader(r.root());
        int paced = 0;
        const ProcessSnapshot s = reader.take([&] { ++paced; });
        QVERIFY(s.taken);
        QCOMPARE(paced, 4);
        QCOMPARE(s.processes.size(), size_t(3));
        const ProcessRecord &seven = s.processes[0], &two = s.processes[1], &three = s.processes[2];
        QCOMPARE(std::tuple(seven.pid, seven.exePath, seven.modules.size()),
                 std::tuple(qint64(7), QString("[kworker/0:1]"), size_t(0)));
        QCOMPARE(std::tuple(two.exePath, two.usageCount, two.modules.size()),
                 std::tuple(QString("/bin/two"), 2, size_t(2)));
        // 20's /lib/renamed.so is the same file as /lib/a.so in 300; its /lib/a.so is not.
        QCOMPARE(
            std::tuple(two.modules[0].path, two.modules[0].globalUsage, two.modules[1].globalUsage),
            std::tuple(QString("/lib/renamed.so"), 2, 1));
        QCOMPARE(
            std::tuple(three.modules[0].path, three.modules[0].size, three.modules[1].globalUsage),
            std::tuple(QString("/bin/three"), quint64(0x2000), 2));

        // Past the limit maps are passed over, a line the limit cuts included.
        const qsizetype firstLine = QByteArray("1000-3000 r--p 0 fe:00 10 /bin/three\n").size();
        const ProcessSnapshot cut = LinuxProcessSnapshots(r.root(), firstLine + 10).take();
        QCOMPARE(cut.processes[2].modules.size(), size_t(1));
        QCOMPARE(cut.processes[1].modules.size(), size_t(1));

        LinuxProcessSnapshots missing(r.root() + "/none");
        QVERIFY(!missing.take().taken);
    }

    // Every reader of proc and sys files, given a FIFO, a link to /dev/zero or a file larger
    // than its limit where it expects a small file, reads nothing, neither blocking nor
    // growing without bound; the same tree with plain files gives the figures.
    void hostileFilesReadAsNothing() {
        for (const Kind kind : {Kind::Plain, Kind::Fifo, Kind::ZeroLink, Kind::Huge}) {
            FakeRoot r;
            r.put("meminfo", "MemTotal: 1000 kB\n", kind);
            r.put("self/mountinfo", "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n", kind);
            r.proc(5, "five", 1, "1000-2000 r--p 0 fe:00 5 /x\n", {}, kind);
            r.put("5/status", "Uid:\t" + QByteArray::number(::getuid()) + "\nThreads:\t3\n", kind);
            r.put("dev/block/8:1/removable", "1\n", kind);

            const bool plain = kind == Kind::Plain;
            const QByteArray what = QByteArray::number(int(kind));
            QVERIFY2((LinuxMemoryInfo(r.root()).status().totalPhys == 1024000) == plain, what);
            QVERIFY2(parseMountInfo(readMountInfoUnder(r.root())).isEmpty() != plain, what);
            QVERIFY2((userTaskUse(r.root()).used == 3u) == plain, what);
            const ProcessSnapshot s = LinuxProcessSnapshots(r.root()).take();
            QCOMPARE(s.processes.size(), size_t(1));
            QVERIFY2(s.processes[0].modules.empty() != plain, what);
            MountEntry sda1{0, 0, 8, 1, {}, {}, {}, {}, "/dev/sda1"};
            QVERIFY2(SysfsDeviceProbe(r.dir.path()).isRemovable(sda1) == plain, what);
        }
    }

    // Tens of thousands of mappings of a long path make maps hundreds of megabytes: the
    // snapshot lists the file once and reads a bounded part of that text, so its memory does
    // not grow by what the whole text would take.
    void manyMappingsOfALongPathCostLittle() {
        QTemporaryDir dir;
        QString file = dir.path();
        while (file.size() < 3800)
            file += '/' + QString(250, 'd');
        QVERIFY(QDir().mkpath(file));
        file += "/f";
        QVERIFY(QFile::copy(VOK_MAP_HELPER, file));
        Child many;
        many.process.start(VOK_MAP_HELPER, {"--many", file, "60000"});
        QVERIFY(many.ready());

        const long before = peakKb();
        const ProcessSnapshot s = LinuxProcessSnapshots().take();
        const long grown = peakKb() - before;
        const ProcessRecord* p = find(s, many.process.processId());
        QVERIFY(p);
        QCOMPARE(p->modules.front().path, QFileInfo(VOK_MAP_HELPER).canonicalFilePath());
        QCOMPARE(std::count_if(p->modules.begin(), p->modules.end(),
                               [&](const ModuleRecord& m) { return m.path == file; }),
                 1);
        QVERIFY2(grown < 64 * 1024, qPrintable(QString("%1 kB more").arg(grown)));
    }

    void childrenAsProcSeesThem() {
        QTemporaryDir dir;
        // A blank and " * " in the name: the tree line must still give the path back.
        const QString file = dir.path() + "/map me * twice.dat";
        QVERIFY(writeFile(file, QByteArray(16384, 'x')));
        const QString library = "/usr/lib/x86_64-linux-gnu/libz.so.1";
        if (!QFileInfo::exists(library))
            QSKIP("libz.so.1 is not installed where the helper loads it from");
        Child a, b, sleeper;
        sleeper.endsOnEof = false;
        a.process.start(VOK_MAP_HELPER, {file, library, "4"});
        b.process.start(VOK_MAP_HELPER, {file, library, "1"});
        sleeper.process.start("/bin/sleep", {"600"});
        QVERIFY(a.ready() && b.ready());
        QVERIFY(sleeper.process.waitForStarted(5000));
        // Started is not yet loaded: its maps settle once it sleeps.
        QTRY_COMPARE_WITH_TIMEOUT(stateOf(sleeper.process.processId()), 'S', 10000);

        LinuxProcessSnapshots reader;
        const ProcessSnapshot s = reader.take();
        QVERIFY(s.taken);
        for (size_t i = 1; i < s.processes.size(); ++i)
            QVERIFY(s.processes[i - 1].pid < s.processes[i].pid);

        const QString helperExe = QFileInfo(VOK_MAP_HELPER).canonicalFilePath();
        for (const auto& [child, threads] : {std::pair{&a, 4}, {&b, 1}, {&sleeper, 1}}) {
            const qint64 pid = child->process.processId();
            const ProcessRecord* p = find(s, pid);
            QVERIFY(p);
            QCOMPARE(p->exePath, QFileInfo(QString("/proc/%1/exe").arg(pid)).symLinkTarget());
            QCOMPARE(p->usageCount, threads);
            // The same files with the same spans; the executable first, then by address.
            const std::map<FileId, Expected> expected = filesOf(pid);
            QCOMPARE(p->modules.size(), expected.size());
            QCOMPARE(p->modules.front().path, p->exePath);
            for (const auto& [id, e] : expected) {
                const ModuleRecord* m = module(*p, e.path);
                QVERIFY2(m, qPrintable(e.path));
                QCOMPARE(m->size, e.high - e.low);
            }
            std::vector<quint64> lows;
            for (size_t i = 1; i < p->modules.size(); ++i)
                for (const auto& [id, e] : expected)
                    if (e.path == p->modules[i].path)
                        lows.push_back(e.low);
            QVERIFY(std::is_sorted(lows.begin(), lows.end()));
        }

        const ProcessRecord* pa = find(s, a.process.processId());
        const ModuleRecord* mapped = module(*pa, file);
        QVERIFY(mapped);
        QCOMPARE(mapped->size, quint64(9 * sysconf(_SC_PAGESIZE))); // two pages, gap included
        QCOMPARE(mapped->globalUsage, 2);
        QCOMPARE(module(*pa, helperExe)->globalUsage, 2);
        const auto lib = std::find_if(pa->modules.begin(), pa->modules.end(), [](const auto& m) {
            return QFileInfo(m.path).fileName().startsWith("libz.so");
        });
        QVERIFY(lib != pa->modules.end());
        QVERIFY(lib->globalUsage >= 2);
        QCOMPARE(module(*find(s, sleeper.process.processId()), library), nullptr);

        // The tree line of the mapped file leads back to it.
        const ProcessTreeLines tree = processTreeLines(s);
        const auto line =
            std::find_if(tree.lines.begin(), tree.lines.end(), [&](const TreeLine& l) {
                return l.text == file + " * size is " + QString::number(mapped->size) +
                                     " bytes has been used 2 times";
            });
        QVERIFY(line != tree.lines.end());
        QCOMPARE(lineFilePath(line->text), file);

        // Our own process is in it, with modules; a kernel thread is named in brackets.
        QVERIFY(!find(s, QCoreApplication::applicationPid())->modules.empty());
        if (const ProcessRecord* kthreadd = find(s, 2); kthreadd && kthreadd->modules.empty())
            QVERIFY(kthreadd->exePath.startsWith('['));
    }
};

QTEST_GUILESS_MAIN(ProcessSnapshotLiveTest)
#include "process_snapshot_live_test.moc"
