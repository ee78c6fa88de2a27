#include "support/ShownColours.h"
#include "controls/Panel.h"
#include "platform/Colors.h"
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>

namespace vok::test {

QPalette darkPalette() {
    const QColor window(0x35, 0x35, 0x35), base(0x3c, 0x3c, 0x3c), text(0xe6, 0xe6, 0xe6);
    QPalette p(window);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::ToolTipBase, window);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
        p.setColor(group, QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
    }
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
