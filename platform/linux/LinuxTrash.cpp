#include "platform/linux/LinuxTrash.h"
#include "platform/FileNames.h"
#include "platform/linux/PathDescriptors.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

namespace {

bool writeAll(int fd, const QByteArray& data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

int openOrMakeDirectory(int atFd, const char* name) {
    ::mkdirat(atFd, name, 0700);
    return ::openat(atFd, name, linuxfs::directoryOpenFlags() | O_NOFOLLOW);
}

// Home trash by rename: the info file is claimed first (O_EXCL gives a unique name), then the
// file is renamed next to it. A rename across file systems fails, and then nothing is moved:
// a copy followed by a delete is never attempted.
bool moveToHomeTrash(const QByteArray& absolutePath) {
    QByteArray base;
    const int srcDir = linuxfs::openParent(absolutePath, &base);
    if (srcDir < 0)
        return false;
    const QByteArray dataHome =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(QFile::decodeName(dataHome));
    const int home = linuxfs::openDirectory(dataHome);
    const int trash = home < 0 ? -1 : openOrMakeDirectory(home, "Trash");
    const int files = trash < 0 ? -1 : openOrMakeDirectory(trash, "files");
    const int info = trash < 0 ? -1 : openOrMakeDirectory(trash, "info");
    bool moved = false;
    if (files >= 0 && info >= 0) {
        const QByteArray record =
            "[Trash Info]\nPath=" + absolutePath.toPercentEncoding("/") + "\nDeletionDate=" +
            QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toLatin1() + '\n';
        for (int n = 1; n < 10000 && !moved; ++n) {
            const QByteArray name = n == 1 ? base : base + '.' + QByteArray::number(n);
            const QByteArray infoName = name + ".trashinfo";
            const int fd = ::openat(info, infoName.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (fd < 0) {
                if (errno == EEXIST)
                    continue;
                break;
            }
            struct stat taken;
            const bool nameFree =
                ::fstatat(files, name.constData(), &taken, AT_SYMLINK_NOFOLLOW) != 0;
            const bool written = nameFree && writeAll(fd, record);
            ::close(fd);
            if (written && ::renameat(srcDir, base.constData(), files, name.constData()) == 0) {
                moved = true;
            } else {
                ::unlinkat(info, infoName.constData(), 0); // our own info file, nothing else
                if (!nameFree)
                    continue;
                break;
            }
        }
    }
    for (int fd : {srcDir, home, trash, files, info})
        if (fd >= 0)
            ::close(fd);
    return moved;
}

} // namespace

bool LinuxTrash::move(const QString& path) {
    const QString absolute = path.startsWith(u'/') ? path : joinPath(QDir::currentPath(), path);
    const QByteArray bytes = encodeFileName(absolute);
    const bool qtCanSpell = QFile::encodeName(QFile::decodeName(bytes)) == bytes;
    if (qtCanSpell && bytes.size() < PATH_MAX)
        return QFile::moveToTrash(absolute);
    return moveToHomeTrash(bytes);
}

} // namespace vok
