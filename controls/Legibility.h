#pragma once
#include <QColor>

namespace vok {

// The contrast ratio of two colours by their relative luminance (WCAG 2): 1 for equal colours,
// 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// The background to show a chosen text colour on: the palette's own where the two read well
// together (4.5:1), else white or black, whichever contrasts more with the text (always above
// 4.5:1), so a colour chosen for a light desktop stays legible on a dark one and back.
QColor legibleBackground(const QColor& text, const QColor& paletteBackground);

} // namespace vok
