#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/DirectoryEntries.h"
#include "platform/linux/PathDescriptors.h"
#include <QtGlobal>
#include <algorithm>
#include <sched.h>
#include <unordered_set>
#include <vector>

namespace vok {

namespace {

// Descriptors kept open along the current branch; deeper trees close the shallowest ones and
// reopen them on the way back, so a walk thousands of levels deep stays within the fd limit.
constexpr int kMaxOpenLevels = 64;
constexpr unsigned kPauseStride = 256;

struct Subdir {
    QByteArray name;
    ino_t ino;
};

struct Level {
    int fd = -1;
    ino_t ino = 0;
    QByteArray name; // as stored in the parent; empty for the start
    std::vector<Subdir> subdirs;
    size_t next = 0;
};

class Walk {
public:
    Walk(const WalkRules& rules, WalkVisitor& visitor, dev_t dev)
        : rules_(rules), visitor_(visitor), dev_(dev) {
        // Names passed over report nothing; the visitor still gets its pauses among them.
        if (rules.wants)
            rules_.wants = [this, &rules](QByteArrayView name) {
                if (++passedOver_ % kPauseStride == 0 && !visitor_.pause())
                    stop_.store(true);
                return rules.wants(name);
            };
    }
    // Also when a visitor throws (out of memory, say): no descriptor is left open.
    ~Walk() {
        for (Level& l : levels_)
            closeLevel(l);
    }
    Walk(const Walk&) = delete;
    Walk& operator=(const Walk&) = delete;

    void run(int rootFd, ino_t rootIno) {
        levels_.push_back(Level{rootFd, rootIno, {}, {}, 0});
        onPath_.insert(rootIno);
        bool going = read(levels_.back());
        while (going && !levels_.empty()) {
            Level& top = levels_.back();
            if (top.next == top.subdirs.size()) {
                up();
                continue;
            }
            Subdir sub = std::move(top.subdirs[top.next++]);
            // A folder bound onto its own subfolder shows the same directory again below it.
            if (onPath_.count(sub.ino))
                continue;
            const int fd =
                ::openat(top.fd, sub.name.constData(), linuxfs::directoryOpenFlags() | O_NOFOLLOW);
            if (fd < 0)
                continue;
            if (!linuxfs::sameDirectory(fd, dev_, sub.ino)) {
                ::close(fd);
                continue;
            }
            levels_.push_back(Level{fd, sub.ino, std::move(sub.name), {}, 0});
            onPath_.insert(sub.ino);
            limitOpenLevels();
            visitor_.enter(levels_.back().name);
            going = read(levels_.back());
        }
    }

private:
    // Reports every entry of the level's directory and remembers the subdirectories to enter.
    bool read(Level& level) {
        return linuxfs::readEntries(
            level.fd, rules_,
            [&](const DirEntry& e, const struct stat& st) {
                if (!visitor_.entry(e))
                    return false;
                if (linuxfs::entersSubdirectory(rules_, e, st, dev_))
                    level.subdirs.push_back(
                        Subdir{QByteArray(e.rawName.data(), e.rawName.size()), st.st_ino});
                return true;
            },
            &stop_);
    }

    void up() {
        Level done = std::move(levels_.back());
        levels_.pop_back();
        onPath_.erase(done.ino);
        if (!levels_.empty()) {
            visitor_.leave();
            reopen(done.fd);
        }
        closeLevel(done);
    }

    // The parent of a finished level gets its descriptor back if it was closed: through ".."
    // of the child, or else down from the nearest open ancestor by the names it was entered by.
    // A directory moved meanwhile is not found again; what is left of it is passed over.
    void reopen(int childFd) {
        Level& parent = levels_.back();
        if (parent.fd >= 0)
            return;
        if (childFd >= 0) {
            const int fd = ::openat(childFd, "..", linuxfs::directoryOpenFlags());
            if (fd >= 0 && linuxfs::sameDirectory(fd, dev_, parent.ino)) {
                parent.fd = fd;
                ++openLevels_;
                return;
            }
            if (fd >= 0)
                ::close(fd);
        }
        size_t i = levels_.size() - 1;
        while (i > 0 && levels_[i].fd < 0)
            --i;
        for (++i; i < levels_.size(); ++i) {
            const int fd = ::openat(levels_[i - 1].fd, levels_[i].name.constData(),
                                    linuxfs::directoryOpenFlags() | O_NOFOLLOW);
            if (fd < 0 || !linuxfs::sameDirectory(fd, dev_, levels_[i].ino)) {
                if (fd >= 0)
                    ::close(fd);
                parent.next = parent.subdirs.size();
                return;
            }
            levels_[i].fd = fd;
            ++openLevels_;
        }
    }

    void limitOpenLevels() {
        ++openLevels_;
        // The start and the deepest level always stay open.
        for (size_t i = 1; openLevels_ > kMaxOpenLevels && i + 1 < levels_.size(); ++i) {
            if (levels_[i].fd >= 0) {
                ::close(levels_[i].fd);
                levels_[i].fd = -1;
                --openLevels_;
            }
        }
    }

    void closeLevel(Level& level) {
        if (level.fd >= 0) {
            ::close(level.fd);
            level.fd = -1;
            --openLevels_;
        }
    }

    WalkRules rules_;
    WalkVisitor& visitor_;
    const dev_t dev_;
    std::vector<Level> levels_;
    std::unordered_set<ino_t> onPath_; // the walk stays on one device, so inodes name directories
    int openLevels_ = 1;
    unsigned passedOver_ = 0;
    std::atomic<bool> stop_{false};
};

} // namespace

bool LinuxDirectoryReader::walk(const QString& dir, const WalkRules& rules, WalkVisitor& visitor) {
    linuxfs::FileDescriptor fd = linuxfs::openDirectory(encodeFileName(dir));
    struct stat st;
    if (!fd.isOpen() || ::fstat(fd.get(), &st) != 0)
        return false;
    // Nothing below is entered: workers would only wait for this one directory.
    if (threads_ > 1 && rules.entersDirectory)
        linuxfs::walkInParallel(std::move(fd), st, rules, visitor, threads_, limits_);
    else
        Walk(rules, visitor, st.st_dev).run(fd.release(), st.st_ino);
    return true;
}

int LinuxDirectoryReader::defaultWalkThreads() {
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("VOK_WALK_THREADS", &ok);
    if (ok && asked >= 1 && asked <= 8)
        return asked;
    // Two at least: on one processor a second thread still reads while another waits for the
    // disk.
    cpu_set_t set;
    CPU_ZERO(&set);
    const int cores = ::sched_getaffinity(0, sizeof set, &set) == 0 ? CPU_COUNT(&set) : 1;
    return std::clamp(cores, 2, 4);
}

bool LinuxDirectoryReader::fileExists(const QString& path) {
    QByteArray base;
    const linuxfs::FileDescriptor dir = linuxfs::openParent(encodeFileName(path), &base);
    struct stat st;
    return dir.isOpen() && ::fstatat(dir.get(), base.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           !S_ISDIR(st.st_mode);
}

} // namespace vok
