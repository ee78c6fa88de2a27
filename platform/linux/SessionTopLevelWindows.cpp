#include "platform/linux/SessionTopLevelWindows.h"
#include "platform/linux/WaylandConnection.h"

namespace vok {

TopLevelWindows& SessionTopLevelWindows::chosen() {
    if (!chosen_)
        chosen_ = waylandSession() && wayland_.offered() ? static_cast<TopLevelWindows*>(&wayland_)
                                                         : &x11_;
    return *chosen_;
}

QList<TopLevelWindow> SessionTopLevelWindows::windows() {
    return chosen().windows();
}

std::unique_ptr<TopLevelWindowsWatch> SessionTopLevelWindows::watch(std::function<void()> changed) {
    return chosen().watch(std::move(changed));
}

} // namespace vok
