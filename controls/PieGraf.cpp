#include "controls/PieGraf.h"
#include "controls/GdiPie.h"
#include "controls/PieGrafAccessible.h"
#include "controls/Rounding.h"
#include "controls/ValueAccessible.h"
#include "platform/Colors.h"
#include <QPainter>
#include <cmath>

namespace vok {

namespace {
constexpr double kDegToRad = M_PI / 180.0;
} // namespace

TPieGraf::TPieGraf(QWidget* parent) : TPanel(parent) {
    installPieGrafAccessibility();
    resize(100, 100);
    setColor(0xC0C0C0);
    QFont f("Arial");
    f.setPointSize(8);
    setFont(f);
    setFontColor(0xFFFFFF);
    setAccessibleName(caption_);
}

void TPieGraf::setMainColor(quint32 c) {
    if (c == mainColor_)
        return;
    mainColor_ = c;
    DrawPie();
}

void TPieGraf::setSliceColor(quint32 c) {
    if (c == sliceColor_)
        return;
    sliceColor_ = c;
    DrawPie();
}

void TPieGraf::setEdgeColor(quint32 c) {
    if (c == edgeColor_)
        return;
    edgeColor_ = c;
    DrawPie();
}

void TPieGraf::setShowText(bool on) {
    if (on == showText_)
        return;
    showText_ = on;
    DrawPie();
}

void TPieGraf::setPercent(int pct) {
    pct = qBound(0, pct, 100);
    if (pct == percent_)
        return;
    percent_ = pct;
    announceValue(this, percent_);
    DrawPie();
}

void TPieGraf::setCaption(const QString& text) {
    if (text != caption_) {
        caption_ = text;
        setAccessibleName(text);
    }
    update();
}

void TPieGraf::setHint(const QString& hint) {
    setToolTip(hint);
    setAccessibleDescription(hint);
}

void TPieGraf::DrawPie() {
    ++drawCount_;
    // Qt paints widgets only inside their paint event; repaint() runs it now.
    repaint();
}

void TPieGraf::paintEvent(QPaintEvent* e) {
    TPanel::paintEvent(e);
    QPainter p(this);
    drawOn(p);
}

void TPieGraf::drawOn(QPainter& p) {
    const int L = 0, T = 0, R = width(), B = height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);

    const int m = R / 2;
    const int k = R - 4;
    const QPoint top(m - 1, m + roundHalfEven(k * std::sin(270 * kDegToRad)));
    const double theta = (percent_ * 0.01 * 360 + 270) * kDegToRad;
    const QPoint share(m + roundHalfEven(k * std::cos(theta)) - 1,
                       m + roundHalfEven(k * std::sin(theta)) - 1);
    const QRectF disc(L + 4, T + 4, R - L - 9, B - T - 9);

    p.setPen(QPen(toQColor(edgeColor_), 1));
    p.setBrush(toQColor(mainColor_));
    if (percent_ == 100)
        p.drawEllipse(disc);
    else
        gdiPie(p, L + 4, T + 4, R - 4, B - 4, share, top);

    p.setBrush(toQColor(sliceColor_));
    if (percent_ == 0)
        p.drawEllipse(disc);
    else if (percent_ != 100)
        gdiPie(p, L + 4, T + 4, R - 4, B - 4, top, share);

    if (showText_) {
        const quint32 fill = percent_ != 0 ? mainColor_ : sliceColor_;
        p.setFont(font());
        p.setPen(toQColor(fontColor()));
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(toQColor(fill));
        const QFontMetrics fm(font());
        const int tx = (R - 4) / 2;
        const int ty = (B - 4) / 2;
        const int w = fm.horizontalAdvance("AA");
        //: %1 is the percentage
        p.drawText(QPoint(tx - w / 2, ty + ty / 2 + fm.ascent()),
                   tr("%1%").arg(QString::number(percent_)));
        const int n = int(caption_.size());
        p.drawText(QPoint(tx - (n + n / 2 + 3), ty - 1 + fm.ascent()), caption_);
    }
    p.restore();
}

} // namespace vok
