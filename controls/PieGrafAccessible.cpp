#include "controls/PieGrafAccessible.h"
#include "controls/AccessibleFactory.h"
#include "controls/PieGraf.h"
#include "controls/ValueAccessible.h"
#include <QCoreApplication>

namespace vok {

namespace {

// A pie shows its percentage and takes no value nor any command.
class PieGrafAccessible : public ReadOnlyValueAccessible {
public:
    explicit PieGrafAccessible(QWidget* w)
        : ReadOnlyValueAccessible(w, QAccessible::ProgressBar, 0, 100) {}

    TPieGraf* pie() const { return static_cast<TPieGraf*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return pie()->caption();
        case QAccessible::Value:
            //: %1 is the percentage
            return QCoreApplication::translate("vok::PieGrafAccessible", "%1%")
                .arg(QString::number(pie()->percent()));
        case QAccessible::Description:
            return pie()->hint();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {}; }

protected:
    int value() const override { return pie()->percent(); }
};

QAccessibleInterface* pieFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vok::TPieGraf") && object && object->isWidgetType())
        return new PieGrafAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installPieGrafAccessibility() {
    installAccessibleFactory(pieFactory);
}

} // namespace vok
