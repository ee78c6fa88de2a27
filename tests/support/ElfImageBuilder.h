#pragma once
#include <QByteArray>
#include <QList>

namespace vok::test {

// A small ELF file laid out as a linker would: header, program headers (interpreter, one load
// segment covering the file, dynamic, note), the interpreter's path, the dynamic string table,
// the dynamic section and the build id note. Offsets of the parts are filled in by build(), so
// that tests can break them.
struct ElfImageBuilder {
    bool is64 = true;
    bool bigEndian = false;
    quint16 type = 3;
    quint16 machine = 62;
    quint8 osAbi = 0;
    bool interpreter = false;
    bool pieFlag = false;
    QByteArray soname; // no DT_SONAME when empty
    QList<QByteArray> needed;
    QByteArray buildId;
    quint64 noteAlign = 4;
    quint64 loadAddress = 0x10000;

    QByteArray build();

    // Filled by build().
    quint64 phoff = 0, dynamicOffset = 0, strtabOffset = 0, noteOffset = 0;
    int phentsize = 0, dynentsize = 0;

    // Writes a field in the image's byte order.
    void put(QByteArray& image, quint64 at, quint64 value, int bytes) const;
};

} // namespace vok::test
