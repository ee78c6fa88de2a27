#pragma once
#include "platform/Trash.h"

namespace vok {

// The freedesktop.org trash through QFile::moveToTrash, which also knows the trash folders of
// other file systems. Names that Qt cannot spell (bytes that are not UTF-8) or paths too long
// for one system call go to the home trash by Vok's own rename, on the same rules.
class LinuxTrash : public Trash {
protected:
    bool move(const QString& path) override;
};

} // namespace vok
