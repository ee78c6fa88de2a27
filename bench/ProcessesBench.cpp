#include "bench/ProcessesBench.h"
#include "bench/BenchReport.h"
#include "controls/QtDialogService.h"
#include "memscreens/ProcessTreeLines.h"
#include "memscreens/Unit5.h"
#include "platform/PlatformServices.h"
#include "platform/fake/FakeProcessSnapshots.h"
#include "platform/linux/LinuxProcessSnapshots.h"
#include "support/ProcMapsText.h"
#include "support/TestScreenContext.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace vok::bench {

namespace {

double seconds(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e9;
}

// About `lines` lines: processes of eight lines each, five modules apiece.
ProcessSnapshot madeUp(int lines) {
    ProcessSnapshot s{true, {}};
    for (int pid = 1; pid * 8 < lines; ++pid) {
        ProcessRecord p{pid, QStringLiteral("/usr/bin/program%1").arg(pid), 1, {}};
        for (int m = 0; m < 5; ++m)
            p.modules.push_back(
                {QStringLiteral("/usr/lib/x86_64-linux-gnu/libmodule%1.so.6").arg(m), 2101248,
                 pid});
        s.processes.push_back(std::move(p));
    }
    return s;
}

// The screen's own build, then expanding and paging through the whole tree as a user would.
void timeScreen(Services services, ProcessSnapshots& source) {
    services.processes = &source;
    TestScreenContext context;
    TFmMemTree screen(services, context);
    screen.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    const double cpu = cpuSeconds();
    screen.Button1Click();
    QApplication::processEvents();
    std::printf("build tree s     %.3f (processor %.3f)\n", seconds(clock), cpuSeconds() - cpu);
    clock.restart();
    screen.Button2Click();
    QApplication::processEvents();
    std::printf("expand s         %.3f\n", seconds(clock));
    QScrollBar* bar = screen.TreeView1->verticalScrollBar();
    const int pages = 200;
    clock.restart();
    for (int i = 1; i <= pages; ++i) {
        bar->setValue(int(qint64(bar->maximum()) * i / pages));
        screen.TreeView1->viewport()->repaint();
    }
    std::printf("tree lines       %d (its own snapshot)\n", [&] {
        int n = screen.TreeView1->topLevelItemCount();
        for (int i = 0; i < screen.TreeView1->topLevelItemCount(); ++i)
            n += screen.TreeView1->topLevelItem(i)->childCount();
        return n;
    }());
    std::printf("ms per page      %.2f (scrolled and repainted, %d pages)\n",
                seconds(clock) * 1000.0 / pages, pages);
}

} // namespace

int processes(int argc, char* argv[]) {
    int made = 0;
    int colliding = 0;
    if (argc == 4 && std::strcmp(argv[2], "--lines") == 0)
        made = std::atoi(argv[3]);
    else if (argc == 4 && std::strcmp(argv[2], "--colliding") == 0)
        colliding = std::atoi(argv[3]);
    else if (argc != 2)
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtDialogService dialogs;
    const PlatformServices platform(dialogs);
    // --colliding: a proc root of its own, one process whose maps has keys chosen to collide.
    QTemporaryDir crafted;
    if (colliding > 0) {
        QDir(crafted.path()).mkdir("1");
        QFile stat(crafted.filePath("1/stat")), maps(crafted.filePath("1/maps"));
        if (!stat.open(QIODevice::WriteOnly) || !maps.open(QIODevice::WriteOnly))
            return 1;
        stat.write("1 (crafted) S 0 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 1\n");
        maps.write(mapsOfManyFiles(colliding, true));
    }
    LinuxProcessSnapshots live(colliding > 0 ? QFile::encodeName(crafted.path()) : "/proc");
    FakeProcessSnapshots fake;
    if (made > 0)
        fake.snapshot = madeUp(made);
    ProcessSnapshots& source = made > 0 ? static_cast<ProcessSnapshots&>(fake) : live;

    QElapsedTimer clock;
    clock.start();
    const double cpu = cpuSeconds();
    const ProcessSnapshot snapshot = source.take();
    const double taken = seconds(clock);
    const double takenCpu = cpuSeconds() - cpu;
    const ProcessTreeLines tree = processTreeLines(snapshot);
    const double total = seconds(clock);
    const double totalCpu = cpuSeconds() - cpu;
    std::printf("processes%s\n", made > 0 ? " (made up)" : colliding > 0 ? " (crafted maps)" : "");
    std::printf("processes        %lld\n", static_cast<long long>(tree.totals.processes));
    std::printf("modules          %lld\n", static_cast<long long>(tree.totals.modules));
    std::printf("lines            %zu\n", tree.lines.size());
    std::printf("seconds          %.3f (snapshot %.3f, lines %.3f)\n", total, taken, total - taken);
    std::printf("processor s      %.3f (snapshot %.3f, lines %.3f)\n", totalCpu, takenCpu,
                totalCpu - takenCpu);
    timeScreen(platform.all, source);
    return 0;
}

} // namespace vok::bench
