#pragma once
#include <QByteArray>
#include <QString>

namespace vok {

enum class CaptionEncoding { Utf8, Latin1 };

constexpr int kCaptionLimit = 254;

// A caption from the bytes of a window's name property: up to its first NUL, decoded, and cut
// to at most kCaptionLimit characters without splitting one.
QString captionFrom(const QByteArray& bytes, CaptionEncoding encoding);

} // namespace vok
