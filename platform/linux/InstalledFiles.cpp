#include "platform/InstalledFiles.h"
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

bool isTrustedInstalledPath(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) &&
           (st.st_uid == 0 || st.st_uid == ::geteuid()) && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace vok
