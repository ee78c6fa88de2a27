#include "diskscreens/ScanCells.h"

namespace vok {

QString SizeCellText(qint64 size) {
    return QString::number(size).rightJustified(12, u' ');
}

QString listingCaption(const QString& dir) {
    return QStringLiteral("Directory ") + dir;
}

} // namespace vok
