#pragma once
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <array>

namespace vok {

// A size as the grids show it: decimal, padded with spaces on the left to 12 characters, so
// that comparing the texts compares the sizes; larger figures take the room they need.
QString SizeCellText(qint64 size);
// The same as UTF-8, written into room.
QByteArrayView SizeCellUtf8(qint64 size, std::array<char, 24>& room);

} // namespace vok
