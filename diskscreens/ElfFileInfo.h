#pragma once
#include "controls/Version.h"
#include "platform/ElfReader.h"
#include "platform/PackageIndex.h"
#include <optional>

namespace vok {

// The machine ("x86-64") and the system ("Linux") an ELF file is built for.
QString elfMachineText(quint16 machine);
QString elfSystemText(quint8 osAbi);
// "Application", "Dynamic-Link Library", "Object File", "Core Dump" or "Unknown".
QString elfFileTypeText(const ElfFacts& elf);
// The version a library's file name carries after ".so." (libz.so.1.2.13 gives 1.2.13); empty
// when the name carries none.
QString versionInSoName(const QString& fileName);

// The file information of an ELF file that has no version resource: the texts the screen shows,
// from the file itself and from the package that installed it, both of the real file: its path
// with every link resolved.
TVersionInfo describeElfFile(const ElfFacts& elf, const std::optional<PackageFacts>& package,
                             const QString& realPath);

} // namespace vok
