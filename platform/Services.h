#pragma once

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

// The operating-system services and the dialog service the program uses. Whoever builds one
// fills every member (the program entry with this platform's, tests with fakes) and keeps the
// services alive while anything holds it; code may rely on each pointer being set.
struct Services {
    DriveTable* drives = nullptr;
    MemoryInfo* memory = nullptr;
    DialogService* dialogs = nullptr;
    DirectoryReader* directories = nullptr;
    Trash* trash = nullptr;
    SettingsFile* settings = nullptr;
    ResourceInfo* resources = nullptr;
    ProcessSnapshots* processes = nullptr;
    VersionFiles* versions = nullptr;
    TopLevelWindows* windows = nullptr;
    SystemFacts* system = nullptr;
    PackageIndex* packages = nullptr;
};

} // namespace vok
