#include "platform/PlatformServices.h"
#include "platform/unsupported/NothingHere.h"

namespace vok {

struct PlatformServices::Parts {
    NoDirectories directories;
    NoTrash trash;
    NoSettingsFile settings;
    NoDrives drives;
    NoMemoryFigures memory;
    NoResourceLimits resources;
    NoProcesses processes;
    NoVersionFiles versions;
    NoWindows windows;
    NoSystemFacts system;
    NoPackages packages;
};

PlatformServices::PlatformServices(DialogService& dialogs)
    : parts_(std::make_unique<Parts>()), all(servicesOf(*parts_, dialogs)) {}

PlatformServices::~PlatformServices() = default;

} // namespace vok
