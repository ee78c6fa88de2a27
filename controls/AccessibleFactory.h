#pragma once
#include <QAccessible>

namespace vok {

// Gives Qt `factory`; controls ask whenever one is made, and Qt keeps each factory once.
inline void installAccessibleFactory(QAccessible::InterfaceFactory factory) {
    QAccessible::installFactory(factory);
}

} // namespace vok
