#include "controls/GdiPie.h"
#include <QPainter>
#include <cmath>

namespace vok {

namespace {

struct Sweep {
    double start; // degrees, counterclockwise on screen from 3 o'clock
    double span;
};

double screenAngle(double cx, double cy, QPoint p) {
    // Screen y grows downward; flip it so angles turn counterclockwise as seen.
    const double deg = std::atan2(-(p.y() - cy), p.x() - cx) * 180.0 / M_PI;
    return deg < 0 ? deg + 360.0 : deg;
}

Sweep sweep(int left, int top, int right, int bottom, QPoint start, QPoint end) {
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double a = screenAngle(cx, cy, start);
    const double b = screenAngle(cx, cy, end);
    double span = b - a;
    if (span <= 1e-9)
        span += 360.0;
    return {a, span};
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
