#pragma once
#include <QColor>

namespace vok {

// Vok passes colours as $00BBGGRR numbers; they become QColor only where painted.
inline QColor toQColor(quint32 bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
inline quint32 fromQColor(const QColor& c) {
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace vok
