#include "memscreens/ProcessTreeLines.h"
#include "platform/linux/LinuxProcessSnapshots.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <sys/resource.h>

using namespace vok;

namespace {

QByteArray readProc(qint64 pid, const char* file) {
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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

int threadsOf(qint64 pid) {
    static const QRegularExpression line(R"(\nThreads:\s*(\d+))");
    return line.match(QString::fromLatin1(readProc(pid, "status"))).captured(1).toInt();
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
    bool endsOnEof = true;
    QProcess process;
};

} // namespace

class ProcessSnapshotLiveTest : public QObject {
    Q_OBJECT
private slots:
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
        QVERIFY(many.process.waitForReadyRead(30000));
        QCOMPARE(many.process.readLine(), QByteArray("ready\n"));

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
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(16384, 'x'));
        }
        const QString library = "/usr/lib/x86_64-linux-gnu/libz.so.1";
        if (!QFileInfo::exists(library))
            QSKIP("libz.so.1 is not installed where the helper loads it from");
        Child a, b, sleeper;
        sleeper.endsOnEof = false;
        a.process.start(VOK_MAP_HELPER, {file, library, "4"});
        b.process.start(VOK_MAP_HELPER, {file, library, "1"});
        sleeper.process.start("/bin/sleep", {"600"});
        for (Child* c : {&a, &b}) {
            QVERIFY(c->process.waitForStarted(5000));
            QVERIFY(c->process.waitForReadyRead(10000));
            QCOMPARE(c->process.readLine(), QByteArray("ready\n"));
        }
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
            QCOMPARE(p->usageCount, threadsOf(pid));
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
        QCOMPARE(pa->exePath, helperExe);
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
