#pragma once
#include "platform/VersionFiles.h"
#include <QHash>

namespace vok {

// Files held in memory as their bytes, read by the same PE and ELF readers as real ones.
class FakeVersionFiles : public VersionFiles {
public:
    bool exists(const QString& path) override { return files.contains(path); }
    quint32 versionInfoSize(const QString& path) override;
    bool versionInfo(const QString& path, quint32 size, QByteArray& block) override;
    std::optional<ElfFacts> elfFacts(const QString& path) override;
    QString realPath(const QString& path) override { return links.value(path, path); }

    QHash<QString, QByteArray> files;
    QHash<QString, QString> links; // a path and what it resolves to
    int sizeQueries = 0;
};

} // namespace vok
