#include "diskscreens/ElfFileInfo.h"
#include "platform/FileNames.h"
#include <QCoreApplication>

namespace vok {

namespace {

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

} // namespace

QString elfMachineText(quint16 machine) {
    switch (machine) {
    case 2:
        return QStringLiteral("SPARC");
    case 3:
        return QStringLiteral("x86");
    case 4:
        return QStringLiteral("m68k");
    case 8:
        return QStringLiteral("MIPS");
    case 15:
        return QStringLiteral("PA-RISC");
    case 20:
        return QStringLiteral("PowerPC");
    case 21:
        return QStringLiteral("PowerPC64");
    case 22:
        return QStringLiteral("S/390");
    case 40:
        return QStringLiteral("ARM");
    case 41:
        return QStringLiteral("Alpha");
    case 42:
        return QStringLiteral("SuperH");
    case 43:
        return QStringLiteral("SPARC V9");
    case 50:
        return QStringLiteral("IA-64");
    case 62:
        return QStringLiteral("x86-64");
    case 183:
        return QStringLiteral("AArch64");
    case 243:
        return QStringLiteral("RISC-V");
    case 247:
        return QStringLiteral("BPF");
    case 258:
        return QStringLiteral("LoongArch");
    default:
        //: An ELF machine code without a name; %1 is the number
        return QCoreApplication::translate("vok::ElfFileInfo", "machine %1").arg(machine);
    }
}

QString elfSystemText(quint8 osAbi) {
    switch (osAbi) {
    case 0: // System V: what Linux toolchains write unless GNU extensions are used
    case 3:
        return QStringLiteral("Linux");
    case 1:
        return QStringLiteral("HP-UX");
    case 2:
        return QStringLiteral("NetBSD");
    case 6:
        return QStringLiteral("Solaris");
    case 7:
        return QStringLiteral("AIX");
    case 9:
        return QStringLiteral("FreeBSD");
    case 12:
        return QStringLiteral("OpenBSD");
    case 255:
        //: The ELF file runs without an operating system
        return QCoreApplication::translate("vok::ElfFileInfo", "Standalone");
    default:
        //: An ELF OS/ABI code without a name; %1 is the number
        return QCoreApplication::translate("vok::ElfFileInfo", "OS/ABI %1").arg(osAbi);
    }
}

QString elfFileTypeText(const ElfFacts& elf) {
    switch (elf.type) {
    case 1:
        return QCoreApplication::translate("vok::ElfFileInfo", "Object File");
    case 2:
        return QCoreApplication::translate("vok::ElfFileInfo", "Application");
    case 3:
        // libc.so.6 has an interpreter too, yet is a library: the soname decides before it.
        if (elf.pieFlag || (elf.hasInterpreter && elf.soname.isEmpty()))
            return QCoreApplication::translate("vok::ElfFileInfo", "Application");
        return QCoreApplication::translate("vok::ElfFileInfo", "Dynamic-Link Library");
    case 4:
        return QCoreApplication::translate("vok::ElfFileInfo", "Core Dump");
    default:
        return QCoreApplication::translate("vok::ElfFileInfo", "Unknown");
    }
}

QString versionInSoName(const QString& fileName) {
    const qsizetype at = fileName.lastIndexOf(QLatin1String(".so."));
    if (at < 0)
        return {};
    const QString version = fileName.mid(at + 4);
    for (QChar c : version)
        if (!c.isDigit() && c != '.')
            return {};
    return version.isEmpty() || version.startsWith('.') || version.endsWith('.') ? QString()
                                                                                 : version;
}

TVersionInfo describeElfFile(const ElfFacts& elf, const std::optional<PackageFacts>& package,
                             const QString& realPath) {
    const PackageFacts p = package.value_or(PackageFacts{});
    TVersionInfo info;
    info.CompanyName = p.maintainer;
    info.FileDescription = p.description;
    info.FileOS = elfSystemText(elf.osAbi) + ' ' + elfMachineText(elf.machine);
    info.FileType = elfFileTypeText(elf);
    info.FileVersion = versionInSoName(fileNameOf(realPath));
    if (info.FileVersion.isEmpty())
        info.FileVersion = p.version;
    info.InternalName = elf.soname.isEmpty() ? fileNameOf(realPath) : decodeFileName(elf.soname);
    info.LegalCopyright = p.copyright;
    info.ProductName = p.name;
    info.ProductVersion = p.version;
    return info;
}

} // namespace vok
