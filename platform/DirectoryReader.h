#pragma once
#include "platform/DirEntry.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace vok {

// What a walk decides without its visitor, on any of its threads and at any time, several at
// once: both answer from their argument and what they hold by value.
struct WalkRules {
    // Asked first about an entry the directory itself marks as something other than a
    // directory, before anything is read about it: false passes over it (no entry() call), which
    // saves reading its details. Entries of unknown type are always read and reported. Empty:
    // every entry is wanted.
    std::function<bool(QByteArrayView rawName)> wants;
    // Whether to enter a subdirectory once the directory holding it has been read. Empty: none.
    std::function<bool(const DirEntry& dir)> entersDirectory;
};

// What a walk reports to: on the thread that called walk(), one call at a time.
class WalkVisitor {
public:
    virtual ~WalkVisitor() = default;
    // Each entry of the directory being read, subdirectories included, in the order the file
    // system returns them. False ends the whole walk.
    virtual bool entry(const DirEntry& e) = 0;
    // The walk goes down into a subdirectory (named as stored) and later comes back out of it.
    // A subdirectory that cannot be opened is neither entered nor left.
    virtual void enter(const QByteArray& rawName) = 0;
    virtual void leave() = 0;
    // Now and then while the walk has nothing to report (names passed over, a directory that
    // other threads still read), so that the caller can let input through; false ends the
    // whole walk.
    virtual bool pause() { return true; }
};

// A symbolic link inside a directory that leads to a directory.
struct DirectoryLink {
    QString name;   // the link's own name
    QString target; // the directory it leads to: absolute, without links
};

// Reads directories. A walk is depth-first and pre-order: all entries of a directory, then its
// chosen subdirectories in the order they were read. It never follows a symbolic link, never
// opens anything but directories, never leaves the file system it started on, never enters a
// directory (device and inode) that is already on its path, has no path length limit, and passes
// over entries and directories it cannot read.
class DirectoryReader {
public:
    virtual ~DirectoryReader() = default;
    // False when dir itself cannot be opened as a directory (nothing is then reported).
    virtual bool walk(const QString& dir, const WalkRules& rules, WalkVisitor& visitor) = 0;
    // Whether something other than a directory exists at path; links are not followed.
    virtual bool fileExists(const QString& path) = 0;
    // The symbolic links directly in dir that lead to a directory; walks never follow them, a
    // user picking a directory may.
    virtual QList<DirectoryLink> directoryLinks(const QString& dir) = 0;

    // The entries of dir alone that pass includeMask (see DirEntry.h); visit returning false
    // stops the listing.
    template <typename Visit> bool list(const QString& dir, quint32 includeMask, Visit visit);
};

template <typename Visit>
bool DirectoryReader::list(const QString& dir, quint32 includeMask, Visit visit) {
    struct Lister : WalkVisitor {
        Visit& fn;
        quint32 mask;
        Lister(Visit& f, quint32 m) : fn(f), mask(m) {}
        bool entry(const DirEntry& e) override { return !passesIncludeMask(e.attr, mask) || fn(e); }
        void enter(const QByteArray&) override {}
        void leave() override {}
    } lister(visit, includeMask);
    return walk(dir, WalkRules{}, lister);
}

} // namespace vok
