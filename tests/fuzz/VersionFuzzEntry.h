#pragma once
#include "controls/Version.h"
#include "platform/ByteSource.h"
#include "platform/ElfReader.h"
#include "platform/PeVersionReader.h"
#include "platform/VersionBlock.h"
#include <cstddef>
#include <cstdint>

namespace vok::test {

// One input through everything the readers do: the bytes as a PE file, as a version block of
// their own (so that hostile blocks reach the lookups directly) and as an ELF file.
inline int readVersionInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    MemoryByteSource file(bytes);
    const QByteArray block = readPeVersionBlock(file);
    for (QByteArrayView b : {QByteArrayView(block), bytes}) {
        TVersionInfo info;
        FillVersionInfo(info, b, 0x0409, 0x04E4);
        FillVersionInfo(info, b, 0x0000, 0x04B0);
        (void)queryVersionValue(b, u"\\VarFileInfo\\Translation");
    }
    MemoryByteSource elf(bytes);
    (void)readElfFacts(elf);
    return 0;
}

} // namespace vok::test
