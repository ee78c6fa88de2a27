#include "controls/Application.h"
#include <QApplication>
#include <QWidget>

namespace vok {

void setApplicationTitle(const QString& title) {
    if (title == QApplication::applicationDisplayName())
        return;
    QApplication::setApplicationDisplayName(title);
    // The desktop shows the title with each window's caption, or alone for a window without
    // one; captions are formatted when set. Hidden windows too: one shown again later must not
    // bring back an old title.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString caption = w->windowTitle();
        w->setWindowTitle(QString());
        if (!caption.isEmpty())
            w->setWindowTitle(caption);
    }
}

QString applicationTitle() {
    return QApplication::applicationDisplayName();
}

} // namespace vok
