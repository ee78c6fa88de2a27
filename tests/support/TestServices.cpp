#include "support/TestServices.h"
#include "platform/PlatformServices.h"

namespace vok {

TestServices::TestServices() : services(servicesOf(*this, dialogs)) {
    trash.tree = &directories;
    const qint64 mb = 1048576;
    drives.add('C', "/", DriveType::Fixed, qint64(500.5 * mb), qint64(1023.9 * mb));
}

} // namespace vok
