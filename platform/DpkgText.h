#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace vok {

// One package of the dpkg status file, the fields the file information needs.
struct DpkgPackage {
    QByteArray name, architecture, multiArch, status, version, maintainer, description;
    // The name its file list goes by: "name:arch" for Multi-Arch: same packages, else "name".
    QByteArray listName() const;
};

// The packages of a dpkg status file; the description is its first line only.
std::vector<DpkgPackage> parseDpkgStatus(QByteArrayView text);

// The first line of a copyright file that states a copyright ("Copyright ...", "(C) ...",
// "© ..."), trimmed; a machine-readable "Copyright:" field becomes "Copyright " and its first
// value. Empty when there is none.
QByteArray firstCopyrightLine(QByteArrayView text);

} // namespace vok
