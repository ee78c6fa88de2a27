#include "support/TestServices.h"

namespace vok {

static Services fakes(TestServices* t) {
    Services s;
    s.drives = &t->drives;
    s.memory = &t->memory;
    s.dialogs = &t->dialogs;
    s.directories = &t->directories;
    s.trash = &t->trash;
    s.settings = &t->settings;
    s.resources = &t->resources;
    s.processes = &t->processes;
    s.windows = &t->windows;
    s.system = &t->system;
    s.versions = &t->versions;
    s.packages = &t->packages;
    return s;
}

TestServices::TestServices() : scope(fakes(this)) {
    trash.tree = &directories;
    const qint64 mb = 1048576;
    drives.add('C', "/", DriveType::Fixed, qint64(500.5 * mb), qint64(1023.9 * mb));
}

} // namespace vok
