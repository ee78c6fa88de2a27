#pragma once
#include "platform/linux/DriveRules.h"

namespace vok {

// Asks /sys about the block device under a mount.
class SysfsDeviceProbe : public DeviceProbe {
public:
    // sysRoot: where sysfs is mounted; tests may point it elsewhere.
    explicit SysfsDeviceProbe(QString sysRoot = "/sys") : root_(std::move(sysRoot)) {}
    bool isRemovable(const MountEntry& entry) override;

private:
    QString deviceDirectory(const MountEntry& entry) const;

    QString root_;
};

} // namespace vok
