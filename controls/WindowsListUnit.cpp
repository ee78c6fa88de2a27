// WindowsListUnit: the window list of the running windows screen (TWindowsList).
#include "controls/WindowsListUnit.h"
#include "platform/TopLevelWindows.h"

namespace vok {

TWindowsList::TWindowsList(TopLevelWindows& windows, QObject* owner)
    : QObject(owner), windows_(windows) {}

QStringList TWindowsList::captions() const {
    QStringList names;
    names.reserve(list_.size());
    for (const WindowListEntry& e : list_)
        names << e.caption;
    return names;
}

void TWindowsList::RefreshList() {
    list_.clear();
    for (const TopLevelWindow& w : windows_.windows())
        if (acceptEmptyNames_ || !w.caption.isEmpty())
            list_ << WindowListEntry{w.caption, TWindowInfo{w.id}};
}

} // namespace vok
