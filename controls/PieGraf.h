#pragma once
#include "controls/Panel.h"

namespace vok {

// One percentage as a two-coloured disc with the figure and a caption written on it.
class TPieGraf : public TPanel {
    Q_OBJECT
    Q_PROPERTY(quint32 MainColor READ mainColor WRITE setMainColor)
    Q_PROPERTY(quint32 SliceColor READ sliceColor WRITE setSliceColor)
    Q_PROPERTY(quint32 EdgeColor READ edgeColor WRITE setEdgeColor)
    Q_PROPERTY(bool ShowText READ showText WRITE setShowText)
    Q_PROPERTY(int Percent READ percent WRITE setPercent)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
public:
    explicit TPieGraf(QWidget* parent = nullptr);

    quint32 mainColor() const { return mainColor_; }
    quint32 sliceColor() const { return sliceColor_; }
    quint32 edgeColor() const { return edgeColor_; }
    bool showText() const { return showText_; }
    int percent() const { return percent_; }
    QString caption() const { return caption_; }

    // Equal values draw nothing; a new value is stored and drawn at once.
    void setMainColor(quint32 c);
    void setSliceColor(quint32 c);
    void setEdgeColor(quint32 c);
    void setShowText(bool on);
    void setPercent(int pct); // clamped to 0..100
    // Always repaints the whole control, even for an equal text.
    void setCaption(const QString& text);
    // The hint: tooltip and accessible description.
    void setHint(const QString& hint);
    QString hint() const { return toolTip(); }

    // Draws disc, wedges and texts now, over what is there.
    void DrawPie();
    // How many times the disc has been drawn; lets tests see the setters' redraw rules.
    int drawCount() const { return drawCount_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void drawOn(QPainter& p);
    quint32 mainColor_ = 32768;
    quint32 sliceColor_ = 255;
    quint32 edgeColor_ = 0;
    bool showText_ = true;
    int percent_ = 0;
    QString caption_;
    int drawCount_ = 0;
};

} // namespace vok
