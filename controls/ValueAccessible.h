#pragma once
#include <QAccessibleWidget>

namespace vok {

// A control that shows a whole number but takes none: assistive technology reads the value and
// hears when it changes, and setting it does nothing.
class ReadOnlyValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ReadOnlyValueAccessible(QWidget* w, QAccessible::Role role, int minimum, int maximum)
        : QAccessibleWidget(w, role), minimum_(minimum), maximum_(maximum) {}

    void* interface_cast(QAccessible::InterfaceType t) override;
    QVariant currentValue() const override { return value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return maximum_; }
    QVariant minimumValue() const override { return minimum_; }
    QVariant minimumStepSize() const override { return 1; }

protected:
    virtual int value() const = 0;

private:
    int minimum_, maximum_;
};

// Tells assistive technology that `control` shows `value` now.
void announceValue(QWidget* control, int value);

} // namespace vok
