#pragma once
#include <QList>
#include <QString>
#include <QtGlobal>

namespace vok {

// One top-level window of the desktop: its id on the display and its caption.
struct TopLevelWindow {
    quint32 id = 0;
    QString caption; // at most 254 characters; empty when it has none or is gone
    bool operator==(const TopLevelWindow&) const = default;
};

class TopLevelWindows {
public:
    virtual ~TopLevelWindows() = default;
    // The desktop's top-level windows, topmost first; empty without a display.
    virtual QList<TopLevelWindow> windows() = 0;
};

} // namespace vok
