#pragma once
#include <QString>

namespace vok {
struct Services;
}

namespace vok::bench {

// Saves a picture of one screen at work: "dirspace" listing dir's files, "search" with the
// results of mask over dir, "processes" with the tree built and expanded, "windows" with the
// desktop's window list.
int screenShot(const Services& services, const QString& screen, const QString& png,
               const QString& dir, const QString& mask);

} // namespace vok::bench
