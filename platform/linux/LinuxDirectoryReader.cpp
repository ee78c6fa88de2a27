#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/PathDescriptors.h"
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace vok {

namespace {

// Descriptors kept open along the current branch; deeper trees close the shallowest ones and
// reopen them on the way back, so a walk thousands of levels deep stays within the fd limit.
constexpr int kMaxOpenLevels = 64;

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

quint32 attributesOf(const char* name, const struct stat& st) {
    quint32 attr = 0;
    if (name[0] == '.')
        attr |= AttrHidden;
    if (!(st.st_mode & S_IWUSR))
        attr |= AttrReadOnly;
    if (S_ISDIR(st.st_mode))
        attr |= AttrDirectory;
    else if (S_ISREG(st.st_mode))
        attr |= AttrArchive;
    else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISSOCK(st.st_mode) ||
             S_ISFIFO(st.st_mode))
        attr |= AttrSystem;
    return attr;
}

// The descriptor is what was asked for, not something renamed into its place meanwhile.
bool sameDirectory(int fd, dev_t dev, ino_t ino) {
    struct stat st;
    return ::fstat(fd, &st) == 0 && st.st_dev == dev && st.st_ino == ino;
}

class Walk {
public:
    Walk(WalkVisitor& visitor, dev_t dev) : visitor_(visitor), dev_(dev) {}
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
            if (!sameDirectory(fd, dev_, sub.ino)) {
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
        const int dupFd = ::fcntl(level.fd, F_DUPFD_CLOEXEC, 0);
        DIR* dir = dupFd < 0 ? nullptr : ::fdopendir(dupFd);
        if (!dir) {
            if (dupFd >= 0)
                ::close(dupFd);
            return true;
        }
        const std::unique_ptr<DIR, int (*)(DIR*)> closer(dir, ::closedir);
        bool going = true;
        while (const dirent* de = ::readdir(dir)) {
            const char* name = de->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            const std::size_t length = std::strlen(name);
            // The entry's type is free; its details cost a system call.
            if (de->d_type != DT_UNKNOWN && de->d_type != DT_DIR &&
                !visitor_.wants(QByteArrayView(name, qsizetype(length))))
                continue;
            struct stat st;
            if (::fstatat(level.fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // vanished or unreadable: not seen
            const DirEntry e{QByteArrayView(name, qsizetype(length)), qint64(st.st_size),
                             attributesOf(name, st)};
            if (!visitor_.entry(e)) {
                going = false;
                break;
            }
            if (S_ISDIR(st.st_mode) && st.st_dev == dev_ && visitor_.entersDirectory(e))
                level.subdirs.push_back(
                    Subdir{QByteArray(e.rawName.data(), e.rawName.size()), st.st_ino});
        }
        return going;
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
            if (fd >= 0 && sameDirectory(fd, dev_, parent.ino)) {
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
            if (fd < 0 || !sameDirectory(fd, dev_, levels_[i].ino)) {
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

    WalkVisitor& visitor_;
    const dev_t dev_;
    std::vector<Level> levels_;
    std::unordered_set<ino_t> onPath_; // the walk stays on one device, so inodes name directories
    int openLevels_ = 1;
};

} // namespace

bool LinuxDirectoryReader::walk(const QString& dir, WalkVisitor& visitor) {
    linuxfs::FileDescriptor fd = linuxfs::openDirectory(encodeFileName(dir));
    struct stat st;
    if (!fd.isOpen() || ::fstat(fd.get(), &st) != 0)
        return false;
    Walk(visitor, st.st_dev).run(fd.release(), st.st_ino);
    return true;
}

bool LinuxDirectoryReader::fileExists(const QString& path) {
    QByteArray base;
    const linuxfs::FileDescriptor dir = linuxfs::openParent(encodeFileName(path), &base);
    struct stat st;
    return dir.isOpen() && ::fstatat(dir.get(), base.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           !S_ISDIR(st.st_mode);
}

} // namespace vok
