#pragma once
#include "platform/ElfReader.h"
#include <QByteArray>
#include <QString>
#include <optional>

namespace vok {

// The platform's version services on files: whether a file is there, and the size and bytes of
// its version block. Lookups inside a block are in VersionBlock.h.
class VersionFiles {
public:
    virtual ~VersionFiles() = default;
    virtual bool exists(const QString& path) = 0;
    // 0 when the file has no version block or cannot be read.
    virtual quint32 versionInfoSize(const QString& path) = 0;
    // `block` receives at most `size` bytes of the block; false when there is none now.
    virtual bool versionInfo(const QString& path, quint32 size, QByteArray& block) = 0;
    // What an ELF file says of itself; nothing for other files.
    virtual std::optional<ElfFacts> elfFacts(const QString& path) = 0;
    // The path with every symbolic link resolved (libz.so.1 gives .../libz.so.1.2.13); the path
    // itself when it cannot be resolved.
    virtual QString realPath(const QString& path) = 0;
};

} // namespace vok
