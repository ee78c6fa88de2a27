#include "controls/PieGrafAccessible.h"
#include "controls/PieGraf.h"
#include <QAccessibleWidget>

namespace vok {

namespace {

class PieGrafAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
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
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return pie()->percent(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
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
