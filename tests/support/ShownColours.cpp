#include "support/ShownColours.h"
#include "controls/Panel.h"
#include "platform/Colors.h"
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>

namespace vok::test {

QPalette darkPalette() {
    const QColor window(0x35, 0x35, 0x35), text(0xe6, 0xe6, 0xe6);
    QPalette p(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
               Qt::white, QColor(0x3c, 0x3c, 0x3c), window);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    return p;
}

namespace {

QColor labelBackground(const QWidget* w, QPalette::ColorGroup group) {
    for (; w; w = w->parentWidget()) {
        if (const auto* panel = qobject_cast<const TPanel*>(w))
            return toQColor(panel->color());
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(group, w->backgroundRole());
    }
    return {};
}

QString nameOf(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
}

} // namespace

QList<ShownText> shownTexts(const QWidget& window) {
    QList<ShownText> shown;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
            if (qobject_cast<const QHeaderView*>(view)) { // a button row, where it shows
                shown << ShownText{nameOf(view), view->palette().color(group, QPalette::ButtonText),
                                   view->palette().color(group, QPalette::Button)};
                continue;
            }
            const QWidget* area = view->viewport();
            QColor text = view->palette().color(group, QPalette::Text);
            QColor background = area->palette().color(group, area->backgroundRole());
            if (const QAbstractItemModel* model = view->model(); model && model->rowCount() > 0) {
                const QModelIndex first = model->index(0, 0, view->rootIndex());
                if (const QVariant v = first.data(Qt::ForegroundRole); v.isValid())
                    text = v.value<QBrush>().color();
                if (const QVariant v = first.data(Qt::BackgroundRole); v.isValid())
                    background = v.value<QBrush>().color();
            }
            shown << ShownText{nameOf(view), text, background};
        }
        for (const QLabel* label : window.findChildren<QLabel*>())
            shown << ShownText{nameOf(label),
                               label->palette().color(group, label->foregroundRole()),
                               labelBackground(label, group)};
    }
    return shown;
}

} // namespace vok::test
