#pragma once

namespace vok {

class DriveTable;
class MemoryInfo;
class ResourceInfo;
class DialogService;
class DirectoryReader;
class Trash;
class SettingsFile;
class TopLevelWindows;
class SystemFacts;

// The operating-system services and the dialog service the program uses. The program installs
// the Linux ones at start; tests install fakes with ScopedServices.
struct Services {
    DriveTable* drives = nullptr;
    MemoryInfo* memory = nullptr;
    DialogService* dialogs = nullptr;
    DirectoryReader* directories = nullptr;
    Trash* trash = nullptr;
    SettingsFile* settings = nullptr;
    ResourceInfo* resources = nullptr;
    TopLevelWindows* windows = nullptr;
    SystemFacts* system = nullptr;
};

Services& services();

// Installs the real services for the lifetime of the process.
void installLinuxServices();

// Replaces the services for one scope and restores the previous ones after it.
class ScopedServices {
public:
    explicit ScopedServices(const Services& replacement) : saved_(services()) {
        services() = replacement;
    }
    ~ScopedServices() { services() = saved_; }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services saved_;
};

} // namespace vok
