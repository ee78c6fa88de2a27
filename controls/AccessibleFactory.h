#pragma once
#include <QAccessible>
#include <QList>

namespace vok {

// Gives Qt `factory` the first time it is asked for; controls ask whenever one is made.
inline void installAccessibleFactory(QAccessible::InterfaceFactory factory) {
    static QList<QAccessible::InterfaceFactory> installed;
    if (installed.contains(factory))
        return;
    installed << factory;
    QAccessible::installFactory(factory);
}

} // namespace vok
