#include "platform/QtDialogService.h"
#include "platform/Services.h"
#include "platform/linux/LinuxSettingsFile.h"

namespace vok {

void installLinuxServices() {
    static QtDialogService dialogs;
    services().dialogs = &dialogs;
    static LinuxSettingsFile settings;
    services().settings = &settings;
}

} // namespace vok
