#pragma once
#include <QByteArray>

namespace vok::bench {

// The bare walk a search cannot beat: getdents64 and one fstatat per entry, no rows, no names
// kept, the same entries the search visits (hidden directories not entered, one file system,
// links not followed). Prints files, directories and seconds.
int floorWalk(const QByteArray& dir);

} // namespace vok::bench
