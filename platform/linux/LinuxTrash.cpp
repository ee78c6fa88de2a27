#include "platform/linux/LinuxTrash.h"
#include "platform/FileNames.h"
#include "platform/linux/PathDescriptors.h"
#include "platform/linux/TrashDirectory.h"
#include "platform/linux/TrashInfo.h"
#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

using linuxfs::FileDescriptor;
using linuxfs::TrashDirectory;

namespace {

constexpr int kNameAttempts = 1000; // a trash holding this many of one name refuses more

EntryIdentity identityOf(const struct stat& st) {
    return {quint64(st.st_dev), quint64(st.st_ino), quint32(st.st_mode & S_IFMT)};
}

// The path made absolute against the working directory, byte for byte.
QByteArray absolutePath(const QString& path) {
    const QByteArray bytes = encodeFileName(path);
    if (bytes.startsWith('/'))
        return bytes;
    QByteArray cwd(PATH_MAX, '\0');
    if (!::getcwd(cwd.data(), size_t(cwd.size())))
        return {};
    cwd.truncate(qsizetype(qstrlen(cwd.constData())));
    if (!cwd.startsWith('/'))
        return {}; // a working directory outside this process's root
    return cwd.endsWith('/') ? cwd + bytes : cwd + '/' + bytes;
}

// The folder of path, opened, and the file's name in it.
struct Located {
    FileDescriptor folder;
    QByteArray name;
    QByteArray path; // absolute
    struct stat folderStat {};
    struct stat fileStat {};
};

bool locate(const QString& path, Located* at) {
    at->path = absolutePath(path);
    if (at->path.isEmpty())
        return false;
    at->folder = FileDescriptor(linuxfs::openParent(at->path, &at->name));
    return at->folder.isOpen() && ::fstat(at->folder.get(), &at->folderStat) == 0 &&
           ::fstatat(at->folder.get(), at->name.constData(), &at->fileStat, AT_SYMLINK_NOFOLLOW) ==
               0;
}

bool stillAsked(const Located& at, const TrashSubject& asked) {
    struct stat now;
    return identityOf(at.folderStat) == asked.folder &&
           ::fstatat(at.folder.get(), at.name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
           identityOf(now) == asked.file;
}

// Renames without ever replacing an entry of the trash.
int renameNoReplace(int fromDir, const char* from, int toDir, const char* to) {
    const int rc = ::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE);
    if (rc == 0 || (errno != EINVAL && errno != ENOSYS))
        return rc;
    struct stat st; // no RENAME_NOREPLACE here; files/ is the user's own folder
    if (::fstatat(toDir, to, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::renameat(fromDir, from, toDir, to);
}

// Picks the trash for a file on device: the home trash, or the top directory trash.
bool openTrashFor(const Located& at, TrashDirectory* trash, QByteArray* recordedPath) {
    const dev_t device = at.fileStat.st_dev;
    switch (linuxfs::openHomeTrash(device, trash)) {
    case linuxfs::HomeTrashUse::Usable:
        *recordedPath = at.path;
        return true;
    case linuxfs::HomeTrashUse::Unusable:
        return false;
    case linuxfs::HomeTrashUse::OtherDevice:
        break;
    }
    const QByteArray folder = linuxfs::realPathOf(at.folder.get());
    if (folder.isEmpty())
        return false;
    const QByteArray top = linuxfs::topDirectoryOf(folder, device);
    if (!linuxfs::openTopDirectoryTrash(top, device, trash))
        return false;
    // Paths in a top directory trash are relative to the top directory.
    QByteArray inTop = folder.mid(top.size());
    while (inTop.startsWith('/'))
        inTop.remove(0, 1);
    *recordedPath = inTop.isEmpty() ? at.name : inTop + '/' + at.name;
    return true;
}

} // namespace

std::optional<TrashSubject> LinuxTrash::identify(const QString& path) {
    Located at;
    if (!locate(path, &at) || S_ISDIR(at.fileStat.st_mode))
        return std::nullopt;
    return TrashSubject{identityOf(at.fileStat), identityOf(at.folderStat)};
}

bool LinuxTrash::move(const QString& path, const TrashSubject& asked) {
    Located at;
    if (!locate(path, &at) || !stillAsked(at, asked))
        return false;
    TrashDirectory trash;
    QByteArray recordedPath;
    if (!openTrashFor(at, &trash, &recordedPath))
        return false;
    const QByteArray record = linuxfs::trashInfoText(recordedPath, std::time(nullptr));
    long nameMax = ::fpathconf(trash.info.get(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = NAME_MAX;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QByteArray name = linuxfs::trashedName(at.name, attempt, nameMax);
        const QByteArray infoName = name + ".trashinfo";
        FileDescriptor info(::openat(trash.info.get(), infoName.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!info.isOpen()) {
            if (errno == EEXIST)
                continue;
            return false; // no room, no inodes, no permission: nothing has moved
        }
        auto dropInfo = [&] { ::unlinkat(trash.info.get(), infoName.constData(), 0); };
        const bool written = linuxfs::writeAll(info.get(), record) && ::fdatasync(info.get()) == 0;
        const bool closed = ::close(info.release()) == 0;
        if (!written || !closed || !stillAsked(at, asked)) {
            dropInfo();
            return false;
        }
        if (renameNoReplace(at.folder.get(), at.name.constData(), trash.files.get(),
                            name.constData()) != 0) {
            const bool taken = errno == EEXIST;
            dropInfo();
            if (taken)
                continue;
            return false;
        }
        // Only the entry asked about may stay in the trash; anything swapped in at the last
        // moment goes back where it was.
        struct stat moved;
        if (::fstatat(trash.files.get(), name.constData(), &moved, AT_SYMLINK_NOFOLLOW) != 0 ||
            identityOf(moved) != asked.file) {
            if (renameNoReplace(trash.files.get(), name.constData(), at.folder.get(),
                                at.name.constData()) == 0)
                dropInfo();
            return false;
        }
        return true;
    }
    return false;
}

} // namespace vok
