#include "platform/linux/LinuxVersionFiles.h"
#include "platform/ElfReader.h"
#include "platform/FileNames.h"
#include "platform/PeVersionReader.h"
#include "platform/linux/FileByteSource.h"
#include <cstdlib>
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

std::optional<ElfFacts> LinuxVersionFiles::elfFacts(const QString& path) {
    FileByteSource file(path);
    return readElfFacts(file);
}

QString LinuxVersionFiles::realPath(const QString& path) {
    char* resolved = ::realpath(encodeFileName(path).constData(), nullptr);
    if (!resolved)
        return path;
    const QString real = decodeFileName(resolved);
    std::free(resolved);
    return real;
}

} // namespace vok
