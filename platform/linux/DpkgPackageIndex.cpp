#include "platform/linux/DpkgPackageIndex.h"
#include "platform/FileNames.h"
#include "platform/linux/DpkgText.h"
#include "platform/linux/FileByteSource.h"
#include <QDir>
#include <QHash>
#include <algorithm>
#include <dirent.h>

namespace vok {

namespace {

// Far beyond any real status file or file list; a bound against a runaway file.
constexpr quint64 kMaxDatabaseFile = 256u << 20;
// The copyright line is near the top.
constexpr quint64 kCopyrightHead = 64u << 10;

// A regular file's first `limit` bytes; empty when it is missing or no regular file.
QByteArray readHead(const QByteArray& path, quint64 limit) {
    FileByteSource file(decodeFileName(path));
    const quint64 size = std::min(file.size(), limit);
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (size == 0 || !file.readAt(0, bytes.data(), quint32(size)))
        return {};
    return bytes;
}

QByteArray rootPrefix(const QString& root) {
    QByteArray r = encodeFileName(QDir::cleanPath(root));
    if (r.endsWith('/'))
        r.chop(1);
    return r;
}

size_t nameHash(QByteArrayView path) {
    return qHash(path.sliced(path.lastIndexOf('/') + 1));
}

QByteArray directoryOf(QByteArrayView path) {
    return path.first(qMax<qsizetype>(path.lastIndexOf('/'), 0)).toByteArray();
}

} // namespace

DpkgPackageIndex::DpkgPackageIndex(const QString& root)
    : root_(rootPrefix(root)), directories_(root_) {}

void DpkgPackageIndex::addList(quint32 listIndex, int package) {
    const QByteArray& list = lists_[listIndex];
    qsizetype at = 0;
    while (at < list.size()) {
        qsizetype end = list.indexOf('\n', at);
        if (end < 0)
            end = list.size();
        const QByteArrayView line = QByteArrayView(list).sliced(at, end - at);
        if (line.size() >= 2 && line.front() == '/')
            paths_.push_back(
                {nameHash(line), listIndex, quint32(at), quint32(line.size()), package});
        at = end + 1;
    }
}

void DpkgPackageIndex::build() {
    built_ = true;
    const QByteArray dpkg = root_ + "/var/lib/dpkg/";
    const std::vector<DpkgPackage> status =
        parseDpkgStatus(readHead(dpkg + "status", kMaxDatabaseFile));
    QHash<QByteArray, int> byListName;
    for (const DpkgPackage& p : status) {
        if (p.status.isEmpty() || p.status.endsWith("not-installed"))
            continue;
        Package package;
        package.facts.name = QString::fromUtf8(p.name);
        package.facts.version = QString::fromUtf8(p.version);
        package.facts.maintainer = QString::fromUtf8(p.maintainer);
        package.facts.description = QString::fromUtf8(p.description);
        byListName.insert(p.listName(), int(packages_.size()));
        packages_.push_back(std::move(package));
    }
    if (packages_.empty())
        return;
    const QByteArray info = dpkg + "info/";
    DIR* dir = ::opendir(info.constData());
    if (!dir)
        return;
    std::vector<int> owners; // of each list
    while (const dirent* e = ::readdir(dir)) {
        const QByteArrayView name(e->d_name);
        if (!name.endsWith(".list"))
            continue;
        const auto it = byListName.constFind(name.chopped(5).toByteArray());
        if (it == byListName.constEnd())
            continue;
        lists_.push_back(readHead(info + name.toByteArray(), kMaxDatabaseFile));
        owners.push_back(*it);
    }
    ::closedir(dir);
    // One path a line at most: what the lists hold, never what their number suggests.
    size_t lines = 0;
    for (const QByteArray& list : lists_)
        lines += size_t(list.count('\n')) + 1;
    paths_.reserve(lines);
    for (size_t i = 0; i < lists_.size(); ++i)
        addList(quint32(i), owners[i]);
    std::sort(paths_.begin(), paths_.end(),
              [](const ListedPath& a, const ListedPath& b) { return a.nameHash < b.nameHash; });
}

// A path listed as it is asked wins over one that only its links lead to.
std::optional<int> DpkgPackageIndex::find(const QByteArray& path) {
    const size_t hash = nameHash(path);
    const auto first =
        std::lower_bound(paths_.begin(), paths_.end(), hash,
                         [](const ListedPath& p, size_t h) { return p.nameHash < h; });
    const auto sameName = [&](auto it) { return it != paths_.end() && it->nameHash == hash; };
    for (auto it = first; sameName(it); ++it)
        if (pathOf(*it) == path)
            return it->package;
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray canonical = directories_.resolve(directoryOf(path));
    for (auto it = first; sameName(it); ++it) {
        const QByteArrayView listed = pathOf(*it);
        if (listed.sliced(listed.lastIndexOf('/')) == QByteArrayView(path).sliced(slash) &&
            directories_.resolve(directoryOf(listed)) == canonical)
            return it->package;
    }
    return {};
}

const PackageFacts& DpkgPackageIndex::factsOf(int index) {
    Package& package = packages_[size_t(index)];
    if (!package.copyrightRead) {
        package.copyrightRead = true;
        package.facts.copyright = QString::fromUtf8(firstCopyrightStatement(
            readHead(root_ + "/usr/share/doc/" + encodeFileName(package.facts.name) + "/copyright",
                     kCopyrightHead)));
    }
    return package.facts;
}

std::optional<PackageFacts> DpkgPackageIndex::ownerOf(const QString& path) {
    if (!built_)
        build();
    const QString clean = QDir::cleanPath(path);
    if (!clean.startsWith('/') || clean == QLatin1String("/"))
        return {};
    if (const std::optional<int> package = find(encodeFileName(clean)))
        return factsOf(*package);
    return {};
}

} // namespace vok
