#include "controls/Dice.h"
#include "controls/DiceAccessible.h"
#include "controls/ValueAccessible.h"
#include "platform/Colors.h"
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <array>

namespace vok {

namespace {

// Pip boxes, (left, top) in units; each is 3 × 3 units.
enum Pip { TopLeft, TopRight, MiddleLeft, Centre, MiddleRight, BottomLeft, BottomRight };
constexpr std::array<QPoint, 7> kPipAt{
    {{2, 2}, {10, 2}, {2, 6}, {6, 6}, {10, 6}, {2, 10}, {10, 10}}};

const std::array<std::initializer_list<Pip>, 7> kPips{{
    {},
    {Centre},
    {TopLeft, BottomRight},
    {Centre, TopLeft, BottomRight},
    {TopLeft, BottomRight, BottomLeft, TopRight},
    {TopLeft, BottomRight, BottomLeft, TopRight, Centre},
    {TopLeft, BottomRight, BottomLeft, TopRight, MiddleLeft, MiddleRight},
}};

// A box from (l, t) to (r, b), right and bottom exclusive, as Qt's outlined shapes want it:
// they cover one pixel more than the rectangle's size.
QRect outlineBox(int l, int t, int r, int b) {
    return QRect(l, t, r - l - 1, b - t - 1);
}

} // namespace

TDice::TDice(QWidget* parent) : QWidget(parent) {
    installDiceAccessibility();
    resize(30, side());
    setFocusPolicy(Qt::StrongFocus);
}

void TDice::setValue(int pips) {
    const int before = value_;
    value_ = qBound(0, pips, 6);
    if (value_ != before)
        announceValue(this, value_);
    repaint();
}

void TDice::setDiceSize(int unit) {
    diceSize_ = qBound(1, unit, 6);
    repaint();
}

void TDice::setBackColor(quint32 bgr) {
    backColor_ = bgr;
    repaint();
}

void TDice::setDiceColor(quint32 bgr) {
    diceColor_ = bgr;
    repaint();
}

QImage TDice::face() const {
    const int u = diceSize_;
    const int s = side();
    QImage img(s, s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(img.rect(), toQColor(backColor_));
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(toQColor(diceColor_));
    p.drawRoundedRect(outlineBox(0, 0, s, s), 1.5 * u, 1.5 * u);
    p.setBrush(Qt::black);
    for (Pip pip : kPips[size_t(value_)]) {
        const QPoint at = kPipAt[size_t(pip)] * u;
        p.drawEllipse(outlineBox(at.x(), at.y(), at.x() + 3 * u, at.y() + 3 * u));
    }
    if (hasFocus()) {
        // Inside the rim and clear of every pip.
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(outlineBox(u, u, s - u, s - u));
    }
    return img;
}

void TDice::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, face());
    // A new DiceSize resizes the control only when it is next painted; a resize cannot happen
    // inside the paint itself.
    if (size() != QSize(side(), side()))
        QTimer::singleShot(0, this, [this] { resize(side(), side()); });
}

void TDice::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    emit mouseDown(e->button(), e->position().toPoint());
}

void TDice::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMove(e->position().toPoint());
}

void TDice::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    emit mouseUp(e->button(), e->position().toPoint());
    if (click)
        emit clicked();
}

// The second press of a double click still rolls: a player clicking quickly means every click.
void TDice::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
    emit doubleClicked();
}

void TDice::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace vok
