#pragma once
#include <QFont>
#include <QSize>

namespace vok {

// How much a window laid out for a 640 × 480 screen grows on the screen it is shown on. One
// factor serves positions, sizes and fonts alike: the smaller of width : 640 and height : 480,
// so that a wide screen cannot push the lower controls out of a window scaled by its height.
class ScreenScale {
public:
    ScreenScale() = default; // nothing scaled
    ScreenScale(int num, int den) : num_(num), den_(den > 0 ? den : 1) {}
    // A screen 640 wide (or of unknown size) keeps the design values exactly.
    static ScreenScale forScreen(QSize screen);

    bool isIdentity() const { return num_ == den_; }
    int num() const { return num_; }
    int den() const { return den_; }
    // A design length, rounded to the nearest pixel.
    int length(int v) const { return int((qint64(v) * num_ + den_ / 2) / den_); }
    // A design length with the fraction dropped, as the window's own size is computed.
    int truncated(int v) const { return int(qint64(v) * num_ / den_); }
    // The one rule for every font size of the window (docs/fonts.md): scaled like the
    // controls, never below 8 points; on an unscaled screen a font keeps its design size.
    QFont font(QFont f) const;
    // A font of the given design size in points, through the same rule.
    QFont font(QFont f, double designPoints) const;

private:
    int num_ = 1;
    int den_ = 1;
};

} // namespace vok
