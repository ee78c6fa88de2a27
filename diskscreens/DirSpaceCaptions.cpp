#include "diskscreens/DirSpaceCaptions.h"
#include "controls/Rounding.h"
#include <QCoreApplication>

namespace vok {

QString dirSpaceCaption(const ScanState& scan, SpaceUnit unit, bool afterListing) {
    const double total = double(scan.ScanByteTotal);
    switch (unit) {
    case SpaceUnit::Kb: {
        const qint64 kb = roundHalfEven(total / 1024);
        if (afterListing)
            //: Kb = kilobytes; %1 is the size, %2 the number of files
            return QCoreApplication::translate("vok::DirSpaceCaptions", "%1 Kb %2 Files")
                .arg(kb)
                .arg(scan.ScanFileCount);
        //: Kb = kilobytes
        return QCoreApplication::translate("vok::DirSpaceCaptions", "%1 Kb").arg(kb);
    }
    case SpaceUnit::Bytes:
        // Totals are exact 64-bit sums, so no rounding is needed.
        if (afterListing)
            //: After a listing; chosen from the Space Units menu the text has a small "bytes"
            return QCoreApplication::translate("vok::DirSpaceCaptions", "%1 Bytes")
                .arg(scan.ScanByteTotal);
        //: Chosen from the Space Units menu; after a listing the text has a capital "Bytes"
        return QCoreApplication::translate("vok::DirSpaceCaptions", "%1 bytes")
            .arg(scan.ScanByteTotal);
    case SpaceUnit::Mb:
        break;
    }
    const qint64 mb = roundHalfEven(total / 1048576);
    if (afterListing)
        //: Mb = megabytes; %1 is the size, %2 the number of files
        return QCoreApplication::translate("vok::DirSpaceCaptions", "%1 Mb %2 Files")
            .arg(mb)
            .arg(scan.ScanFileCount);
    //: Mb = megabytes
    return QCoreApplication::translate("vok::DirSpaceCaptions", "%1 Mb").arg(mb);
}

} // namespace vok
