#pragma once
#include <QByteArray>
#include <QList>
#include <memory>

struct wl_display;
struct wl_registry;

namespace vok {

// A connection of Vok's own to the user's Wayland compositor, apart from the one Qt keeps,
// made only to a compositor that runs as this user: a socket that another account listens on
// is never spoken to.
class WaylandConnection {
public:
    struct Global {
        quint32 name = 0;
        QByteArray interface;
        quint32 version = 0;
    };

    // display: a socket name as $WAYLAND_DISPLAY gives it; empty means $WAYLAND_DISPLAY itself.
    // Without it nothing is connected.
    explicit WaylandConnection(const QByteArray& display = {});
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    bool isOpen() const { return display_ != nullptr; }
    wl_display* display() const { return display_; }
    wl_registry* registry() const { return registry_; }
    // The compositor's globals, as it announced them when connected.
    const QList<Global>& globals() const { return globals_; }
    const Global* global(const char* interface) const;
    // Waits for the compositor to answer everything asked so far; false when the connection
    // has failed.
    bool roundtrip();

private:
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    QList<Global> globals_;
};

// True when this process runs in a Wayland session: $WAYLAND_DISPLAY names a compositor.
bool waylandSession();

} // namespace vok
