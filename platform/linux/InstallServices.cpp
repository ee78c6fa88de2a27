#include "platform/QtDialogService.h"
#include "platform/Services.h"
#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/LinuxTrash.h"
#include "platform/linux/LinuxSettingsFile.h"

namespace vok {

void installLinuxServices() {
    static QtDialogService dialogs;
    services().dialogs = &dialogs;
    static LinuxDirectoryReader directories;
    services().directories = &directories;
    static LinuxTrash trash;
    services().trash = &trash;
    static LinuxSettingsFile settings;
    services().settings = &settings;
}

} // namespace vok
