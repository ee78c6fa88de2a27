#include "controls/ScreenFonts.h"
#include "controls/Legibility.h"
#include "platform/Colors.h"
#include "platform/DialogService.h"
#include "platform/Services.h"
#include <QApplication>
#include <QWidget>

namespace vok {

namespace {

quint32 textColour(const QWidget* w) {
    return fromQColor(w->palette().color(QPalette::Text));
}

} // namespace

void setTextColour(QWidget* w, quint32 bgr) {
    const QColor text = toQColor(bgr);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::WindowText, text);
    // The desktop's base, not the one set with an earlier colour, is kept where it reads well.
    pal.setColor(QPalette::Base,
                 legibleBackground(text, QApplication::palette(w).color(QPalette::Base)));
    w->setPalette(pal);
}

void applyFontSetting(QWidget* w, const FontSetting& font) {
    QFont f(font.name);
    f.setPointSize(qMax(1, font.size));
    w->setFont(f);
    setTextColour(w, font.color);
}

bool chooseScreenFont(QWidget* w, FontSetting* store) {
    const auto chosen = services().dialogs->chooseFont(FontChoice{w->font(), textColour(w)});
    if (!chosen)
        return false;
    w->setFont(chosen->font);
    setTextColour(w, chosen->color);
    if (store) {
        store->color = chosen->color;
        store->size = chosen->font.pointSize();
    }
    return true;
}

} // namespace vok
