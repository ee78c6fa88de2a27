#include "controls/SharedState.h"
#include "diskscreens/Unit2.h"
#include "main/Unit1.h"

namespace vok {

// A modal screen: the main window steps aside while it is open, and is activated again after.
void TfmVok::showModal(QDialog* screen) {
    hide();
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

} // namespace vok
