#include "main/Unit1.h"
#include "memscreens/UtMem.h"

namespace vok {

// The running windows screen opens beside the main window, which stays as it is.
void TfmVok::PieGraf2Click() {
    if (!memScreen_)
        memScreen_ = std::make_unique<TfmMem>(services_, *this);
    memScreen_->bringForward();
}

} // namespace vok
