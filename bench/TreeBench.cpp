#include "bench/TreeBench.h"
#include "bench/BenchReport.h"
#include "controls/DirectoryListBox.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "controls/ScreenContext.h"
#include "diskscreens/TreeNodes.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/unfiletest.h"
#include "platform/Drive.h"
#include "platform/FileNames.h"
#include "platform/Services.h"
#include "support/TestScreenContext.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace vok::bench {

namespace {

double millis(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

// Processor time of the whole process so far, in ms: steadier than the wall clock on a busy
// machine.
double cpuMillis() {
    return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

int nodeCount(const QTreeWidget* tree) {
    int count = tree->topLevelItemCount();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        count += tree->topLevelItem(i)->childCount();
    return count;
}

bool printNodes(const QTreeWidget* tree, const QString& file) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = tree->topLevelItem(i);
        out.write(encodeFileName(top->text(0)) + '\0');
        for (int c = 0; c < top->childCount(); ++c)
            out.write(encodeFileName(top->child(c)->text(0)) + '\0');
    }
    return true;
}

// Pages through the whole view, painting each page at once; prints the frame times.
void scrollThrough(QTreeWidget* tree) {
    QScrollBar* bar = tree->verticalScrollBar();
    std::vector<double> frames;
    const double cpuStart = cpuMillis();
    for (int v = 0;; v += bar->pageStep()) {
        QElapsedTimer clock;
        clock.start();
        bar->setValue(std::min(v, bar->maximum()));
        tree->viewport()->repaint();
        frames.push_back(millis(clock));
        if (v >= bar->maximum())
            break;
    }
    double sum = 0;
    for (double f : frames)
        sum += f;
    std::printf("scroll pages     %zu\n", frames.size());
    std::printf("page ms mean     %.2f\n", sum / double(frames.size()));
    std::printf("page ms worst    %.2f\n", *std::max_element(frames.begin(), frames.end()));
    std::printf("page cpu ms mean %.2f\n", (cpuMillis() - cpuStart) / double(frames.size()));
}

} // namespace

int treeScreen(const Services& services, const QString& dir, const QString& printTo,
               const QString& shot) {
    TestScreenContext context;
    TfmTree screen(services, context);
    if (!showScreenOn(screen, *screen.DirectoryListBox1, dir))
        return 1;
    BenchReport report(QStringLiteral("tree %1").arg(dir));
    screen.Button1Click();
    report.stop();
    report.print(screen.scan().ScanFileCount, -1);
    std::printf("directories      %d\n", screen.treeDirCount());
    std::printf("bytes            %lld\n", static_cast<long long>(screen.treeGrandTotal()));
    std::printf("nodes            %d\n", nodeCount(screen.TreeView1));
    std::printf("status           %s\n", qPrintable(screen.Panel1->text()));

    if (!shot.isEmpty() && !screen.grab().save(shot)) {
        std::fprintf(stderr, "vok-bench: cannot write %s\n", qPrintable(shot));
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    screen.TreeView1->viewport()->repaint();
    std::printf("first paint ms   %.2f\n", millis(clock));
    scrollThrough(screen.TreeView1);
    clock.restart();
    const double cpuSort = cpuMillis();
    screen.Button2Click();
    std::printf("sort ms          %.2f (cpu %.2f)\n", millis(clock), cpuMillis() - cpuSort);
    if (!printTo.isEmpty()) {
        screen.Button1Click(); // walk order again, as the live check reads it
        if (!printNodes(screen.TreeView1, printTo)) {
            std::fprintf(stderr, "vok-bench: cannot write %s\n", qPrintable(printTo));
            return 1;
        }
    }
    return 0;
}

int nodeSort(int n) {
    QTreeWidget tree;
    QRandomGenerator random(20261209);
    AddTreeNode(&tree, 1, QStringLiteral("/bench/"));
    for (int i = 0; i < n; ++i)
        AddTreeNode(&tree, 2,
                    TreeFigureText(qint64(random.bounded(1 << 30))) +
                        QStringLiteral("/bench/dir%1/").arg(random.bounded(n)));
    tree.expandAll();
    tree.show();
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = cpuMillis();
    SortTreeNodes(&tree);
    std::printf("node sort %d\nms               %.2f\ncpu ms           %.2f\n", n, millis(clock),
                cpuMillis() - cpuStart);
    return 0;
}

int allDisksScreen(const Services& services, const QString& shot) {
    TestScreenContext context;
    TfmAlldisk screen(services, context);
    QElapsedTimer clock;
    clock.start();
    screen.FormActivate();
    const double ms = millis(clock);
    for (const TPieGraf* pie : screen.PieGraf) {
        if (pie->isHidden())
            continue;
        const QChar letter = pie->caption().back();
        Drive d;
        services.drives->find(letter, &d);
        std::printf("%c\t%d\t%s\t%s\n", char(letter.unicode()), pie->percent(),
                    qPrintable(pie->hint()), encodeFileName(d.mountPoint).constData());
    }
    for (const Drive& d : services.drives->drives())
        if (d.letter >= 'C')
            std::printf("table\t%c\t%s\n", char(d.letter.unicode()),
                        encodeFileName(d.mountPoint).constData());
    std::printf("caption\t%s\n", qPrintable(screen.windowTitle()));
    std::printf("height\t%d\n", screen.height());
    std::fprintf(stderr, "activation ms %.1f\n", ms);
    if (!shot.isEmpty() && !screen.grab().save(shot)) {
        std::fprintf(stderr, "vok-bench: cannot write %s\n", qPrintable(shot));
        return 1;
    }
    return 0;
}

} // namespace vok::bench
