#pragma once
#include "platform/PackageIndex.h"
#include <QHash>

namespace vok {

// Owners of paths given by the test, matched exactly.
class FakePackageIndex : public PackageIndex {
public:
    std::optional<PackageFacts> ownerOf(const QString& path) override {
        ++queries;
        const auto it = owners.constFind(path);
        return it == owners.constEnd() ? std::nullopt : std::optional<PackageFacts>(*it);
    }

    QHash<QString, PackageFacts> owners;
    int queries = 0;
};

} // namespace vok
