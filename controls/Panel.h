#pragma once
#include "controls/ScreenScale.h"
#include <QLabel>

namespace vok {

enum class Bevel { None, Lowered, Raised };

// A bevelled panel showing one line of text; the text is what assistive technology reads.
class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    Bevel bevelInner() const { return inner_; }
    Bevel bevelOuter() const { return outer_; }
    int bevelWidth() const { return bevelWidth_; }
    void setBevelInner(Bevel b);
    void setBevelOuter(Bevel b);
    void setBevelWidth(int w);
    // Background and text colours as $00BBGGRR numbers.
    void setColor(quint32 bgr);
    void setFontColor(quint32 bgr);
    quint32 color() const { return color_; }
    quint32 fontColor() const { return fontColor_; }
    // Sizes given in design points go through the window's screen scale.
    void setFontScale(const ScreenScale& scale) { fontScale_ = scale; }
    void setFontSize(int points);
    int fontSize() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // The panel's own painting: background and bevels.
    void paintPanel(QPainter& p);

    // The panel's font, made smaller where the text would not fit the width.
    QFont fittedFont(const QString& text, int width) const;

private:
    void updateFrameMargins();
    Bevel inner_ = Bevel::None;
    Bevel outer_ = Bevel::Raised;
    int bevelWidth_ = 1;
    quint32 color_ = 0xC0C0C0;
    quint32 fontColor_ = 0;
    ScreenScale fontScale_;
};

} // namespace vok
