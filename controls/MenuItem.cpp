#include "controls/MenuItem.h"
#include "platform/ErrorHandler.h"
#include <QMenu>

namespace vok {

QAction* addMenuItem(DialogService& dialogs, QMenu* menu, const QString& caption, const char* name,
                     std::function<void()> handler, bool checkable, bool checked) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    a->setChecked(checked);
    QObject::connect(a, &QAction::triggered, menu, [d = &dialogs, a, handler = std::move(handler)] {
        runGuarded(*d, [&] {
            if (a->isCheckable())
                a->setChecked(!a->isChecked());
            handler();
        });
    });
    return a;
}

void checkOnly(QAction* chosen, std::initializer_list<QAction*> group) {
    for (QAction* a : group)
        a->setChecked(a == chosen);
}

} // namespace vok
