#pragma once
#include <QPoint>
#include <QRect>

class QPainter;

namespace vok {

// The pie primitive every Vok pie uses: the ellipse inside the box from (left, top) to
// (right, bottom), right and bottom exclusive; the arc runs counterclockwise as seen on screen
// from the ray through start to the ray through end, and the radii close it. Equal rays give the
// whole ellipse. Pen and brush are the painter's.
void gdiPie(QPainter& p, int left, int top, int right, int bottom, QPoint start, QPoint end);

// The span in degrees (0, 360] that gdiPie sweeps for these rays around the box's centre.
double gdiPieSpan(int left, int top, int right, int bottom, QPoint start, QPoint end);

} // namespace vok
