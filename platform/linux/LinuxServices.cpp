#include "platform/PlatformServices.h"
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
#include "platform/linux/SessionTopLevelWindows.h"

namespace vok {

struct PlatformServices::Parts {
    LinuxDirectoryReader directories;
    LinuxTrash trash;
    LinuxSettingsFile settings;
    LinuxDriveTable drives;
    LinuxMemoryInfo memory;
    LinuxResourceInfo resources;
    LinuxProcessSnapshots processes;
    LinuxVersionFiles versions;
    SessionTopLevelWindows windows;
    LinuxSystemFacts system;
    DpkgPackageIndex packages;
};

PlatformServices::PlatformServices(DialogService& dialogs)
    : parts_(std::make_unique<Parts>()), all(servicesOf(*parts_, dialogs)) {}

PlatformServices::~PlatformServices() = default;

} // namespace vok
