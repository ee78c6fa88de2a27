#pragma once
#include "platform/DirectoryReader.h"

namespace vok {

// Reads directories with openat/fdopendir/readdir and fstatat(AT_SYMLINK_NOFOLLOW), going down
// by directory descriptors so that no path is ever built for the kernel.
class LinuxDirectoryReader : public DirectoryReader {
public:
    bool walk(const QString& dir, WalkVisitor& visitor) override;
    bool fileExists(const QString& path) override;
    QList<DirectoryLink> directoryLinks(const QString& dir) override; // LinuxDirectoryLinks.cpp
};

} // namespace vok
