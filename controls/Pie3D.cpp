#include "controls/Pie3D.h"
#include "controls/GdiPie.h"
#include "controls/Rounding.h"
#include "platform/Colors.h"
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vok {

namespace {

// Rays long enough that rounding the points to pixels cannot tilt them visibly.
constexpr double kRayScale = 1000.0;

// The pie segment of `percent` per cent in the ellipse (left, top)-(right, bottom), 12 o'clock
// clockwise. The end point is taken on the ellipse itself, not on a circle, so the wedge is the
// right share of the face's area and looks like that share of a tilted disc.
void drawWedge(QPainter& p, int percent, int left, int top, int right, int bottom) {
    if (percent <= 0)
        return;
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double a = (right - left) / 2.0 * kRayScale;
    const double b = (bottom - top) / 2.0 * kRayScale;
    const double angle = (percent * 0.01 * 360 + 270) * M_PI / 180;
    const QPoint top12(qRound(cx), qRound(cy - b));
    const QPoint end(qRound(cx + a * std::cos(angle)), qRound(cy + b * std::sin(angle)));
    gdiPie(p, left, top, right, bottom, end, top12);
}

void writeOpaque(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics fm(p.font());
    const QRect box(x, y, fm.horizontalAdvance(text), fm.height());
    p.fillRect(box, p.brush().color());
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace

quint32 pieShade(quint32 color) {
    const quint64 q = 3 * quint64(color);
    quint64 shade = q / 4;
    const quint64 rest = q % 4;
    if (rest > 2 || (rest == 2 && shade % 2 == 1))
        ++shade;
    return quint32(shade);
}

void Draw3DPie(QPainter& p, int percent, int left, int top, int width, quint32 face, quint32 wedge,
               const QString& caption) {
    percent = std::clamp(percent, 0, 100);
    const int right = left + width;
    const int h = roundHalfEven(width * 0.5);
    const int b1 = top + h;
    const int b2 = b1 + h;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 0));

    // The side, from the middle of the upper face to the middle of the lower one.
    p.setBrush(Qt::black);
    const int sideTop = top - roundHalfEven((top - b1) * 0.5);
    const int sideBottom = b1 - roundHalfEven((b1 - b2) * 0.5);
    p.drawRoundedRect(QRect(left, sideTop, width - 1, sideBottom - sideTop - 1), 5, 5);

    p.setBrush(toQColor(face));
    p.drawEllipse(QRect(left, top, width - 1, h - 1));
    p.setBrush(toQColor(pieShade(face)));
    p.drawEllipse(QRect(left, b1, width - 1, h - 1));

    p.setBrush(toQColor(wedge));
    drawWedge(p, percent, left, top, right, b1);
    p.setBrush(toQColor(pieShade(wedge)));
    drawWedge(p, percent, left, b1, right, b2);

    p.setBrush(toQColor(wedge));
    Draw3DPieLabel(p, percent, left, b1, right, b2, caption);
    p.restore();
}

void Draw3DPieLabel(QPainter& p, int percent, int x1, int y1, int x2, int y2,
                    const QString& caption) {
    const int cx = x2 - (x2 - x1) / 2;
    const int cy = y2 - (y2 - y1) / 2;
    const int aa = QFontMetrics(p.font()).horizontalAdvance("AA");
    //: %1 is the percentage
    writeOpaque(p, cx - aa / 2, cy - cy / 4,
                QCoreApplication::translate("vok::Pie3D", "%1%").arg(QString::number(percent)));
    const int n = int(caption.size());
    writeOpaque(p, cx - n - n / 2 - 10, cy - 1, caption);
}

} // namespace vok
