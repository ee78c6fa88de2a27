#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
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
    if (!dirScreen_)
        dirScreen_ = std::make_unique<TFmDir>(services_, *this);
    showModal(dirScreen_.get());
}

void TfmVok::FileSearch1Click() {
    if (!filesScreen_)
        filesScreen_ = std::make_unique<TfmFiles>(services_, *this);
    showModal(filesScreen_.get());
}

void TfmVok::AllDisks1Click() {
    if (!allDisksScreen_)
        allDisksScreen_ = std::make_unique<TfmAlldisk>(services_, *this);
    showModal(allDisksScreen_.get());
}

void TfmVok::DirectoryTree1Click() {
    if (!treeScreen_)
        treeScreen_ = std::make_unique<TfmTree>(services_, *this);
    showModal(treeScreen_.get());
}

// A fresh process tree at every opening, so that it takes the directory font of the moment;
// the one opened before is released.
void TfmVok::MemoryMap1Click() {
    memTreeScreen_.reset();
    memTreeScreen_ = std::make_unique<TFmMemTree>(services_, *this);
    showModal(memTreeScreen_.get());
}

} // namespace vok
