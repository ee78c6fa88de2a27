#pragma once
#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

class QWidget;

namespace vok::test {

// The palette of a dark desktop scheme (as Fusion or qt6ct give it): light text on a dark base.
QPalette darkPalette();

// A text a window shows and the colours the style paints it in.
struct ShownText {
    QString where;
    QColor text, background;
};

// Every item view (its cells; a header its buttons) and label (panels included) in window, in the
// active and the inactive colours: a view's cell text on its viewport's fill unless the model gives
// colours; a label's text on the first of it and its parents that paints a background (a panel's
// own colour, a filled widget, the window).
QList<ShownText> shownTexts(const QWidget& window);

} // namespace vok::test
