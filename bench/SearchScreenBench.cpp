#include "bench/SearchScreenBench.h"
#include "bench/BenchReport.h"
#include "controls/DirectoryListBox.h"
#include "controls/Panel.h"
#include "controls/StringGrid.h"
#include "diskscreens/Unit4.h"
#include "platform/Services.h"
#include "support/TestScreenContext.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace vok::bench {

namespace {

using Clock = std::chrono::steady_clock;

// A key the grid ignores, stamped with the moment it was posted.
class TimedKey : public QKeyEvent {
public:
    TimedKey() : QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier), sent(Clock::now()) {}
    const Clock::time_point sent;
};

class KeyWaits : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (const auto* key = dynamic_cast<const TimedKey*>(e)) {
            waits.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - key->sent).count());
            return true;
        }
        return false;
    }
    std::vector<double> waits;
};

} // namespace

int searchScreen(const Services& services, const QString& dir, const QString& mask) {
    TestScreenContext context;
    TfmFiles screen(services, context);
    if (!showScreenOn(screen, *screen.DirectoryListBox1, dir))
        return 1;
    screen.Edit1->setText(mask);
    KeyWaits waits;
    delete new TimedKey; // the keyboard device is made here, in the thread that owns it
    screen.StringGrid1->installEventFilter(&waits);
    std::atomic<bool> stop{false};
    std::thread poster([&] {
        while (!stop.load()) {
            QCoreApplication::postEvent(screen.StringGrid1, new TimedKey);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    BenchReport report(QStringLiteral("search screen %1 %2").arg(dir, mask));
    screen.Button1Click();
    report.stop();
    stop.store(true);
    poster.join();
    QCoreApplication::processEvents(); // the keys posted during the last stretch
    report.print(screen.StringGrid1->rowCount() - 1,
                 qint64(screen.StringGrid1->cells().bytesUsed()));
    std::printf("status           %s\n", qPrintable(screen.Panel1->text()));
    std::vector<double>& w = waits.waits;
    std::sort(w.begin(), w.end());
    std::printf("keys posted      %zu\n", w.size());
    if (!w.empty()) {
        std::printf("key wait ms p50  %.1f\n", w[w.size() / 2]);
        std::printf("key wait ms p99  %.1f\n", w[w.size() * 99 / 100]);
        std::printf("max gap ms       %.1f\n", w.back());
    }
    return 0;
}

} // namespace vok::bench
