#pragma once
#include "platform/Drive.h"

namespace vok {

// statvfs on the mount point: free is what the user can still write.
DriveSpace statvfsSpace(const QString& mountPoint);

} // namespace vok
