#pragma once
#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace vok {

class DialogService;

// Adds a menu command that runs the handler guarded (an error ends it and is shown through
// dialogs). Check items do not toggle themselves: their handlers set the marks, as the
// commands' rules say.
QAction* addMenuItem(DialogService& dialogs, QMenu* menu, const QString& caption, const char* name,
                     std::function<void()> handler, bool checkable = false, bool checked = false);

// The same for a window's handler.
template <typename T>
QAction* addMenuItem(DialogService& dialogs, QMenu* menu, const QString& caption, const char* name,
                     T* window, void (T::*handler)(), bool checkable = false,
                     bool checked = false) {
    return addMenuItem(
        dialogs, menu, caption, name, [window, handler] { (window->*handler)(); }, checkable,
        checked);
}

// Checks `chosen` and clears the other items of its group.
void checkOnly(QAction* chosen, std::initializer_list<QAction*> group);

} // namespace vok
