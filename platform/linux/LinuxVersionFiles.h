#pragma once
#include "platform/VersionFiles.h"

namespace vok {

// Version blocks of PE files on disk.
class LinuxVersionFiles : public VersionFiles {
public:
    bool exists(const QString& path) override;
    quint32 versionInfoSize(const QString& path) override;
    bool versionInfo(const QString& path, quint32 size, QByteArray& block) override;
};

} // namespace vok
