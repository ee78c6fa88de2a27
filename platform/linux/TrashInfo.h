#pragma once
#include <QByteArray>
#include <ctime>

namespace vok::linuxfs {

// The .trashinfo record: the original path percent-encoded (so that a newline or a "%" in a
// name restores as itself) and the local deletion time.
QByteArray trashInfoText(const QByteArray& originalPath, std::time_t deletedAt);

// The name the file takes in the trash on the given attempt (0, 1, ...): the file's own name,
// then with ".2", ".3", ... added. Long names are cut, at a character boundary where the name
// is UTF-8, so that the name and its ".trashinfo" both fit in nameMax bytes.
QByteArray trashedName(const QByteArray& baseName, int attempt, long nameMax);

} // namespace vok::linuxfs
