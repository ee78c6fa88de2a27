#include "controls/ScreenFonts.h"
#include "controls/Legibility.h"
#include "controls/Panel.h"
#include "platform/Colors.h"
#include <QApplication>
#include <QWidget>

namespace vok {

namespace {

// A panel paints its text in its font colour, any other control in its palette's text colour.
quint32 textColour(const QWidget* w) {
    if (const auto* panel = qobject_cast<const TPanel*>(w))
        return panel->fontColor();
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

std::optional<FontChoice> fontDialogFrom(DialogService& dialogs, const QWidget* w) {
    return dialogs.chooseFont(FontChoice{w->font(), textColour(w)});
}

void takeScreenFont(QWidget* w, const FontChoice& chosen) {
    w->setFont(chosen.font);
    if (auto* panel = qobject_cast<TPanel*>(w))
        panel->setFontColor(chosen.color);
    else
        setTextColour(w, chosen.color);
}

bool chooseScreenFont(DialogService& dialogs, QWidget* w, FontSetting* store) {
    const auto chosen = chooseScreenFont(dialogs, {w});
    if (!chosen)
        return false;
    if (store) {
        store->color = chosen->color;
        store->size = chosen->font.pointSize();
    }
    return true;
}

} // namespace vok
