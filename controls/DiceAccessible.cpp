#include "controls/DiceAccessible.h"
#include "controls/AccessibleFactory.h"
#include "controls/Dice.h"
#include "controls/ValueAccessible.h"
#include <QCoreApplication>

namespace vok {

namespace {

// A button, since pressing it is what a die is for, whose value is its pips (0 for a blank
// face); pressing is its only command.
class DiceAccessible : public ReadOnlyValueAccessible {
public:
    explicit DiceAccessible(QWidget* w) : ReadOnlyValueAccessible(w, QAccessible::Button, 0, 6) {}

    TDice* die() const { return static_cast<TDice*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            //: The accessible name of one of the dice
            return QCoreApplication::translate("vok::DiceAccessible", "Die");
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

protected:
    int value() const override { return die()->value(); }
};

QAccessibleInterface* diceFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vok::TDice") && object && object->isWidgetType())
        return new DiceAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installDiceAccessibility() {
    installAccessibleFactory(diceFactory);
}

} // namespace vok
