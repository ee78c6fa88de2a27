#pragma once
#include <QByteArray>

namespace vok {

class ByteSource;

// The VS_VERSIONINFO block of a PE file (EXE, DLL, SYS, DRV, FON, OCX; PE32 and PE32+): the
// version resource with ID 1, in language 0x0000, else 0x0409, else 0x0009, else the first
// listed. Reads the headers and the resource only. Empty when the bytes are no PE file or hold
// no version block; never reads outside the file, whatever its offsets and lengths claim.
QByteArray readPeVersionBlock(ByteSource& file);

} // namespace vok
