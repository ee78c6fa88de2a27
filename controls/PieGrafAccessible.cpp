#include "controls/PieGrafAccessible.h"
#include "controls/PieGraf.h"
#include <QAccessibleWidget>

namespace vok {

namespace {

// A pie shows a value but takes none: no value interface, since the desktop's accessibility
// bridge offers "Increase" and "Decrease" actions for every object that has one.
class PieGrafAccessible : public QAccessibleWidget {
public:
    explicit PieGrafAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::ProgressBar) {}

    TPieGraf* pie() const { return static_cast<TPieGraf*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return pie()->caption();
        case QAccessible::Value:
            return QString::number(pie()->percent()) + "%";
        case QAccessible::Description:
            return pie()->hint();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {}; }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("vok::TPieGraf") && object && object->isWidgetType())
        return new PieGrafAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installPieGrafAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void notifyAccessibleValue(QWidget* pie) {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent ev(pie, static_cast<TPieGraf*>(pie)->percent());
    QAccessible::updateAccessibility(&ev);
}

} // namespace vok
