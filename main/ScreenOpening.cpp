#include "controls/SharedState.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "platform/Services.h"
#include <QGuiApplication>
#include <QScreen>

namespace vok {

// A modal screen: the main window steps aside while it is open, and is activated again after.
void TfmVok::showModal(QDialog* screen) {
    hide();
    if (const QScreen* display = QGuiApplication::primaryScreen())
        screen->move(display->availableGeometry().center() - screen->rect().center());
    screen->exec();
    show();
    activateWindow();
    Redraw3DPies();
}

void TfmVok::DirectorySearch1Click() {
    if (!shared().created(Screen::DirectorySpace)) {
        dirScreen_ = std::make_unique<TFmDir>();
        shared().created(Screen::DirectorySpace) = true;
    }
    showModal(dirScreen_.get());
}

void TfmVok::FileSearch1Click() {
    if (!shared().created(Screen::FileSearch)) {
        filesScreen_ = std::make_unique<TfmFiles>();
        shared().created(Screen::FileSearch) = true;
    }
    showModal(filesScreen_.get());
}

void TfmVok::AllDisks1Click() {
    if (!shared().created(Screen::AllDisks)) {
        allDisksScreen_ = std::make_unique<TfmAlldisk>(services(), shared().display);
        shared().created(Screen::AllDisks) = true;
    }
    showModal(allDisksScreen_.get());
}

void TfmVok::DirectoryTree1Click() {
    if (!shared().created(Screen::DirectoryTree)) {
        treeScreen_ = std::make_unique<TfmTree>(services());
        shared().created(Screen::DirectoryTree) = true;
    }
    showModal(treeScreen_.get());
}

} // namespace vok
