#pragma once

namespace vok {

enum class ResourceKind { System = 0, GDI = 1, User = 2 };

// The free share of the per-user limits a desktop program runs into.
class ResourceInfo {
public:
    virtual ~ResourceInfo() = default;
    // 0..100. Throws VokError("Cannot load USER.EXE") when a limit cannot be read and
    // VokError("Cannot get address of GetFreeSystemResources") when the usage cannot be counted.
    virtual int freeResourcePercent(ResourceKind kind) = 0;
};

} // namespace vok
