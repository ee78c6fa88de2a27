#pragma once
#include "platform/DirectoryReader.h"
#include <atomic>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vok::linuxfs {

// The attribute bits of an entry named name with the details st.
quint32 attributesOf(const char* name, const struct stat& st);

// The descriptor is what was asked for, not something renamed into its place meanwhile.
bool sameDirectory(int fd, dev_t dev, ino_t ino);

// Reads the directory open at fd (the descriptor stays open and where it was): every entry but
// "." and "..", with its details from fstatat (links not followed), except those the rules pass
// over by name and those gone before they could be looked at. found(e, st) returns false to
// stop. Stops too, before the next system call, once stop is set. False when stopped.
template <typename Found>
bool readEntries(int fd, const WalkRules& rules, Found&& found,
                 const std::atomic<bool>* stop = nullptr) {
    const int dupFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    DIR* dir = dupFd < 0 ? nullptr : ::fdopendir(dupFd);
    if (!dir) {
        if (dupFd >= 0)
            ::close(dupFd);
        return true;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(dir, ::closedir);
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    while (!stopped()) {
        const dirent* de = ::readdir(dir);
        if (!de)
            return true;
        const char* name = de->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        const QByteArrayView rawName(name, qsizetype(std::strlen(name)));
        // The entry's type is free; its details cost a system call.
        if (de->d_type != DT_UNKNOWN && de->d_type != DT_DIR && rules.wants &&
            !rules.wants(rawName))
            continue;
        if (stopped())
            break;
        struct stat st;
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // vanished or unreadable: not seen
        if (!found(DirEntry{rawName, qint64(st.st_size), attributesOf(name, st)}, st))
            return false;
    }
    return false;
}

// Whether the walk enters the entry e with details st, on a walk of the device dev.
inline bool entersSubdirectory(const WalkRules& rules, const DirEntry& e, const struct stat& st,
                               dev_t dev) {
    return S_ISDIR(st.st_mode) && st.st_dev == dev && rules.entersDirectory &&
           rules.entersDirectory(e);
}

} // namespace vok::linuxfs
