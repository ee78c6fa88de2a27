#include "controls/Panel.h"
#include "platform/Colors.h"
#include <QMouseEvent>
#include <QPainter>

namespace vok {

TPanel::TPanel(QWidget* parent) : QLabel(parent) {
    // Panels show file names and paths, which may look like markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setColor(color_);
    setFontColor(fontColor_);
    updateFrameMargins();
}

void TPanel::setBevelInner(Bevel b) {
    inner_ = b;
    updateFrameMargins();
    update();
}

void TPanel::setBevelOuter(Bevel b) {
    outer_ = b;
    updateFrameMargins();
    update();
}

void TPanel::setBevelWidth(int w) {
    bevelWidth_ = qMax(1, w);
    updateFrameMargins();
    update();
}

void TPanel::setColor(quint32 bgr) {
    color_ = bgr;
    update();
}

void TPanel::setFontColor(quint32 bgr) {
    fontColor_ = bgr;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(bgr));
    setPalette(pal);
}

void TPanel::setFontSize(int points) {
    setFont(fontScale_.font(font(), points));
}

int TPanel::fontSize() const {
    const QFont f = font();
    if (f.pointSize() > 0)
        return f.pointSize();
    // A font given by its pixel height: its size in points at the screen's resolution.
    return qRound(f.pixelSize() * 72.0 / logicalDpiY());
}

void TPanel::updateFrameMargins() {
    const int m = ((inner_ != Bevel::None) + (outer_ != Bevel::None)) * bevelWidth_;
    setContentsMargins(m, m, m, m);
}

static void drawBevel(QPainter& p, QRect r, Bevel b, int width) {
    if (b == Bevel::None)
        return;
    const QColor light(255, 255, 255), dark(128, 128, 128);
    const QColor topLeft = b == Bevel::Raised ? light : dark;
    const QColor bottomRight = b == Bevel::Raised ? dark : light;
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void TPanel::paintPanel(QPainter& p) {
    p.fillRect(rect(), toQColor(color_));
    QRect r = rect();
    drawBevel(p, r, outer_, bevelWidth_);
    if (outer_ != Bevel::None)
        r.adjust(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    drawBevel(p, r, inner_, bevelWidth_);
}

QFont TPanel::fittedFont(const QString& text, int width) const {
    QFont f = font();
    // A long read-out shrinks to fit its panel rather than being cut, down to the smallest
    // size that stays legible.
    constexpr double kSmallestPoints = 7;
    double points = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 72.0 / logicalDpiY();
    while (points > kSmallestPoints && QFontMetrics(f).horizontalAdvance(text) > width) {
        points = qMax(kSmallestPoints, points - 0.5);
        f.setPointSizeF(points);
    }
    return f;
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPanel(p);
    const QRect area = contentsRect().adjusted(2, 0, -2, 0);
    const QFont f = fittedFont(text(), area.width());
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(area, int(alignment()),
               QFontMetrics(f).elidedText(text(), Qt::ElideRight, area.width()));
}

void TPanel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

} // namespace vok
