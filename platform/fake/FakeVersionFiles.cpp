#include "platform/fake/FakeVersionFiles.h"
#include "platform/ByteSource.h"
#include "platform/ElfReader.h"
#include "platform/PeVersionReader.h"

namespace vok {

quint32 FakeVersionFiles::versionInfoSize(const QString& path) {
    ++sizeQueries;
    MemoryByteSource file(files.value(path));
    return quint32(readPeVersionBlock(file).size());
}

bool FakeVersionFiles::versionInfo(const QString& path, quint32 size, QByteArray& block) {
    MemoryByteSource file(files.value(path));
    block = readPeVersionBlock(file).left(size);
    return !block.isEmpty();
}

std::optional<ElfFacts> FakeVersionFiles::elfFacts(const QString& path) {
    MemoryByteSource file(files.value(path));
    return readElfFacts(file);
}

} // namespace vok
