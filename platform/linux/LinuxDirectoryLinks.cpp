#include "platform/linux/LinuxDirectoryReader.h"
#include "platform/linux/PathDescriptors.h"
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

QList<DirectoryLink> LinuxDirectoryReader::directoryLinks(const QString& dir) {
    QList<DirectoryLink> links;
    const QByteArray dirPath = encodeFileName(dir);
    linuxfs::FileDescriptor dirFd = linuxfs::openDirectory(dirPath);
    if (!dirFd.isOpen())
        return links;
    const int fd = dirFd.get();
    DIR* d = ::fdopendir(fd);
    if (!d)
        return links;
    dirFd.release(); // closedir closes it now
    while (const dirent* de = ::readdir(d)) {
        if (de->d_type != DT_LNK && de->d_type != DT_UNKNOWN)
            continue;
        struct stat st;
        if (::fstatat(fd, de->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(st.st_mode))
            continue;
        // Only a link that resolves to a directory counts; a dangling one or a loop does not.
        if (::fstatat(fd, de->d_name, &st, 0) != 0 || !S_ISDIR(st.st_mode))
            continue;
        const QByteArray linkPath =
            (dirPath.endsWith('/') ? dirPath : dirPath + '/') + QByteArray(de->d_name);
        char* resolved = ::realpath(linkPath.constData(), nullptr);
        if (!resolved)
            continue;
        links << DirectoryLink{decodeFileName(QByteArrayView(de->d_name)),
                               decodeFileName(QByteArrayView(resolved))};
        std::free(resolved);
    }
    ::closedir(d);
    return links;
}

} // namespace vok
