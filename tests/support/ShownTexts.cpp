#include "support/ShownTexts.h"
#include <QAccessible>
#include <QAction>
#include <QWidget>

namespace vok {

namespace {

void addProperties(const QObject* o, const QString& where, ShownTexts& out) {
    for (const char* name : {"windowTitle", "text", "title", "placeholderText", "toolTip",
                             "statusTip", "whatsThis", "accessibleName", "accessibleDescription"}) {
        const QVariant v = o->property(name);
        if (v.typeId() == QMetaType::QString && !v.toString().isEmpty())
            out.append({where + u'.' + QLatin1String(name), v.toString()});
    }
}

void addAccessible(QAccessibleInterface* a, const QString& where, ShownTexts& out) {
    if (!a || !a->isValid())
        return;
    for (const auto& [kind, label] : {std::pair{QAccessible::Name, "name"},
                                      std::pair{QAccessible::Description, "description"}}) {
        const QString text = a->text(kind);
        if (!text.isEmpty())
            out.append({where + u'.' + QLatin1String(label), text});
    }
    for (int i = 0; i < a->childCount(); ++i)
        addAccessible(a->child(i), where + u'/' + QString::number(i), out);
}

} // namespace

ShownTexts shownTexts(QWidget* window) {
    ShownTexts out;
    addProperties(window, QStringLiteral("window"), out);
    int index = 0;
    for (const QObject* o : window->findChildren<QObject*>()) {
        ++index;
        if (o->isWidgetType() || qobject_cast<const QAction*>(o))
            addProperties(o, QStringLiteral("%1:%2").arg(index).arg(o->metaObject()->className()),
                          out);
    }
    addAccessible(QAccessible::queryAccessibleInterface(window), QStringLiteral("a11y"), out);
    return out;
}

} // namespace vok
