#pragma once
#include "platform/Services.h"
#include <memory>

namespace vok {

// This platform's implementation of every operating-system service, made once by the program
// entry, which hands `all` to what it builds. The dialog service is the toolkit's: the entry
// makes it and it must outlive this.
class PlatformServices {
    struct Parts;
    std::unique_ptr<Parts> parts_;

public:
    explicit PlatformServices(DialogService& dialogs);
    ~PlatformServices();
    PlatformServices(const PlatformServices&) = delete;
    PlatformServices& operator=(const PlatformServices&) = delete;

    const Services all;
};

// The one list that wires a set of implementations (a platform's parts, the tests' fakes), with
// the dialogs, into `Services`.
template <typename Parts> Services servicesOf(Parts& p, DialogService& dialogs) {
    return {.drives = &p.drives,
            .memory = &p.memory,
            .dialogs = &dialogs,
            .directories = &p.directories,
            .trash = &p.trash,
            .settings = &p.settings,
            .resources = &p.resources,
            .processes = &p.processes,
            .versions = &p.versions,
            .windows = &p.windows,
            .system = &p.system,
            .packages = &p.packages};
}

} // namespace vok
