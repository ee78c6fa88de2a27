#include "platform/linux/CanonicalDirectories.h"
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vok {

namespace {

// As the kernel allows (MAXSYMLINKS).
constexpr int kMaxLinks = 40;

// The components of `path` onto `todo`, the first on top.
void pushComponents(std::vector<QByteArrayView>& todo, QByteArrayView path) {
    qsizetype end = path.size();
    while (end > 0) {
        const qsizetype slash = path.lastIndexOf('/', end - 1);
        if (end - slash > 1)
            todo.push_back(path.sliced(slash + 1, end - slash - 1));
        end = slash;
    }
}

} // namespace

const CanonicalDirectories::Entry& CanonicalDirectories::entryAt(const QByteArray& path) {
    if (const auto it = entries_.constFind(path); it != entries_.constEnd())
        return *it;
    Entry entry;
    const QByteArray onDisk = root_ + path;
    struct stat st {};
    if (::lstat(onDisk.constData(), &st) == 0) {
        entry.exists = true;
        if (S_ISLNK(st.st_mode)) {
            QByteArray target(PATH_MAX, Qt::Uninitialized);
            const ssize_t n = ::readlink(onDisk.constData(), target.data(), target.size());
            if (n > 0 && n < target.size())
                entry.linkTarget = target.left(n);
        }
    }
    return *entries_.insert(path, entry);
}

// A walk over the components rather than a recursion, so that no path, however deep its list
// line, can exhaust the stack; the kernel's own limits bound the work.
QByteArray CanonicalDirectories::resolve(const QByteArray& dir) {
    if (dir.isEmpty() || dir == "/" || dir.size() > PATH_MAX)
        return dir == "/" ? QByteArray() : dir;
    // Link targets live in `targets`, so that the views in `todo` stay valid.
    std::vector<QByteArray> targets;
    std::vector<QByteArrayView> todo;
    pushComponents(todo, dir);
    QByteArray resolved; // holds no links; "" is the root
    bool below = true;   // whether `resolved` exists, so that a link could follow
    int links = 0;
    while (!todo.empty()) {
        const QByteArrayView name = todo.back();
        todo.pop_back();
        if (name == ".")
            continue;
        if (name == "..") {
            resolved.truncate(qMax<qsizetype>(resolved.lastIndexOf('/'), 0));
            continue;
        }
        QByteArray here = resolved;
        here += '/';
        here += name;
        if (here.size() > PATH_MAX)
            return dir;
        const Entry* entry = below ? &entryAt(here) : nullptr;
        below = entry && entry->exists;
        if (!entry || entry->linkTarget.isEmpty()) {
            resolved = here;
            continue;
        }
        if (++links > kMaxLinks)
            return dir;
        targets.push_back(entry->linkTarget);
        pushComponents(todo, targets.back());
        if (targets.back().startsWith('/'))
            resolved.clear();
    }
    return resolved;
}

} // namespace vok
