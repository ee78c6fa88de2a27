#include "diskscreens/DirSpaceCaptions.h"
#include "controls/Rounding.h"

namespace vok {

QString dirSpaceCaption(const ScanState& scan, SpaceUnit unit, bool afterListing) {
    const double total = double(scan.ScanByteTotal);
    const QString files = afterListing ? QString(" %1 Files").arg(scan.ScanFileCount) : QString();
    switch (unit) {
    case SpaceUnit::Kb:
        return QString("%1 Kb").arg(roundHalfEven(total / 1024)) + files;
    case SpaceUnit::Bytes:
        // Totals are exact 64-bit sums, so no rounding is needed.
        return afterListing ? QString("%1 Bytes").arg(scan.ScanByteTotal)
                            : QString("%1 bytes").arg(scan.ScanByteTotal);
    case SpaceUnit::Mb:
        break;
    }
    return QString("%1 Mb").arg(roundHalfEven(total / 1048576)) + files;
}

} // namespace vok
