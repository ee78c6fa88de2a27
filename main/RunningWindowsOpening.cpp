#include "main/Unit1.h"
#include "memscreens/UtMem.h"
#include "platform/Services.h"

namespace vok {

// The running windows screen opens beside the main window, which stays as it is.
void TfmVok::PieGraf2Click() {
    if (!memScreen_) {
        Services& s = services();
        memScreen_ = std::make_unique<TfmMem>(
            *s.windows, TSysInfo::Sources{*s.system, *s.memory, *s.drives}, *s.dialogs);
    }
    memScreen_->bringForward();
}

} // namespace vok
