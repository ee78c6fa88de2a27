#pragma once
#include <QWidget>

namespace vok {

// One face of a die: a rounded square of 15 × 15 units with 0 to 6 pips. A click, Space or Enter
// is a click; the game decides what a click does.
class TDice : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(int DiceSize READ diceSize WRITE setDiceSize)
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 DiceColor READ diceColor WRITE setDiceColor)
public:
    explicit TDice(QWidget* parent = nullptr);

    int value() const { return value_; }
    int diceSize() const { return diceSize_; }
    quint32 backColor() const { return backColor_; }
    quint32 diceColor() const { return diceColor_; }

    // Each stores, clamps where it has a range, and paints at once, equal value or not.
    void setValue(int pips);    // 0..6, 0 being a blank face
    void setDiceSize(int unit); // 1..6 pixels per unit; the size follows at the next paint
    void setBackColor(quint32 bgr);
    void setDiceColor(quint32 bgr);

    // The face as drawn, 15u × 15u.
    QImage face() const;

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMove(QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int side() const { return 15 * diceSize_; }
    int value_ = 1;
    int diceSize_ = 2;
    quint32 backColor_ = 0xC0C0C0;
    quint32 diceColor_ = 0xFFFFFF;
    bool pressed_ = false;
};

} // namespace vok
