#pragma once
#include "platform/VersionFiles.h"
#include <QHash>

namespace vok {

// Files held in memory as their bytes, read by the same PE reader as real ones.
class FakeVersionFiles : public VersionFiles {
public:
    bool exists(const QString& path) override { return files.contains(path); }
    quint32 versionInfoSize(const QString& path) override;
    bool versionInfo(const QString& path, quint32 size, QByteArray& block) override;

    QHash<QString, QByteArray> files;
    int sizeQueries = 0;
};

} // namespace vok
