#pragma once
#include <QString>

namespace vok {
struct Services;
}

namespace vok::bench {

// Runs the file search screen's Begin Search on dir with mask, shown (offscreen), while another
// thread posts a key event to its grid every few milliseconds; prints how long the posted keys
// waited to be handled: the longest wait is the longest time the window did not take input.
int searchScreen(const Services& services, const QString& dir, const QString& mask);

} // namespace vok::bench
