#include "app/DisplayCheck.h"
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace vok {

namespace {

void sayNoDisplay() {
    //: DISPLAY and WAYLAND_DISPLAY are the names of environment variables.
    std::fputs(QCoreApplication::translate("vok::DisplayCheck",
                                           "vok: Vok needs a graphical display, and none could be "
                                           "opened (DISPLAY or WAYLAND_DISPLAY names it).\n")
                   .toLocal8Bit()
                   .constData(),
               stderr);
    std::fflush(stderr);
}

// Qt's fatal text while it opens the display suggests reinstalling, which never helps. Any
// other message goes to Qt's own handler, in place meanwhile.
void endWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        qInstallMessageHandler(nullptr);
        qt_message_output(type, context, text);
        qInstallMessageHandler(endWithoutDisplay);
        return;
    }
    sayNoDisplay();
    std::_Exit(kNoDisplayStatus);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        sayNoDisplay();
        return nullptr;
    }
    const QtMessageHandler before = qInstallMessageHandler(endWithoutDisplay);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(before);
    return app;
}

} // namespace vok
