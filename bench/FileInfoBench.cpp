#include "bench/FileInfoBench.h"
#include "diskscreens/UnFilever.h"
#include "platform/Services.h"
#include "support/TestScreenContext.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <cstdio>

namespace vok::bench {

namespace {

// One line, whatever the text holds.
QByteArray oneLine(QString text) {
    text.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
    return text.toUtf8();
}

} // namespace

int fileInfoScreen(const Services& services, const QStringList& files, const QString& shot) {
    TestScreenContext context;
    TFileInfo screen(services, context);
    const std::pair<QLabel*, QLabel*> rows[] = {{screen.Label1, screen.Company},
                                                {screen.Label2, screen.Description},
                                                {screen.Label3, screen.OS},
                                                {screen.Label4, screen.Filetype},
                                                {screen.Label5, screen.FileVersion},
                                                {screen.Label6, screen.InternalName},
                                                {screen.Label7, screen.Copyright},
                                                {screen.Label8, screen.ProductName},
                                                {screen.Label9, screen.ProductVersion}};
    for (const QString& file : files) {
        screen.InfoFileName = file;
        QElapsedTimer clock;
        clock.start();
        screen.FormActivate();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        std::printf("%s\n", oneLine(file).constData());
        for (const auto& [caption, value] : rows)
            std::printf("%s\t%s\n", oneLine(caption->text().trimmed()).constData(),
                        oneLine(value->text()).constData());
        std::printf("ms\t%.3f\n", ms);
    }
    if (shot.isEmpty())
        return 0;
    screen.show();
    QCoreApplication::processEvents();
    screen.FormActivate();
    QCoreApplication::processEvents();
    if (!screen.grab().save(shot)) {
        std::fprintf(stderr, "vok-bench: cannot write %s\n", qPrintable(shot));
        return 1;
    }
    return 0;
}

} // namespace vok::bench
