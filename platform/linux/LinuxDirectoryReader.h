#pragma once
#include "platform/DirectoryReader.h"
#include "platform/linux/ParallelWalk.h"

namespace vok {

// Reads directories with openat/fdopendir/readdir and fstatat(AT_SYMLINK_NOFOLLOW), going down
// by directory descriptors so that no path is ever built for the kernel. A walk with more than
// one thread reads directories on worker threads and reports them on the caller's, in the same
// order as a walk on the caller's thread alone.
class LinuxDirectoryReader : public DirectoryReader {
public:
    explicit LinuxDirectoryReader(int threads = defaultWalkThreads(),
                                  linuxfs::WalkLimits limits = {})
        : threads_(threads), limits_(limits) {}
    bool walk(const QString& dir, const WalkRules& rules, WalkVisitor& visitor) override;
    bool fileExists(const QString& path) override;
    QList<DirectoryLink> directoryLinks(const QString& dir) override; // LinuxDirectoryLinks.cpp

    // VOK_WALK_THREADS when it is a number from 1 (the caller's thread alone) to 64, else as
    // many as the processors Vok may run on, at most 4.
    static int defaultWalkThreads();

private:
    int threads_;
    linuxfs::WalkLimits limits_;
};

} // namespace vok
