#pragma once
#include "platform/Trash.h"

namespace vok {

// The freedesktop.org trash, written by Vok itself on directory descriptors and byte-exact
// names: the home trash for files on its device, else the top directory trash of the file's
// file system. The .trashinfo is written before the file moves; a file moves only by rename,
// never by copy and delete, and only while it and its folder are the entries the user was
// asked about. See docs/trash.md.
class LinuxTrash : public Trash {
protected:
    std::optional<TrashSubject> identify(const QString& path) override;
    bool move(const QString& path, const TrashSubject& asked) override;
};

} // namespace vok
