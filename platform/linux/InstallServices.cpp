#include "platform/QtDialogService.h"
#include "platform/Services.h"
#include "platform/linux/DpkgPackageIndex.h"
#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/LinuxDriveTable.h"
#include "platform/linux/LinuxMemoryInfo.h"
#include "platform/linux/LinuxProcessSnapshots.h"
#include "platform/linux/LinuxResourceInfo.h"
#include "platform/linux/LinuxSettingsFile.h"
#include "platform/linux/LinuxSystemFacts.h"
#include "platform/linux/LinuxTrash.h"
#include "platform/linux/LinuxVersionFiles.h"
#include "platform/linux/XcbTopLevelWindows.h"

namespace vok {

void installPlatformServices() {
    static QtDialogService dialogs;
    services().dialogs = &dialogs;
    static LinuxDirectoryReader directories;
    services().directories = &directories;
    static LinuxTrash trash;
    services().trash = &trash;
    static LinuxSettingsFile settings;
    services().settings = &settings;
    static LinuxDriveTable drives;
    services().drives = &drives;
    static LinuxMemoryInfo memory;
    services().memory = &memory;
    static LinuxResourceInfo resources;
    services().resources = &resources;
    static LinuxProcessSnapshots processes;
    services().processes = &processes;
    static LinuxVersionFiles versions;
    services().versions = &versions;
    static XcbTopLevelWindows windows;
    services().windows = &windows;
    static LinuxSystemFacts system;
    services().system = &system;
    static DpkgPackageIndex packages;
    services().packages = &packages;
}

} // namespace vok
