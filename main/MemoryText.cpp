#include "main/MemoryText.h"
#include "controls/Rounding.h"
#include <QCoreApplication>

namespace vok {

QString kbText(double bytes, int width) {
    const QString text = QString::number(bytes / 1024.0, 'g', 15);
    const qsizetype dot = text.indexOf('.');
    const qsizetype whole = dot < 0 ? text.size() : dot;
    if (whole > width)
        return text.left(whole);
    return text.left(width);
}

static QString usedFreeTotal(quint64 total, quint64 available) {
    const double used = double(total) - double(available);
    //: %1, %2 and %3 are the used, free and total memory; Kb = kilobytes.
    return QCoreApplication::translate("vok::MemoryText", "%1/%2/%3Kb Used/free/total")
        .arg(kbText(used, 5), kbText(double(available), 5), kbText(double(total), 6));
}

QString realMemoryText(quint64 total, quint64 available) {
    return usedFreeTotal(total, available);
}

QString pageFileText(quint64 total, quint64 available) {
    return usedFreeTotal(total, available);
}

QString virtualMemoryText(quint64 total, quint64 available) {
    const double used = double(total) - double(available);
    //: %1 and %2 are the used and total memory; Kb = kilobytes.
    return QCoreApplication::translate("vok::MemoryText", "%1/%2Kb Used/total")
        .arg(kbText(used, 5), kbText(double(total), 6));
}

int freePercent(quint64 total, quint64 available) {
    if (total == 0)
        return 0;
    return int(roundHalfEven(double(available) / double(total) * 100.0));
}

} // namespace vok
