#pragma once
#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace vok {

// Adds a menu command whose handler runs guarded (an error ends it and is shown). Check items
// do not toggle themselves: their handlers set the marks, as the commands' rules say.
QAction* addMenuItem(QMenu* menu, const QString& caption, const char* name,
                     std::function<void()> handler, bool checkable = false, bool checked = false);

// Checks `chosen` and clears the other items of its group.
void checkOnly(QAction* chosen, std::initializer_list<QAction*> group);

} // namespace vok
