// The program entry: the services, the main window, then the hidden file information window.
#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "app/DisplayCheck.h"
#include "app/Languages.h"
#include "controls/OnlyOne.h"
#include "controls/QtDialogService.h"
#include "diskscreens/UnFilever.h"
#include "main/Unit1.h"
#include "platform/PlatformServices.h"
#include "platform/RunningCopy.h"
#include <memory>
#include <optional>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = vok::answerCommandLine(argc, argv))
        return *status;
    const std::unique_ptr<QApplication> app = vok::openDisplay(argc, argv);
    if (!app)
        return vok::kNoDisplayStatus;
    vok::installDesktopIdentity();
    vok::speakTheUsersLanguage(*app);
    // Made once and handed to every window; they live until the program ends.
    vok::QtDialogService dialogs;
    const vok::PlatformServices platform(dialogs);
    const vok::Services& services = platform.all;
    const auto copy = vok::thisPlatformsRunningCopy();
    const vok::TOnlyOne OnlyOne1(*copy, vok::kApplicationTitle);
    if (OnlyOne1.anotherCopyRuns())
        return 0;
    // Created hidden after the main window and kept for the run; the process tree opens it.
    std::unique_ptr<vok::TFileInfo> FileInfo;
    return vok::runVok(*app, services, [&](vok::TfmVok& fm) {
        FileInfo = std::make_unique<vok::TFileInfo>(services, fm);
        fm.setFileInfoOpener([&FileInfo](const QString& path) {
            FileInfo->InfoFileName = path;
            FileInfo->exec();
        });
    });
}
