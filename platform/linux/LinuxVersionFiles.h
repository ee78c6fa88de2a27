#pragma once
#include "platform/VersionFiles.h"

namespace vok {

// Version blocks of PE files and the facts of ELF files on disk.
class LinuxVersionFiles : public VersionFiles {
public:
    bool exists(const QString& path) override;
    quint32 versionInfoSize(const QString& path) override;
    bool versionInfo(const QString& path, quint32 size, QByteArray& block) override;
    std::optional<ElfFacts> elfFacts(const QString& path) override;
    QString realPath(const QString& path) override;
};

} // namespace vok
