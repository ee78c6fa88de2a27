#include "platform/ResourceShare.h"
#include "platform/VokError.h"
#include <QCoreApplication>
#include <algorithm>

namespace vok {

int freeShare(const ResourceUse& use) {
    if (!use.limit || *use.limit == 0)
        throw VokError(QCoreApplication::translate("vok::ResourceShare", "Cannot load USER.EXE"));
    if (!use.used)
        throw VokError(QCoreApplication::translate("vok::ResourceShare",
                                                   "Cannot get address of GetFreeSystemResources"));
    const quint64 limit = *use.limit;
    const quint64 used = std::min(*use.used, limit);
    return int(double(limit - used) * 100.0 / double(limit));
}

int freeResourcePercent(ResourceKind kind, const ResourceUse& files, const ResourceUse& tasks) {
    switch (kind) {
    case ResourceKind::GDI:
        return freeShare(files);
    case ResourceKind::User:
        return freeShare(tasks);
    case ResourceKind::System:
        // Both limits are checked before either usage, so a missing limit is reported first.
        freeShare({files.limit, quint64(0)});
        freeShare({tasks.limit, quint64(0)});
        return std::min(freeShare(files), freeShare(tasks));
    }
    return 0;
}

} // namespace vok
