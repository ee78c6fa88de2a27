#pragma once
#include "platform/TopLevelWindows.h"
#include <QByteArray>

namespace vok {

// The toplevels of a Wayland compositor that publishes them: wlroots compositors through their
// foreign toplevel list, KDE Plasma through its window management. Each query reads over a
// connection of its own; a watch keeps one and hears every toplevel that opens, changes or
// closes. Titled as the compositor has them, the active one first.
class WaylandTopLevelWindows : public TopLevelWindows {
public:
    // display: a socket name as $WAYLAND_DISPLAY gives it; empty means $WAYLAND_DISPLAY itself.
    explicit WaylandTopLevelWindows(QByteArray display = {});
    // True when the compositor offers one of the two lists.
    bool offered() const;
    QList<TopLevelWindow> windows() override;
    std::unique_ptr<TopLevelWindowsWatch> watch(std::function<void()> changed) override;

private:
    QByteArray display_;
};

} // namespace vok
