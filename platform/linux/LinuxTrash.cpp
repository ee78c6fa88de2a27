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

linuxfs::FileDescriptor openOrMakeDirectory(const linuxfs::FileDescriptor& at, const char* name) {
    if (!at.isOpen())
        return {};
    ::mkdirat(at.get(), name, 0700);
    return linuxfs::FileDescriptor(
        ::openat(at.get(), name, linuxfs::directoryOpenFlags() | O_NOFOLLOW));
}

// Home trash by rename: the info file is claimed first (O_EXCL gives a unique name), then the
// file is renamed next to it. A rename across file systems fails, and then nothing is moved:
// a copy followed by a delete is never attempted.
bool moveToHomeTrash(const QByteArray& absolutePath) {
    QByteArray base;
    const linuxfs::FileDescriptor srcDir = linuxfs::openParent(absolutePath, &base);
    if (!srcDir.isOpen())
        return false;
    const QByteArray dataHome =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(QFile::decodeName(dataHome));
    const linuxfs::FileDescriptor home = linuxfs::openDirectory(dataHome);
    const linuxfs::FileDescriptor trash = openOrMakeDirectory(home, "Trash");
    const linuxfs::FileDescriptor files = openOrMakeDirectory(trash, "files");
    const linuxfs::FileDescriptor info = openOrMakeDirectory(trash, "info");
    bool moved = false;
    if (files.isOpen() && info.isOpen()) {
        const QByteArray record =
            "[Trash Info]\nPath=" + absolutePath.toPercentEncoding("/") + "\nDeletionDate=" +
            QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toLatin1() + '\n';
        for (int n = 1; n < 10000 && !moved; ++n) {
            const QByteArray name = n == 1 ? base : base + '.' + QByteArray::number(n);
            const QByteArray infoName = name + ".trashinfo";
            linuxfs::FileDescriptor fd(
                ::openat(info.get(), infoName.constData(),
                         O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
            if (!fd.isOpen()) {
                if (errno == EEXIST)
                    continue;
                break;
            }
            struct stat taken;
            const bool nameFree =
                ::fstatat(files.get(), name.constData(), &taken, AT_SYMLINK_NOFOLLOW) != 0;
            const bool written = nameFree && writeAll(fd.get(), record);
            fd.reset();
            if (written &&
                ::renameat(srcDir.get(), base.constData(), files.get(), name.constData()) == 0) {
                moved = true;
            } else {
                ::unlinkat(info.get(), infoName.constData(), 0); // our own info file, nothing else
                if (!nameFree)
                    continue;
                break;
            }
        }
    }
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
