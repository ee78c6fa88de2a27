#pragma once
#include "controls/SpaceUnit.h"
#include "diskscreens/ScanState.h"
#include <QString>

namespace vok {

// The directory space screen's status text for the last listing: "12 Mb 40 Files" style with
// the count, "12 Mb" without; bytes read "N Bytes" after a listing and "N bytes" from the
// unit command. Halves round to the even neighbour.
QString dirSpaceCaption(const ScanState& scan, SpaceUnit unit, bool afterListing);

} // namespace vok
