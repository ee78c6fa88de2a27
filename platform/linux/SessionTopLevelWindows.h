#pragma once
#include "platform/linux/WaylandTopLevelWindows.h"
#include "platform/linux/XcbTopLevelWindows.h"

namespace vok {

// The top-level windows of the session Vok runs in: the Wayland compositor's own list where it
// publishes one, else what the X server knows (in a Wayland session, XWayland's windows only).
// Decided at the first question, for the program's life.
class SessionTopLevelWindows : public TopLevelWindows {
public:
    QList<TopLevelWindow> windows() override;
    std::unique_ptr<TopLevelWindowsWatch> watch(std::function<void()> changed) override;

private:
    TopLevelWindows& chosen();

    WaylandTopLevelWindows wayland_;
    XcbTopLevelWindows x11_;
    TopLevelWindows* chosen_ = nullptr;
};

} // namespace vok
