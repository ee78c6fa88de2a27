#include "diskscreens/DirectoryTally.h"

namespace vok {

bool DirectoryTally::add(const QString& dir, const DirEntry& rec) {
    if (dirFiles_ == 0 || dir != dir_) {
        finish();
        dir_ = dir;
        ++directoryCount_;
    }
    ++dirFiles_;
    ++fileCount_;
    dirBytes_ += rec.size;
    grandTotal_ += rec.size;
    return true;
}

void DirectoryTally::finish() {
    if (dirFiles_ > 0 && done_)
        done_(dir_, dirBytes_, dirFiles_);
    dirBytes_ = 0;
    dirFiles_ = 0;
}

} // namespace vok
