#include "controls/SharedState.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit4.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
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

// A fresh process tree at every opening, so that it takes the directory font of the moment;
// the one opened before is released.
void TfmVok::MemoryMap1Click() {
    memTreeScreen_.reset();
    memTreeScreen_ = std::make_unique<TFmMemTree>(*services().processes, *services().directories,
                                                  shared().display.DirFont, fileInfoOpener_);
    showModal(memTreeScreen_.get());
}

} // namespace vok
