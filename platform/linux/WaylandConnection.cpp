#include "platform/linux/WaylandConnection.h"
#include "platform/linux/PeerUser.h"
#include <wayland-client.h>

namespace vok {

namespace {

void announced(void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version) {
    static_cast<QList<WaylandConnection::Global>*>(data)->append({name, interface, version});
}

void withdrawn(void* data, wl_registry*, uint32_t name) {
    static_cast<QList<WaylandConnection::Global>*>(data)->removeIf(
        [name](const WaylandConnection::Global& g) { return g.name == name; });
}

const wl_registry_listener kRegistryListener = {announced, withdrawn};

} // namespace

bool waylandSession() {
    return !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

WaylandConnection::WaylandConnection(const QByteArray& display) {
    if (display.isEmpty() && !waylandSession())
        return;
    display_ = wl_display_connect(display.isEmpty() ? nullptr : display.constData());
    if (!display_)
        return;
    if (!peerIsThisUser(wl_display_get_fd(display_))) {
        wl_display_disconnect(display_);
        display_ = nullptr;
        return;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, &globals_);
    if (!roundtrip())
        globals_.clear();
}

WaylandConnection::~WaylandConnection() {
    if (registry_)
        wl_registry_destroy(registry_);
    if (display_)
        wl_display_disconnect(display_);
}

const WaylandConnection::Global* WaylandConnection::global(const char* interface) const {
    for (const Global& g : globals_)
        if (g.interface == interface)
            return &g;
    return nullptr;
}

bool WaylandConnection::roundtrip() {
    return display_ && wl_display_roundtrip(display_) >= 0;
}

} // namespace vok
