#pragma once
#include "platform/ResourceInfo.h"
#include <QtGlobal>
#include <optional>

namespace vok {

// A limit and how much of it is used; nullopt where it could not be read.
struct ResourceUse {
    std::optional<quint64> limit;
    std::optional<quint64> used;
};

// The free share in whole per cent, rounded down; throws the system's texts on failure.
int freeShare(const ResourceUse& use);
int freeResourcePercent(ResourceKind kind, const ResourceUse& files, const ResourceUse& tasks);

} // namespace vok
