#include "platform/linux/LinuxVersionFiles.h"
#include "platform/FileNames.h"
#include "platform/PeVersionReader.h"
#include "platform/linux/FileByteSource.h"
#include <sys/stat.h>

namespace vok {

bool LinuxVersionFiles::exists(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && ::stat(encodeFileName(path).constData(), &st) == 0;
}

quint32 LinuxVersionFiles::versionInfoSize(const QString& path) {
    FileByteSource file(path);
    return quint32(readPeVersionBlock(file).size());
}

bool LinuxVersionFiles::versionInfo(const QString& path, quint32 size, QByteArray& block) {
    FileByteSource file(path);
    block = readPeVersionBlock(file).left(size);
    return !block.isEmpty();
}

} // namespace vok
