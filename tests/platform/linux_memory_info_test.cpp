#include "platform/VokError.h"
#include "platform/linux/LinuxMemoryInfo.h"
#include "platform/linux/LinuxResourceInfo.h"
#include "platform/linux/LinuxSystemFacts.h"
#include "support/TestFiles.h"
#include <QtTest>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

using namespace vok;

namespace {

const quint64 kb = 1024;
const quint64 space47 = quint64(1) << 47;

// All figures of a status, in the order of its fields, for comparisons that print them.
auto figures(const MemoryStatus& s) {
    return std::tuple(s.memoryLoad, s.totalPhys, s.availPhys, s.totalPageFile, s.availPageFile,
                      s.totalVirtual, s.availVirtual);
}

QString errorOf(ResourceKind kind, const ResourceUse& files, const ResourceUse& tasks) {
    try {
        freeResourcePercent(kind, files, tasks);
    } catch (const VokError& e) {
        return e.text();
    }
    return {};
}

const QString noLimit = "Cannot load USER.EXE";
const QString noUsage = "Cannot get address of GetFreeSystemResources";

} // namespace

// What the machine says of itself: memory, free resources, the system and its user.
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
        QCOMPARE(figures(memoryStatusFrom(meminfo, status, space47)),
                 figures({75, 16000000 * kb, 4000000 * kb, 2097148 * kb, 1048574 * kb, space47,
                          space47 - 250000 * kb}));
    }

    void memoryLoadIsRounded() {
        const QString meminfo = QString("MemTotal: %1 kB\nMemAvailable: %2 kB\n");
        // 1/3 in use -> 33, 2/3 -> 67, 0.5 % -> 1
        for (const auto& [total, avail, load] :
             {std::tuple{3, 2, 33u}, {3, 1, 67u}, {1000, 995, 1u}, {1000, 0, 100u}})
            QCOMPARE(memoryStatusFrom(meminfo.arg(total).arg(avail).toLatin1(), "", 0).memoryLoad,
                     load);
    }

    void withoutMemAvailableFreeBuffersAndCacheCount() {
        const QByteArray meminfo = "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\n"
                                   "Cached: 250 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB";
        // Without swap both page file figures are 0; without VmSize the whole address space
        // counts as available.
        QCOMPARE(figures(memoryStatusFrom(meminfo, "", space47)),
                 figures({60, 1000 * kb, 400 * kb, 0, 0, space47, space47}));
    }

    void garbageGivesZerosNotNonsense() {
        for (const QByteArray& text :
             {QByteArray(), QByteArray("\x01\x02\xff garbage"), QByteArray("MemTotal: lots kB\n"),
              QByteArray("MemFree: 100 kB\n"), QByteArray("MemTotal: 0 kB\nMemFree: 0 kB\n")})
            QCOMPARE(figures(memoryStatusFrom(text, "VmSize: 10 kB\n", space47)), figures({}));
        // Available above total, or swap free above swap total, is capped.
        QCOMPARE(
            figures(memoryStatusFrom(
                "MemTotal: 10 kB\nMemAvailable: 99 kB\nSwapTotal: 5 kB\nSwapFree: 9 kB", "", 0)),
            figures({0, 10 * kb, 10 * kb, 5 * kb, 5 * kb, 0, 0}));
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
        if (const auto cpu = userAddressSpace(readFile("/proc/cpuinfo")))
            QCOMPARE(s.totalVirtual, *cpu);
    }

    // The free system resources, figured from the limits on open files and tasks.
    void freeShareOfEachLimit() {
        const ResourceUse files{1024, 256};
        const ResourceUse tasks{1000, 100};
        QCOMPARE(freeResourcePercent(ResourceKind::GDI, files, tasks), 75);
        QCOMPARE(freeResourcePercent(ResourceKind::User, files, tasks), 90);
        QCOMPARE(freeResourcePercent(ResourceKind::System, files, tasks), 75);
        QCOMPARE(freeResourcePercent(ResourceKind::System, ResourceUse{10, 0}, tasks), 90);
    }

    void percentagesStayInRange() {
        QCOMPARE(freeShare({1000, 0}), 100);
        QCOMPARE(freeShare({1000, 1}), 99); // rounded down: not all free
        QCOMPARE(freeShare({1000, 1000}), 0);
        QCOMPARE(freeShare({1000, 5000}), 0); // a limit lowered below what is already open
    }

    void failuresUseTheSystemTexts() {
        const ResourceUse good{100, 10};
        QCOMPARE(errorOf(ResourceKind::GDI, {std::nullopt, 10}, good), noLimit);
        QCOMPARE(errorOf(ResourceKind::GDI, {0, 0}, good), noLimit); // no division by zero
        QCOMPARE(errorOf(ResourceKind::GDI, {100, std::nullopt}, good), noUsage);
        QCOMPARE(errorOf(ResourceKind::User, good, {std::nullopt, 10}), noLimit);
        QCOMPARE(errorOf(ResourceKind::User, good, {100, std::nullopt}), noUsage);
        QCOMPARE(errorOf(ResourceKind::User, {std::nullopt, std::nullopt}, good), QString());
        // System needs both and names a missing limit before a missing count.
        QCOMPARE(errorOf(ResourceKind::System, {100, std::nullopt}, {std::nullopt, 1}), noLimit);
        QCOMPARE(errorOf(ResourceKind::System, good, {100, std::nullopt}), noUsage);
    }

    void countsTasksByRealUser() {
        const QByteArray status = "Name:\tUid: 0\n"
                                  "Uid:\t1000\t0\t0\t0\n"
                                  "Gid:\t1000\t1000\t1000\t1000\n"
                                  "Threads:\t7\n";
        QCOMPARE(tasksOfUser(status, 1000), quint64(7));
        QCOMPARE(tasksOfUser(status, 0), quint64(0));
        QCOMPARE(tasksOfUser("Threads:\t3\n", 1000), quint64(0));
    }

    void realFiguresAreInRange() {
        LinuxResourceInfo info;
        const int gdi = info.freeResourcePercent(ResourceKind::GDI);
        const int user = info.freeResourcePercent(ResourceKind::User);
        const int system = info.freeResourcePercent(ResourceKind::System);
        for (int p : {gdi, user, system})
            QVERIFY(p >= 0 && p <= 100);
        QVERIFY(system <= gdi + 1 && system <= user + 1); // counts may move between calls
        // This test itself runs as one of the user's tasks and holds open files.
        QVERIFY(userTaskUse().used.value_or(0) >= 1);
        QVERIFY(openFileUse().used.value_or(0) >= 3);
    }

    // The user, the kernel and the processor, as the main window names them.
    void fullNameIsTheFirstGecosField() {
        QCOMPARE((QStringList{fullNameFromGecos("Ann Example,Room 4,555-1234,,"),
                              fullNameFromGecos("  Zoë Ångström  "), fullNameFromGecos(",Room 4"),
                              fullNameFromGecos("")}),
                 (QStringList{"Ann Example", "Zoë Ångström", "", ""}));
    }

    void processorTypes() {
        const std::pair<const char*, int> rows[] = {{"x86_64", 586}, {"i686", 586}, {"i586", 586},
                                                    {"i486", 486},   {"i386", 386}, {"aarch64", 0},
                                                    {"x86_64x", 0},  {"", 0}};
        for (const auto& [machine, type] : rows)
            QVERIFY2(processorTypeOf(machine) == type, machine);
    }

    // "release=version" rows; no version where the release names none.
    void kernelVersions() {
        for (const QString& row :
             QString("6.1.0-18-amd64=6.1.0 4.9.337=4.9.337 6.8-rc1=6.8.0 = linux= 99999999999.1.1=")
                 .split(' ')) {
            const OsVersion v = kernelVersionOf(row.section('=', 0, 0).toLatin1());
            QCOMPARE(v.known ? QString("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.build) : "",
                     row.section('=', 1));
        }
    }

    void theRealMachineAnswers() {
        utsname u{};
        QCOMPARE(uname(&u), 0);
        LinuxSystemFacts facts;
        const OsVersion v = facts.osVersion();
        QVERIFY(v.known);
        QVERIFY(QByteArray(u.release).startsWith(QByteArray::number(v.major) + "." +
                                                 QByteArray::number(v.minor)));
        QCOMPARE(facts.processorType(), processorTypeOf(u.machine));
        const passwd* me = getpwuid(getuid());
        QVERIFY(me);
        QCOMPARE(facts.ownerName(), fullNameFromGecos(me->pw_gecos));
    }
};

QTEST_MAIN(LinuxMemoryInfoTest)
#include "linux_memory_info_test.moc"
