#pragma once
#include <QtGlobal>

namespace vok {

// The process's peak resident set (VmHWM) in bytes; -1 when it cannot be read. For measuring.
qint64 peakResidentBytes();

} // namespace vok
