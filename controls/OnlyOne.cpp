// OnlyOne: the single running copy of the main window (TOnlyOne).
#include "controls/OnlyOne.h"
#include "platform/RunningCopy.h"
#include <QApplication>
#include <QMainWindow>

namespace vok {

TOnlyOne::TOnlyOne(RunningCopy& copy, const QString& applicationTitle) {
    copy.setComeForward(bringApplicationForward);
    anotherCopyRuns_ = !copy.claim(markerName(applicationTitle));
}

QString TOnlyOne::markerName(const QString& applicationTitle) {
    return "OnlyOne" + applicationTitle.left(20);
}

void bringApplicationForward(const QByteArray& activationToken) {
    QWidget* w = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!w && top->isVisible() && qobject_cast<QMainWindow*>(top))
            w = top;
    }
    if (!w)
        return;
    if (w->isMinimized())
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace vok
