#include "controls/ScreenScale.h"

namespace vok {

ScreenScale ScreenScale::forScreen(QSize screen) {
    if (screen.isEmpty() || screen.width() == 640)
        return {};
    if (qint64(screen.width()) * 480 <= qint64(screen.height()) * 640)
        return {screen.width(), 640};
    return {screen.height(), 480};
}

QFont ScreenScale::font(QFont f) const {
    if (isIdentity())
        return f;
    constexpr int kSmallestPixels = 11; // 8 points at 96 dots per inch
    constexpr double kSmallestPoints = 8;
    if (f.pixelSize() > 0)
        f.setPixelSize(qMax(kSmallestPixels, length(f.pixelSize())));
    else
        f.setPointSizeF(qMax(kSmallestPoints, f.pointSizeF() * num_ / den_));
    return f;
}

QFont ScreenScale::font(QFont f, double designPoints) const {
    f.setPointSizeF(qMax(1.0, designPoints));
    return font(f);
}

} // namespace vok
