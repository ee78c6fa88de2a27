#pragma once
#include <QByteArray>
#include <QHash>

namespace vok {

// Directories with their symbolic links resolved ("/lib/x86_64-linux-gnu" where /lib links to
// usr/lib gives "/usr/lib/x86_64-linux-gnu"), inside a root folder that stands for "/". One
// lstat per directory not seen before; links out of the root or in a loop stay unresolved.
class CanonicalDirectories {
public:
    // root: the folder the paths are relative to, without trailing "/" ("" for the real root).
    explicit CanonicalDirectories(QByteArray root) : root_(std::move(root)) {}

    // An absolute, clean directory path; "" stands for "/".
    QByteArray resolve(const QByteArray& dir) { return resolve(dir, 0); }

private:
    QByteArray resolve(const QByteArray& dir, int depth);
    QByteArray root_;
    QHash<QByteArray, QByteArray> known_;
};

} // namespace vok
