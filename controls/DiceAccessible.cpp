#include "controls/DiceAccessible.h"
#include "controls/Dice.h"
#include <QAccessibleWidget>

namespace vok {

namespace {

// A button, since pressing it is what a die is for; no value interface, which would offer
// "Increase" and "Decrease" actions that make no sense for a die.
class DiceAccessible : public QAccessibleWidget {
public:
    explicit DiceAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    TDice* die() const { return static_cast<TDice*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return QStringLiteral("Die");
        case QAccessible::Value:
            return QString::number(die()->value());
        case QAccessible::Description:
            return die()->toolTip().trimmed();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit die()->clicked();
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("vok::TDice") && object && object->isWidgetType())
        return new DiceAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installDiceAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void notifyDiceValue(QWidget* die) {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent ev(die, static_cast<TDice*>(die)->value());
    QAccessible::updateAccessibility(&ev);
}

} // namespace vok
