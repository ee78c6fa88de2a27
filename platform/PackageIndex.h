#pragma once
#include <QString>
#include <optional>

namespace vok {

// What the package database says about the package that installed a file.
struct PackageFacts {
    QString name;
    QString version;
    QString maintainer;
    QString description; // the short description, its first line
    QString copyright;   // the first copyright line of the package's copyright file
};

// The platform's package database: which installed package owns a path.
class PackageIndex {
public:
    virtual ~PackageIndex() = default;
    // Nothing when no installed package lists the path, or the system has no package database.
    virtual std::optional<PackageFacts> ownerOf(const QString& path) = 0;
};

} // namespace vok
