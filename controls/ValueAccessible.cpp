#include "controls/ValueAccessible.h"
#include <QWidget>

namespace vok {

void* ReadOnlyValueAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void announceValue(QWidget* control, int value) {
    // Without a client, asking for the interface would only fill Qt's cache.
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent ev(control, value);
    QAccessible::updateAccessibility(&ev);
}

} // namespace vok
