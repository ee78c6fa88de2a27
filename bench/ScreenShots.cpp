#include "bench/ScreenShots.h"
#include "bench/BenchReport.h"
#include "controls/DirectoryListBox.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit4.h"
#include "memscreens/Unit5.h"
#include "memscreens/UtMem.h"
#include "platform/Services.h"
#include "support/TestScreenContext.h"
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>
#include <memory>

namespace vok::bench {

namespace {

std::unique_ptr<QWidget> screenAtWork(const Services& s, const QString& screen, const QString& dir,
                                      const QString& mask, TestScreenContext& context) {
    if (screen == QLatin1String("dirspace")) {
        auto w = std::make_unique<TFmDir>(s, context);
        if (!showScreenOn(*w, *w->DirectoryListBox1, dir))
            return nullptr;
        w->FormActivate();
        w->Files1Click();
        return w;
    }
    if (screen == QLatin1String("search")) {
        auto w = std::make_unique<TfmFiles>(s, context);
        if (!showScreenOn(*w, *w->DirectoryListBox1, dir))
            return nullptr;
        w->Edit1->setText(mask);
        w->Button1Click();
        return w;
    }
    if (screen == QLatin1String("processes")) {
        auto w = std::make_unique<TFmMemTree>(s, context);
        w->setWindowState(Qt::WindowNoState);
        w->resize(640, 460);
        w->show();
        w->Button1Click();
        w->Button2Click();
        return w;
    }
    if (screen == QLatin1String("windows")) {
        auto w = std::make_unique<TfmMem>(s, context);
        w->bringForward();
        return w;
    }
    std::fprintf(stderr, "vok-bench: no screen %s\n", qPrintable(screen));
    return nullptr;
}

} // namespace

int screenShot(const Services& services, const QString& screen, const QString& png,
               const QString& dir, const QString& mask) {
    TestScreenContext context;
    const std::unique_ptr<QWidget> w = screenAtWork(services, screen, dir, mask, context);
    if (!w)
        return 1;
    QCoreApplication::processEvents();
    if (!w->grab().save(png)) {
        std::fprintf(stderr, "vok-bench: cannot write %s\n", qPrintable(png));
        return 1;
    }
    return 0;
}

} // namespace vok::bench
