#include "platform/InstalledFiles.h"

namespace vok {

// Nothing here tells who owns a file, so nothing beside the program is loaded.
bool isTrustedInstalledPath(const QString&) {
    return false;
}

} // namespace vok
