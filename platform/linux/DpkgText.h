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

// The first copyright statement of a package's copyright file, on one line: the value of a
// machine-readable "Copyright:" field ("Copyright " and its first holder, with the lines it goes
// on over), else the first statement that begins with "Copyright", "(C)" or "©" and names a
// year or a holder, where a sentence or a line begins. Empty when there is none.
QByteArray firstCopyrightStatement(QByteArrayView text);

} // namespace vok
