#include "platform/linux/CanonicalDirectories.h"
#include "platform/FileNames.h"
#include <QDir>
#include <sys/stat.h>
#include <unistd.h>

namespace vok {

namespace {

// As the kernel allows (MAXSYMLINKS).
constexpr int kMaxLinks = 40;

} // namespace

QByteArray CanonicalDirectories::resolve(const QByteArray& dir, int depth) {
    if (dir.isEmpty() || dir == "/")
        return {};
    if (const auto it = known_.constFind(dir); it != known_.constEnd())
        return *it;
    if (depth > kMaxLinks)
        return dir;
    const qsizetype slash = dir.lastIndexOf('/');
    const QByteArray parent = resolve(dir.left(qMax<qsizetype>(slash, 0)), depth);
    const QByteArray here = parent + '/' + dir.mid(slash + 1);
    QByteArray result = here;
    struct stat st {};
    if (::lstat((root_ + here).constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink((root_ + here).constData(), target.data(), target.size());
        if (n > 0 && n < target.size()) {
            target.truncate(n);
            // The parent holds no links any more, so ".." in the target can be taken literally.
            const QByteArray joined = target.startsWith('/') ? target : parent + '/' + target;
            const QByteArray clean = encodeFileName(QDir::cleanPath(decodeFileName(joined)));
            if (clean.startsWith('/'))
                result = resolve(clean, depth + 1);
        }
    }
    known_.insert(dir, result);
    return result;
}

} // namespace vok
