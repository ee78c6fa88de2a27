#include "bench/BenchReport.h"
#include "bench/PeakMemory.h"
#include "controls/DirectoryListBox.h"
#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace vok::bench {

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

BenchReport::BenchReport(QString what) : what_(std::move(what)), cpuStart_(cpuSeconds()) {
    clock_.start();
}

void BenchReport::stop() {
    nanos_ = clock_.nsecsElapsed();
    cpu_ = cpuSeconds() - cpuStart_;
}

void BenchReport::print(qint64 files, qint64 gridBytes) const {
    const double seconds = double(nanos_) / 1e9;
    const qint64 peak = peakResidentBytes();
    const double perFile = files > 0 ? double(peak) / double(files) : 0.0;
    std::printf("%s\n", qPrintable(what_));
    std::printf("files            %lld\n", static_cast<long long>(files));
    std::printf("seconds          %.3f\n", seconds);
    std::printf("cpu seconds      %.3f\n", cpu_);
    std::printf("files/second     %.0f\n", seconds > 0 ? double(files) / seconds : 0.0);
    std::printf("peak resident    %lld bytes (VmHWM)\n", static_cast<long long>(peak));
    std::printf("peak bytes/file  %.1f\n", perFile);
    if (gridBytes >= 0)
        std::printf("grid bytes/row   %.1f\n", files > 0 ? double(gridBytes) / double(files) : 0.0);
}

bool showScreenOn(QWidget& screen, TDirectoryListBox& list, const QString& dir) {
    screen.show();
    QCoreApplication::processEvents();
    // The screens walk from absolute paths only, as the directory list gives them; a DIR given
    // relative to the working folder is made one first.
    const QString absolute = QDir::cleanPath(QDir(dir).absolutePath());
    list.setDirectory(absolute);
    if (list.directory() == absolute)
        return true;
    std::fprintf(stderr, "vok-bench: cannot go to %s\n", qPrintable(dir));
    return false;
}

} // namespace vok::bench
