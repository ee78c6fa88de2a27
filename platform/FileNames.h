#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vok {

// A Linux file name is bytes. QFile::decodeName turns every invalid UTF-8 byte into U+FFFD, so
// two different files could show the same text and a name could not be found again from it.
// These keep each byte that is not part of valid UTF-8 as the private-use character
// U+EF80..U+EFFF (and such a character stored in a name, or a byte order mark, which readers of
// UTF-8 drop, as its three bytes), so that
// encodeFileName(decodeFileName(bytes)) == bytes for every name, and the text survives
// anything that stores it as UTF-8.
QString decodeFileName(QByteArrayView bytes);
QByteArray encodeFileName(const QString& name);

// The path of an entry inside dir: one "/" between them, never two (dir "/" gives "/name").
QString joinPath(const QString& dir, const QString& name);

// dir with exactly one trailing "/", as the walk reports directories.
QString withTrailingSlash(const QString& dir);

} // namespace vok
