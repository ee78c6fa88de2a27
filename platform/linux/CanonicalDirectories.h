#pragma once
#include <QByteArray>
#include <QHash>

namespace vok {

// Directories with their symbolic links resolved ("/lib/x86_64-linux-gnu" where /lib links to
// usr/lib gives "/usr/lib/x86_64-linux-gnu"), inside a root folder that stands for "/" as it
// would for a process chrooted there. One lstat per directory not seen before. A directory
// longer than PATH_MAX, or whose links go more than 40 deep or in a loop, stays as given.
class CanonicalDirectories {
public:
    // root: the folder the paths are relative to, without trailing "/" ("" for the real root).
    explicit CanonicalDirectories(QByteArray root) : root_(std::move(root)) {}

    // An absolute, clean directory path; "" stands for "/".
    QByteArray resolve(const QByteArray& dir);

private:
    struct Entry {
        bool exists = false;
        QByteArray linkTarget; // empty when no link
    };
    // What is at `path`, whose parent holds no links.
    const Entry& entryAt(const QByteArray& path);

    QByteArray root_;
    QHash<QByteArray, Entry> entries_;
};

} // namespace vok
