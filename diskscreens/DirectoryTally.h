#pragma once
#include "platform/DirEntry.h"
#include <QString>
#include <functional>

namespace vok {

// Sums a walk's files directory by directory, as the directory tree shows them: each directory
// that holds files, with the bytes and the number of its own files (not those below it). The
// walk reports a directory's files together, so a change of directory ends the previous one.
class DirectoryTally {
public:
    using DirectoryDone = std::function<void(const QString& dir, qint64 bytes, int files)>;
    explicit DirectoryTally(DirectoryDone done) : done_(std::move(done)) {}

    bool add(const QString& dir, const DirEntry& rec); // a FindFiles callback; always true
    void finish();                                     // reports the last directory

    int fileCount() const { return fileCount_; }
    int directoryCount() const { return directoryCount_; }
    qint64 grandTotal() const { return grandTotal_; }

private:
    DirectoryDone done_;
    QString dir_;
    qint64 dirBytes_ = 0;
    int dirFiles_ = 0;
    int fileCount_ = 0;
    int directoryCount_ = 0;
    qint64 grandTotal_ = 0;
};

} // namespace vok
