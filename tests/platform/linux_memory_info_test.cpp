#include "platform/linux/LinuxMemoryInfo.h"
#include <QFile>
#include <QtTest>

using namespace vok;

namespace {

const quint64 kb = 1024;
const quint64 space47 = quint64(1) << 47;

QByteArray readFile(const char* path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class LinuxMemoryInfoTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheFiguresInBytes() {
        const QByteArray meminfo = "MemTotal:       16000000 kB\n"
                                   "MemFree:         1000000 kB\n"
                                   "MemAvailable:    4000000 kB\n"
                                   "Buffers:          100000 kB\n"
                                   "Cached:          2000000 kB\n"
                                   "SwapTotal:       2097148 kB\n"
                                   "SwapFree:        1048574 kB\n"
                                   "HugePages_Total:       0\n";
        // A process whose name looks like a field must not confuse the status parser.
        const QByteArray status = "Name:\tVmSize: 1 kB\n"
                                  "Umask:\t0022\n"
                                  "VmPeak:\t  300000 kB\n"
                                  "VmSize:\t  250000 kB\n";
        const MemoryStatus s = memoryStatusFrom(meminfo, status, space47);
        QCOMPARE(s.totalPhys, 16000000 * kb);
        QCOMPARE(s.availPhys, 4000000 * kb);
        QCOMPARE(s.memoryLoad, 75u);
        QCOMPARE(s.totalPageFile, 2097148 * kb);
        QCOMPARE(s.availPageFile, 1048574 * kb);
        QCOMPARE(s.totalVirtual, space47);
        QCOMPARE(s.availVirtual, space47 - 250000 * kb);
    }

    void memoryLoadIsRounded() {
        // 1/3 in use -> 33, 2/3 -> 67, 0.5 % -> 1
        QCOMPARE(memoryStatusFrom("MemTotal: 3 kB\nMemAvailable: 2 kB\n", "", 0).memoryLoad, 33u);
        QCOMPARE(memoryStatusFrom("MemTotal: 3 kB\nMemAvailable: 1 kB\n", "", 0).memoryLoad, 67u);
        QCOMPARE(memoryStatusFrom("MemTotal: 1000 kB\nMemAvailable: 995 kB\n", "", 0).memoryLoad,
                 1u);
        QCOMPARE(memoryStatusFrom("MemTotal: 1000 kB\nMemAvailable: 0 kB\n", "", 0).memoryLoad,
                 100u);
    }

    void withoutMemAvailableFreeBuffersAndCacheCount() {
        const QByteArray meminfo = "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\n"
                                   "Cached: 250 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB";
        const MemoryStatus s = memoryStatusFrom(meminfo, "", space47);
        QCOMPARE(s.availPhys, 400 * kb);
        QCOMPARE(s.memoryLoad, 60u);
        // Without swap both page file figures are 0.
        QCOMPARE(s.totalPageFile, quint64(0));
        QCOMPARE(s.availPageFile, quint64(0));
        // Without VmSize the whole address space counts as available.
        QCOMPARE(s.availVirtual, space47);
    }

    void garbageGivesZerosNotNonsense() {
        for (const QByteArray& text :
             {QByteArray(), QByteArray("\x01\x02\xff garbage"), QByteArray("MemTotal: lots kB\n"),
              QByteArray("MemFree: 100 kB\n"), QByteArray("MemTotal: 0 kB\nMemFree: 0 kB\n")}) {
            QVERIFY(memoryStatusFrom(text, "VmSize: 10 kB\n", space47) == MemoryStatus{});
        }
        // Available above total, or swap free above swap total, is capped.
        const MemoryStatus capped = memoryStatusFrom(
            "MemTotal: 10 kB\nMemAvailable: 99 kB\nSwapTotal: 5 kB\nSwapFree: 9 kB", "", 0);
        QCOMPARE(capped.availPhys, 10 * kb);
        QCOMPARE(capped.memoryLoad, 0u);
        QCOMPARE(capped.availPageFile, 5 * kb);
    }

    void addressSpaceComesFromTheCpu() {
        QCOMPARE(userAddressSpace("processor\t: 0\naddress sizes\t: 39 bits physical, 48 bits "
                                  "virtual\npower management:\n"),
                 std::optional<quint64>(space47));
        QCOMPARE(userAddressSpace("address sizes\t: 52 bits physical, 57 bits virtual"),
                 std::optional<quint64>(quint64(1) << 56));
        QCOMPARE(userAddressSpace("processor\t: 0\nBogoMIPS\t: 48.00\n"), std::nullopt);
        QCOMPARE(userAddressSpace("address sizes\t: 39 bits physical, 99 bits virtual"),
                 std::nullopt);
    }

    void agreesWithThisMachine() {
        LinuxMemoryInfo info;
        const MemoryStatus s = info.status();
        const auto m = parseKbFields(readFile("/proc/meminfo"));
        QCOMPARE(s.totalPhys, m.value("MemTotal"));
        QVERIFY(s.totalPhys > 0);
        QCOMPARE(s.totalPageFile, m.value("SwapTotal"));
        // Available memory moves all the time; 64 Mb either way is the same moment.
        const qint64 drift = qint64(s.availPhys) - qint64(m.value("MemAvailable"));
        QVERIFY2(qAbs(drift) <= 64 * 1048576, qPrintable(QString::number(drift)));
        QVERIFY(s.memoryLoad <= 100);
        QVERIFY(s.availVirtual < s.totalVirtual);
        QVERIFY(s.totalVirtual >= quint64(1) << 31);
        const auto cpu = userAddressSpace(readFile("/proc/cpuinfo"));
        if (cpu)
            QCOMPARE(s.totalVirtual, *cpu);
    }
};

QTEST_MAIN(LinuxMemoryInfoTest)
#include "linux_memory_info_test.moc"
