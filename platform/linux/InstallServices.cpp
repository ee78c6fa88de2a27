#include "platform/QtDialogService.h"
#include "platform/Services.h"

namespace vok {

void installLinuxServices() {
    static QtDialogService dialogs;
    services().dialogs = &dialogs;
}

} // namespace vok
