#include "controls/WindowAccessible.h"
#include "controls/AccessibleFactory.h"
#include <QAccessibleWidget>
#include <QWidget>

namespace vok {

namespace {

// Qt's own factory answers for dialogs and main windows, and for every other class before its
// lookup reaches the plain widget; popups and tool tips keep the role Qt gives them.
QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (w->windowType() != Qt::Window)
        return nullptr;
    return new QAccessibleWidget(w, QAccessible::Window);
}

} // namespace

void installWindowAccessibility() {
    installAccessibleFactory(windowFactory);
}

} // namespace vok
