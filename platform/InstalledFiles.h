#pragma once
#include <QString>

namespace vok {

// Whether a file or folder the program loads beside itself (its translations) may decide what
// it shows: no link, owned by root or this user, and writable by no one else. Whoever could
// swap a folder above it could as well swap the program itself, so the folders above are not
// asked.
bool isTrustedInstalledPath(const QString& path);

} // namespace vok
