#pragma once
#include "platform/TopLevelWindows.h"
#include <QByteArray>

namespace vok {

// The top-level windows of an X display, read over a connection of its own for each query: the
// client windows of the window manager's stacking list when a live window manager publishes
// one, else the children of the root window. A watch keeps a connection of its own and hears
// the window manager republish its list, or, without one, the root's children change.
class XcbTopLevelWindows : public TopLevelWindows {
public:
    // display: an X display name as $DISPLAY gives it; empty means $DISPLAY itself.
    explicit XcbTopLevelWindows(QByteArray display = {});
    QList<TopLevelWindow> windows() override;
    std::unique_ptr<TopLevelWindowsWatch> watch(std::function<void()> changed) override;

private:
    QByteArray display_;
};

} // namespace vok
