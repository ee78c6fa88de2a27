#pragma once
#include "platform/Drive.h"
#include <QList>

namespace vok {

// Space of several drives, in the order asked, all asked at once: each query gives up after
// its own time limit, so mounts that do not answer cost one limit between them rather than one
// each. The table's space() must allow calls from several threads (the Linux table locks).
QList<DriveSpace> spacesAtOnce(DriveTable& table, const QList<QChar>& letters);

} // namespace vok
