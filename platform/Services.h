#pragma once
#include <QtGlobal>

namespace vok {

class DriveTable;
class MemoryInfo;
class ResourceInfo;
class DialogService;
class DirectoryReader;
class Trash;
class SettingsFile;
class ProcessSnapshots;
class VersionFiles;
class TopLevelWindows;
class SystemFacts;
class PackageIndex;

// A service the program cannot run without: reaching it before it is installed stops the
// program with the service's name rather than crashing somewhere later.
template <typename T> class Required {
public:
    Required(T* service = nullptr) : service_(service) {}
    T* operator->() const { return &require(); }
    T& operator*() const { return require(); }
    explicit operator bool() const { return service_ != nullptr; }
    T* pointer() const { return service_; }

private:
    T& require() const {
        if (!service_)
            qFatal("A service was used before it was installed");
        return *service_;
    }
    T* service_;
};

// The operating-system services and the dialog service the program uses. The program installs
// the platform's ones at start; tests install fakes with ScopedServices.
struct Services {
    Required<DriveTable> drives;
    Required<MemoryInfo> memory;
    Required<DialogService> dialogs;
    Required<DirectoryReader> directories;
    Required<Trash> trash;
    Required<SettingsFile> settings;
    Required<ResourceInfo> resources;
    Required<ProcessSnapshots> processes;
    Required<VersionFiles> versions;
    Required<TopLevelWindows> windows;
    Required<SystemFacts> system;
    Required<PackageIndex> packages;
};

Services& services();

// Installs this platform's services for the lifetime of the process.
void installPlatformServices();

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
