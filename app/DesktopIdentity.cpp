#include "app/DesktopIdentity.h"
#include <QApplication>

// The resource lives in a static library; without a reference the linker drops it.
static void initIconResource() {
    Q_INIT_RESOURCE(vokicons);
}

namespace vok {

QIcon vokIcon() {
    initIconResource();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vok-%1.png").arg(size), QSize(size, size));
    return icon;
}

void installDesktopIdentity() {
    QApplication::setWindowIcon(vokIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(VOK_APP_ID));
}

} // namespace vok
