#pragma once
#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

namespace vok {

// One top-level window of the desktop: its id on the display and its caption.
struct TopLevelWindow {
    quint32 id = 0;
    QString caption; // at most 254 characters; empty when it has none or is gone
    bool operator==(const TopLevelWindow&) const = default;
};

// Hearing of changes lasts as long as the watch does.
class TopLevelWindowsWatch {
public:
    virtual ~TopLevelWindowsWatch() = default;
};

class TopLevelWindows {
public:
    virtual ~TopLevelWindows() = default;
    // The desktop's top-level windows, topmost first; empty without a display.
    virtual QList<TopLevelWindow> windows() = 0;
    // Calls `changed` from the event loop of the calling thread each time the desktop has
    // restacked, opened or closed windows, while the watch lives. Null where the desktop does
    // not tell.
    virtual std::unique_ptr<TopLevelWindowsWatch> watch(std::function<void()> changed) {
        (void)changed;
        return nullptr;
    }
};

} // namespace vok
