#include "diskscreens/UnFilever.h"
#include "main/Unit1.h"
#include "platform/Services.h"
#include "platform/linux/LinuxVersionFiles.h"
#include <QApplication>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vok::installLinuxServices();
    vok::LinuxVersionFiles versionFiles;
    // The file information window, created hidden after the main window and kept for the run.
    std::unique_ptr<vok::TFileInfo> FileInfo;
    return vok::runVok(app, [&] { FileInfo = std::make_unique<vok::TFileInfo>(versionFiles); });
}
