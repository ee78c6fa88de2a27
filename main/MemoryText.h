#pragma once
#include <QString>

namespace vok {

// A byte count as the memory read-out writes it in Kb: the shortest decimal form, cut to
// `width` characters, but never cutting into the whole part (a longer whole part is shown whole).
QString kbText(double bytes, int width);

// The read-out texts of the memory measures.
QString realMemoryText(quint64 total, quint64 available);
QString virtualMemoryText(quint64 total, quint64 available);
QString pageFileText(quint64 total, quint64 available);

// available / total in per cent, ties to even; 0 when there is nothing to divide by.
int freePercent(quint64 total, quint64 available);

} // namespace vok
