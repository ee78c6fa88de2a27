#pragma once
#include "platform/DirectoryReader.h"
#include "platform/linux/FileDescriptor.h"
#include <sys/stat.h>

namespace vok::linuxfs {

// What a threaded walk holds at most. Beyond the backlog of entries read ahead of the caller,
// workers read only the directory the caller waits for; beyond the descriptors, a directory
// is closed once read and its subdirectories are opened down from the nearest ancestor still
// open (the start always is).
struct WalkLimits {
    size_t backlog = 32768;
    int heldDescriptors = 256;
};

// Walks the directory open at root (its details in st) as LinuxDirectoryReader does, with
// worker threads that each read whole directories: `threads` of them, more (up to 8) while
// their reads wait for the disk. The visitor hears everything on the calling thread and in
// the order of a walk on one thread. Once the visitor ends the walk, no worker starts another
// system call; the call returns within 50 ms even when a worker hangs in the kernel (a network
// mount that does not answer), leaving that worker to end on its own.
void walkInParallel(FileDescriptor root, const struct stat& st, const WalkRules& rules,
                    WalkVisitor& visitor, int threads, WalkLimits limits = {});

} // namespace vok::linuxfs
