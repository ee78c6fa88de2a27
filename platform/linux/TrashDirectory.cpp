#include "platform/linux/TrashDirectory.h"
#include "platform/linux/PathDescriptors.h"
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>

namespace vok::linuxfs {

namespace {

QByteArray withoutTrailingSlashes(QByteArray p) {
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    return p;
}

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

bool openFilesAndInfo(const FileDescriptor& trashDir, TrashDirectory* trash) {
    if (!trashDir.isOpen())
        return false;
    trash->files = userDirectory(trashDir.get(), "files", false);
    trash->info = userDirectory(trashDir.get(), "info", false);
    return trash->valid();
}

// The data home, and the folder below which Vok may make it: the parent of $XDG_DATA_HOME, or
// the home directory for the default ~/.local/share.
QByteArray dataHome(QByteArray* anchor) {
    const QByteArray xdg = withoutTrailingSlashes(qgetenv("XDG_DATA_HOME"));
    if (xdg.startsWith('/')) { // a relative value is to be ignored
        *anchor = parentOf(xdg);
        return xdg;
    }
    QByteArray home = withoutTrailingSlashes(qgetenv("HOME"));
    if (!home.startsWith('/')) {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw && pw->pw_dir ? withoutTrailingSlashes(pw->pw_dir) : QByteArray();
    }
    *anchor = home;
    return home.isEmpty() ? QByteArray() : home + "/.local/share";
}

} // namespace

HomeTrashUse openHomeTrash(dev_t device, TrashDirectory* trash) {
    QByteArray anchor;
    const QByteArray home = dataHome(&anchor);
    if (home.isEmpty())
        return HomeTrashUse::Unusable;
    // The home trash is on the device of the data home, or of the folder it would be made in.
    QByteArray existing = home;
    struct stat st;
    while (::stat(existing.constData(), &st) != 0) {
        if (existing == "/")
            return HomeTrashUse::Unusable;
        existing = parentOf(existing);
    }
    if (st.st_dev != device)
        return HomeTrashUse::OtherDevice;
    if (existing.size() < anchor.size() || !S_ISDIR(st.st_mode))
        return HomeTrashUse::Unusable; // never a data home made in some other place
    FileDescriptor dir(openDirectory(existing));
    for (const QByteArray& part : home.mid(existing.size()).split('/')) {
        if (part.isEmpty() || !dir.isOpen())
            continue;
        dir = userDirectory(dir.get(), part, false);
    }
    if (!dir.isOpen())
        return HomeTrashUse::Unusable;
    const FileDescriptor trashDir = userDirectory(dir.get(), "Trash", false);
    return openFilesAndInfo(trashDir, trash) ? HomeTrashUse::Usable : HomeTrashUse::Unusable;
}

bool openTopDirectoryTrash(const QByteArray& topDir, dev_t device, TrashDirectory* trash) {
    const FileDescriptor top(openDirectory(topDir));
    struct stat st;
    if (!top.isOpen() || ::fstat(top.get(), &st) != 0 || st.st_dev != device)
        return false;
    trash->topDir = topDir;
    const QByteArray uid = QByteArray::number(quint64(::geteuid()));
    const FileDescriptor shared(::openat(top.get(), ".Trash", directoryOpenFlags() | O_NOFOLLOW));
    if (shared.isOpen() && ::fstat(shared.get(), &st) == 0 && S_ISDIR(st.st_mode) &&
        (st.st_mode & S_ISVTX) && openFilesAndInfo(userDirectory(shared.get(), uid, true), trash))
        return true;
    return openFilesAndInfo(userDirectory(top.get(), ".Trash-" + uid, true), trash);
}

QByteArray realPathOf(int dirFd) {
    QByteArray path(PATH_MAX, '\0');
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(dirFd);
    const ssize_t n = ::readlink(self.constData(), path.data(), size_t(path.size()));
    if (n <= 0 || n >= path.size() || path[0] != '/')
        return {};
    path.truncate(n);
    struct stat open, named;
    if (::fstat(dirFd, &open) != 0 || ::stat(path.constData(), &named) != 0 ||
        open.st_dev != named.st_dev || open.st_ino != named.st_ino)
        return {}; // the folder has moved or gone since it was opened
    return path;
}

QByteArray topDirectoryOf(QByteArray realPath, dev_t device) {
    struct stat st;
    while (realPath != "/") {
        const QByteArray parent = parentOf(realPath);
        if (::stat(parent.constData(), &st) != 0 || st.st_dev != device)
            break;
        realPath = parent;
    }
    return realPath;
}

} // namespace vok::linuxfs
