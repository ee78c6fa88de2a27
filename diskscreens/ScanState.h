#pragma once
#include <QString>
#include <QtGlobal>

namespace vok {

// What a screen remembers of its last listing or walk. Each screen owns one; the routines that
// list and walk take it. Byte totals are exact 64-bit sums.
struct ScanState {
    int ScanFileCount = 0;    // files put into the grid by the last listing
    qint64 ScanByteTotal = 0; // their bytes
    QString LastListedDir;    // the directory of the last listing
};

} // namespace vok
