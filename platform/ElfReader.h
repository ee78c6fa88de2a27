#pragma once
#include <QByteArray>
#include <optional>

namespace vok {

class ByteSource;

// What the header, the program headers, the dynamic section and the notes of an ELF file say.
struct ElfFacts {
    bool is64 = false;
    bool bigEndian = false;
    quint16 type = 0; // e_type: 1 relocatable, 2 executable, 3 shared object, 4 core
    quint16 machine = 0;
    quint8 osAbi = 0;
    bool hasInterpreter = false;
    bool pieFlag = false; // DF_1_PIE in DT_FLAGS_1
    QByteArray soname;
    int neededCount = 0;
    QByteArray buildId; // the NT_GNU_BUILD_ID bytes
};

// Reads an ELF file (32- or 64-bit, either byte order) from its bytes. Nothing when the bytes
// are no ELF file; whatever a table claims, nothing is read outside the file, and what cannot be
// read whole (a string table, a note) is left out rather than guessed.
std::optional<ElfFacts> readElfFacts(ByteSource& file);

} // namespace vok
