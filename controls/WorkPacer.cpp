#include "controls/WorkPacer.h"
#include <QCoreApplication>

namespace vok {

void repaintOnly() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void letInputThrough() {
    QCoreApplication::processEvents();
}

} // namespace vok
