#pragma once
#include "platform/PackageIndex.h"
#include "platform/linux/CanonicalDirectories.h"
#include <QByteArray>
#include <vector>

namespace vok {

// The dpkg database (var/lib/dpkg/status and info/*.list under a root folder), read into an
// index at the first question and kept for the run. A path is matched with the links of its
// directories resolved, so a file listed under /lib is found as /usr/lib and the other way round.
class DpkgPackageIndex : public PackageIndex {
public:
    // root: the folder that stands for "/"; tests give a made-up database.
    explicit DpkgPackageIndex(const QString& root = QStringLiteral("/"));
    std::optional<PackageFacts> ownerOf(const QString& path) override;

    bool isBuilt() const { return built_; }
    int pathCount() const { return int(paths_.size()); }

private:
    struct Package {
        PackageFacts facts;
        bool copyrightRead = false;
    };
    // A listed path, found by the hash of its file name: resolving every listed directory's
    // links up front would cost one lstat per directory, most of the index's building time, so
    // only the few paths with the asked file name are resolved, when asked.
    struct ListedPath {
        size_t nameHash;
        quint32 list, offset, length;
        int package;
    };
    void build();
    void addList(quint32 list, int package);
    QByteArrayView pathOf(const ListedPath& p) const {
        return QByteArrayView(lists_[p.list]).sliced(p.offset, p.length);
    }
    std::optional<int> find(const QByteArray& path);
    const PackageFacts& factsOf(int package);

    QByteArray root_;
    CanonicalDirectories directories_;
    bool built_ = false;
    std::vector<Package> packages_;
    std::vector<QByteArray> lists_; // the file lists as read
    std::vector<ListedPath> paths_; // sorted by nameHash
};

} // namespace vok
