#pragma once
#include "platform/FileNames.h"
#include <QByteArrayView>
#include <QtGlobal>

namespace vok {

// Attribute bits of a directory entry.
enum FileAttr : quint32 {
    AttrReadOnly = 1,
    AttrHidden = 2,
    AttrSystem = 4,
    AttrVolumeLabel = 8, // never set on Linux
    AttrDirectory = 16,
    AttrArchive = 32,
};

// Include masks in use: a bit among hidden, system, volume label and directory that an entry
// carries must be in the mask, or the entry is skipped.
constexpr quint32 IncludeFiles = 39;       // files, hidden and system ones too; no directories
constexpr quint32 IncludeEverything = 63;  // every entry
constexpr quint32 IncludeDirectories = 16; // directories and plain files; nothing hidden

inline bool passesIncludeMask(quint32 attr, quint32 includeMask) {
    constexpr quint32 filtered = AttrHidden | AttrSystem | AttrVolumeLabel | AttrDirectory;
    return (attr & filtered & ~includeMask) == 0;
}

// One entry of a directory as the walk reports it. rawName points into the walk's buffer and is
// valid only during the call that receives the entry.
struct DirEntry {
    QByteArrayView rawName;
    qint64 size = 0; // apparent size (st_size); a symbolic link's own size
    quint32 attr = 0;

    QString name() const { return decodeFileName(rawName); }
    bool isDirectory() const { return attr & AttrDirectory; }
};

} // namespace vok
