#include "controls/GdiPie.h"
#include <QPainter>
#include <cmath>

namespace vok {

namespace {

struct Sweep {
    double start; // degrees, counterclockwise on screen from 3 o'clock
    double span;
};

// The angle at which a ray from the centre through p meets the ellipse, as the toolkit's arcs
// count it: of the circle the ellipse was squeezed from. On a circle that is the ray's own angle.
double arcAngle(double cx, double cy, double a, double b, QPoint p) {
    // Screen y grows downward; flip it so angles turn counterclockwise as seen.
    const double deg = std::atan2(-(p.y() - cy) / b, (p.x() - cx) / a) * 180.0 / M_PI;
    return deg < 0 ? deg + 360.0 : deg;
}

Sweep sweep(int left, int top, int right, int bottom, QPoint start, QPoint end) {
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double ra = qMax(1.0, (right - left) / 2.0);
    const double rb = qMax(1.0, (bottom - top) / 2.0);
    const double from = arcAngle(cx, cy, ra, rb, start);
    const double to = arcAngle(cx, cy, ra, rb, end);
    double span = to - from;
    if (span <= 1e-9)
        span += 360.0;
    return {from, span};
}

} // namespace

double gdiPieSpan(int left, int top, int right, int bottom, QPoint start, QPoint end) {
    return sweep(left, top, right, bottom, start, end).span;
}

void gdiPie(QPainter& p, int left, int top, int right, int bottom, QPoint start, QPoint end) {
    const QRectF box(left, top, right - left - 1, bottom - top - 1);
    const Sweep s = sweep(left, top, right, bottom, start, end);
    if (s.span >= 360.0 - 1e-9) {
        p.drawEllipse(box);
        return;
    }
    p.drawPie(box, qRound(s.start * 16), qRound(s.span * 16));
}

} // namespace vok
