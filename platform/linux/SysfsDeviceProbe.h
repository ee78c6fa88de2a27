#pragma once
#include "platform/DriveRules.h"

namespace vok {

// Asks /sys about the block device under a mount.
class SysfsDeviceProbe : public DeviceProbe {
public:
    bool isRemovable(const MountEntry& entry) override;
};

} // namespace vok
