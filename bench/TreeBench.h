#pragma once
#include <QString>

namespace vok {
struct Services;
}

namespace vok::bench {

// Runs the directory tree screen's Execute on dir as the user sees it (shown), then times
// showing, scrolling through and sorting the filled tree. With printTo, writes every node's
// text (bytes as the names are stored), one per NUL-terminated record. With shot, saves a
// picture of the screen with the filled tree (the docs' screenshot).
int treeScreen(const Services& services, const QString& dir, const QString& printTo,
               const QString& shot = {});

// Times the tree's Sort on n directory nodes under one top-level node.
int nodeSort(int n);

// Activates the all-disks screen on this machine's drives and prints each pie: letter,
// percentage, hint and mount point, tab-separated; then the drive table's drives from C on
// ("table", letter, mount point), the caption and the height.
int allDisksScreen(const Services& services, const QString& shot = {});

} // namespace vok::bench
