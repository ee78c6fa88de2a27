#pragma once
#include <QByteArray>

namespace vok::bench {

// The bare walk a search cannot beat: getdents64 and one fstatat per entry, no rows, no names
// kept, the same entries the search visits (hidden directories not entered, one file system,
// links not followed). Prints files, directories and seconds. With threads above 1, the same
// entries read by that many threads taking whole directories, in no order.
int floorWalk(const QByteArray& dir, int threads = 1);

} // namespace vok::bench
