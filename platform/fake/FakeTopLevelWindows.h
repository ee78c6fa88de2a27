#pragma once
#include "platform/TopLevelWindows.h"
#include <QSet>

namespace vok {

// A desktop whose windows tests set, topmost first; restack() tells the watches of a change.
class FakeTopLevelWindows : public TopLevelWindows {
public:
    QList<TopLevelWindow> windows() override {
        ++queries;
        return desktop;
    }
    std::unique_ptr<TopLevelWindowsWatch> watch(std::function<void()> changed) override {
        return std::make_unique<Watch>(*this, std::move(changed));
    }
    void restack(QList<TopLevelWindow> now) {
        desktop = std::move(now);
        for (Watch* w : QSet<Watch*>(watches))
            if (watches.contains(w))
                w->changed();
    }
    QList<TopLevelWindow> desktop;
    int queries = 0;

    struct Watch : TopLevelWindowsWatch {
        Watch(FakeTopLevelWindows& d, std::function<void()> c) : desktop(d), changed(std::move(c)) {
            desktop.watches.insert(this);
        }
        ~Watch() override { desktop.watches.remove(this); }
        FakeTopLevelWindows& desktop;
        std::function<void()> changed;
    };
    QSet<Watch*> watches; // the live ones
};

} // namespace vok
