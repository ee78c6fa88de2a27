#include "bench/BenchReport.h"
#include "bench/FileInfoBench.h"
#include "bench/FloorWalk.h"
#include "bench/ProcessesBench.h"
#include "bench/ScreenShots.h"
#include "bench/SearchScreenBench.h"
#include "bench/TreeBench.h"
#include "controls/GridRows.h"
#include "controls/QtDialogService.h"
#include "controls/Version.h"
#include "diskscreens/FindFiles.h"
#include "diskscreens/FoundFiles.h"
#include "diskscreens/GridSort.h"
#include "diskscreens/ListDirectory.h"
#include "platform/FileNames.h"
#include "platform/PlatformServices.h"
#include "platform/linux/LinuxSettingsFile.h"
#include "platform/linux/LinuxVersionFiles.h"
#include "support/RandomGrid.h"
#include "support/ShownColours.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaProperty>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <ctime>

// vok-bench: times the walk, the listing and the sort on the code the screens run.
using namespace vok;
using vok::bench::allDisksScreen;
using vok::bench::BenchReport;
using vok::bench::nodeSort;
using vok::bench::treeScreen;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: vok-bench search DIR MASK [--print FILE]\n"
                 "       vok-bench floor DIR [--threads N]\n"
                 "       vok-bench screen DIR MASK\n"
                 "       vok-bench tree DIR [--print FILE] [--shot PNG]\n"
                 "       vok-bench nodes N\n"
                 "       vok-bench disks [--shot PNG]\n"
                 "       vok-bench list DIR\n"
                 "       vok-bench sort N\n"
                 "       vok-bench settings KEYS\n"
                 "       vok-bench processes [--lines N | --colliding N]\n"
                 "       vok-bench version FILE [LANGID CODEPAGE]\n"
                 "       vok-bench fileinfo FILE... [--shot PNG]\n"
                 "       vok-bench shot dirspace|search|processes|windows PNG [DIR [MASK]]\n"
                 "  --dark (first) shows every screen in Fusion with a dark palette\n");
    return 2;
}

// Size, a tab and the path, one row a line, bytes exactly as the names are stored.
bool printRows(const GridRows& grid, const QString& file) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int r = 0; r < grid.rows(); ++r) {
        const QByteArray size = QByteArrayView(grid.cellUtf8(1, r)).trimmed().toByteArray();
        if (size.isEmpty())
            continue; // the placeholder row
        out.write(size + '\t' + encodeFileName(grid.cell(0, r)) + '\n');
    }
    return true;
}

void printMaxGap(const WorkPacer& pacer) {
    std::printf("max gap ms       %.1f\n", double(pacer.maxGapNs()) / 1e6);
}

int search(const Services& services, const QString& dir, const QString& mask,
           const QString& printTo) {
    BenchReport report(QStringLiteral("search %1 %2").arg(dir, mask));
    GridRows grid(4);
    Job job;
    Job::Run run(job);
    qint64 total = 0;
    grid.fillColumn(0, QStringLiteral(" "));
    grid.fillColumn(1, QStringLiteral(" "));
    grid.setCell(2, 0, QStringLiteral("0"));
    // The screen's pacing with a check that does nothing, so the gaps between checks show.
    WorkPacer pacer([] {});
    QElapsedTimer phase;
    phase.start();
    {
        FoundFileRows found(grid, total);
        FindFiles(
            *services.directories, *services.drives, job, dir, mask,
            [&found](const QString& d, const DirEntry& rec) { return found.add(d, rec); }, pacer);
    }
    grid.flush();
    const qint64 walked = phase.restart();
    SortGrid(grid, SortByColumn1, true, false, pacer, &job);
    const qint64 sorted = phase.elapsed();
    report.stop();
    report.print(grid.rows() - 1, qint64(grid.bytesUsed()));
    printMaxGap(pacer);
    std::printf("walk and rows s  %.3f\n", double(walked) / 1e3);
    std::printf("sort seconds     %.3f\n", double(sorted) / 1e3);
    std::printf("bytes            %lld\n", static_cast<long long>(total));
    if (!printTo.isEmpty() && !printRows(grid, printTo)) {
        std::fprintf(stderr, "vok-bench: cannot write %s\n", qPrintable(printTo));
        return 1;
    }
    return 0;
}

int list(const Services& services, const QString& dir) {
    BenchReport report(QStringLiteral("list %1").arg(dir));
    GridRows grid(3);
    ScanState state;
    WorkPacer pacer({});
    ListDirectory(*services.directories, state, grid, dir, ListingVariant::DirectorySpace, pacer);
    report.stop();
    report.print(state.ScanFileCount, qint64(grid.bytesUsed()));
    std::printf("bytes            %lld\n", static_cast<long long>(state.ScanByteTotal));
    return 0;
}

int sort(int n) {
    GridRows grid(3);
    fillRandomRows(grid, n, 20261208);
    BenchReport report(QStringLiteral("sort %1").arg(n));
    Job job;
    Job::Run run(job);
    WorkPacer pacer([] {});
    SortGrid(grid, SortByColumn1, true, false, pacer, &job);
    report.stop();
    report.print(n, qint64(grid.bytesUsed()));
    printMaxGap(pacer);
    return 0;
}

// A settings file of KEYS foreign values besides Vok's own: start (read every setting) and close
// (write them and save).
int settings(int keys) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vok95.conf");
    QByteArray text = "[Settings]\nPie1Color=255\n[Disk1]\nFontsize=9\nFontName=Arial\n[Foreign]\n";
    for (int i = 0; i < keys; ++i)
        text += "AForeignValueName" + QByteArray::number(i) + "=some text of a value\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();
    const char* const sections[] = {"Settings", "Disk1", "Disk2", "Dir", "Files", "Bet"};
    const char* const names[] = {"Pie1Color", "Pie2Color", "Fontsize", "FontName", "Total"};
    // Wall clock and this process's processor time, as other programs may share the machine.
    const auto cpu = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    QElapsedTimer clock;
    clock.start();
    qint64 cpuMark = cpu();
    LinuxSettingsFile store(path);
    int found = 0;
    for (const char* s : sections)
        for (const char* n : names)
            found += store.read(QLatin1String(s), QLatin1String(n)) ? 1 : 0;
    const qint64 start = clock.nsecsElapsed();
    const qint64 startCpu = cpu() - cpuMark;
    clock.restart();
    cpuMark = cpu();
    for (const char* s : sections)
        for (const char* n : names)
            store.write(QLatin1String(s), QLatin1String(n), QStringLiteral("12"));
    const bool saved = store.save();
    const qint64 close = clock.nsecsElapsed();
    const qint64 closeCpu = cpu() - cpuMark;
    std::printf("settings %d keys, %lld bytes\n", keys, static_cast<long long>(text.size()));
    std::printf("start seconds    %.3f, processor %.3f (%d values found)\n", double(start) / 1e9,
                double(startCpu) / 1e9, found);
    std::printf("close seconds    %.3f, processor %.3f (%s)\n", double(close) / 1e9,
                double(closeCpu) / 1e9, saved ? "saved" : "not saved");
    return saved ? 0 : 1;
}

// One line, whatever the text holds.
QByteArray escaped(const QString& text) {
    QString t = text;
    t.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
    return t.toUtf8();
}

// What the version reader gives for a file, as the file information screen gets it.
int version(const QString& file, const QString& langText, const QString& codePageText) {
    bool langOk = false, pageOk = false;
    TLanguage language{};
    TCharacterSet charset{};
    if (!languageOfCode(langText.toUShort(&langOk, 0), language) || !langOk ||
        !characterSetOfCode(codePageText.toUShort(&pageOk, 0), charset) || !pageOk) {
        std::fprintf(stderr, "vok-bench: %s %s is no language and code page of the reader\n",
                     qPrintable(langText), qPrintable(codePageText));
        return 2;
    }
    LinuxVersionFiles files;
    TVersionResource reader(files);
    reader.setLanguage(language);
    reader.setCharacterSet(charset);
    reader.setFileName(file);
    std::printf("size\t%u\n", files.versionInfoSize(file));
    const TVersionInfo& info = reader.VersionInfo();
    const QMetaObject& meta = TVersionInfo::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        std::printf("%s\t%s\n", p.name(), escaped(p.readOnGadget(&info).toString()).constData());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // The process tree is timed on the screen itself, which needs the widget toolkit.
    if (argc >= 2 && std::strcmp(argv[1], "processes") == 0) {
        const int status = vok::bench::processes(argc, argv);
        return status == 2 ? usage() : status;
    }
    // The tree and all-disks figures run the screens themselves; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtDialogService dialogs;
    const PlatformServices platform(dialogs);
    const Services& services = platform.all;
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--dark")) {
        args.removeFirst();
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(vok::test::darkPalette());
    }
    const QString cmd = args.value(0);
    if (cmd == QLatin1String("search") && (args.size() == 3 || args.size() == 5)) {
        QString printTo;
        if (args.size() == 5) {
            if (args[3] != QLatin1String("--print"))
                return usage();
            printTo = args[4];
        }
        return search(services, args[1], args[2], printTo);
    }
    // Options after the command's own arguments: --print FILE, --shot PNG.
    auto option = [&](int from, const QString& name, QString* value) {
        for (int i = from; i + 1 < args.size(); i += 2)
            if (args[i] == name)
                *value = args[i + 1];
    };
    auto optionsValid = [&](int from) {
        if ((args.size() - from) % 2 != 0)
            return false;
        for (int i = from; i < args.size(); i += 2)
            if (args[i] != QLatin1String("--print") && args[i] != QLatin1String("--shot"))
                return false;
        return true;
    };
    if (cmd == QLatin1String("tree") && args.size() >= 2 && optionsValid(2)) {
        QString printTo, shot;
        option(2, QStringLiteral("--print"), &printTo);
        option(2, QStringLiteral("--shot"), &shot);
        return treeScreen(services, args[1], printTo, shot);
    }
    if (cmd == QLatin1String("disks") && optionsValid(1)) {
        QString shot;
        option(1, QStringLiteral("--shot"), &shot);
        return allDisksScreen(services, shot);
    }
    if (cmd == QLatin1String("version") && (args.size() == 2 || args.size() == 4))
        return version(args[1], args.value(2, QStringLiteral("1033")),
                       args.value(3, QStringLiteral("1252")));
    if (cmd == QLatin1String("fileinfo") && args.size() >= 2) {
        QStringList files = args.mid(1);
        QString shot;
        if (files.size() >= 3 && files[files.size() - 2] == QLatin1String("--shot")) {
            shot = files.takeLast();
            files.removeLast();
        }
        return vok::bench::fileInfoScreen(services, files, shot);
    }
    if (cmd == QLatin1String("shot") && args.size() >= 3 && args.size() <= 5)
        return vok::bench::screenShot(services, args[1], args[2], args.value(3, "/"),
                                      args.value(4, "*.*"));
    if (cmd == QLatin1String("screen") && args.size() == 3)
        return vok::bench::searchScreen(services, args[1], args[2]);
    if (cmd == QLatin1String("floor") && (args.size() == 2 || args.size() == 4)) {
        bool ok = args.size() == 2;
        const int threads = ok ? 1 : args[3].toInt(&ok);
        if (!ok || (args.size() == 4 && args[2] != QLatin1String("--threads")) || threads < 1 ||
            threads > 64)
            return usage();
        return vok::bench::floorWalk(encodeFileName(args[1]), threads);
    }
    if (cmd == QLatin1String("list") && args.size() == 2)
        return list(services, args[1]);
    bool ok = false;
    const int n = args.value(1).toInt(&ok);
    if (cmd == QLatin1String("sort") && args.size() == 2 && ok && n > 0)
        return sort(n);
    if (cmd == QLatin1String("nodes") && args.size() == 2 && ok && n > 0)
        return nodeSort(n);
    if (cmd == QLatin1String("settings") && args.size() == 2 && ok && n >= 0)
        return settings(n);
    return usage();
}
