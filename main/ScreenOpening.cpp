#include "diskscreens/Unit2.h"
#include "diskscreens/Unit4.h"
#include "main/Unit1.h"
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
        dirScreen_ = std::make_unique<TFmDir>(*this);
    showModal(dirScreen_.get());
}

void TfmVok::FileSearch1Click() {
    if (!filesScreen_)
        filesScreen_ = std::make_unique<TfmFiles>(*this);
    showModal(filesScreen_.get());
}

} // namespace vok
