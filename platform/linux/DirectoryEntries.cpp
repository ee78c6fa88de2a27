#include "platform/linux/DirectoryEntries.h"

namespace vok::linuxfs {

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

bool sameDirectory(int fd, dev_t dev, ino_t ino) {
    struct stat st;
    return ::fstat(fd, &st) == 0 && st.st_dev == dev && st.st_ino == ino;
}

} // namespace vok::linuxfs
