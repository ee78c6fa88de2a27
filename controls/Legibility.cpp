#include "controls/Legibility.h"
#include <algorithm>
#include <cmath>

namespace vok {

namespace {

constexpr double kReadable = 4.5;

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleBackground(const QColor& text, const QColor& paletteBackground) {
    if (contrastRatio(text, paletteBackground) >= kReadable)
        return paletteBackground;
    const QColor white(Qt::white), black(Qt::black);
    return contrastRatio(text, white) >= contrastRatio(text, black) ? white : black;
}

} // namespace vok
