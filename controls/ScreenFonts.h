#pragma once
#include "controls/ScreenContext.h"
#include "platform/DialogService.h"
#include <initializer_list>
#include <iterator>
#include <optional>

class QWidget;

namespace vok {

// The colour of a control's text ($00BBGGRR), for views and labels alike, with the background
// it is shown on: the desktop's base where the pair is legible, else white or black.
void setTextColour(QWidget* w, quint32 bgr);

// Gives a screen's control the stored font: colour, size and name.
void applyFontSetting(QWidget* w, const FontSetting& font);

// The font dialog from w's font and text colour (a panel's or pie's font colour).
std::optional<FontChoice> fontDialogFrom(DialogService& dialogs, const QWidget* w);
// w takes the chosen font and colour.
void takeScreenFont(QWidget* w, const FontChoice& chosen);

// The one font command of every window: runs the font dialog from the first control's font and
// colour; on OK every control takes the choice. The choice, or nullopt when cancelled;
// repainting is the caller's. Nothing is allocated before the dialog.
template <typename Controls>
std::optional<FontChoice> chooseScreenFont(DialogService& dialogs, const Controls& controls) {
    const std::optional<FontChoice> chosen = fontDialogFrom(dialogs, *std::begin(controls));
    if (chosen)
        for (QWidget* w : controls)
            takeScreenFont(w, *chosen);
    return chosen;
}
inline std::optional<FontChoice> chooseScreenFont(DialogService& dialogs,
                                                  std::initializer_list<QWidget*> controls) {
    return chooseScreenFont<std::initializer_list<QWidget*>>(dialogs, controls);
}

// The same for one control; when store is given the chosen colour and size are written back
// there (the name is not). False when cancelled.
bool chooseScreenFont(DialogService& dialogs, QWidget* w, FontSetting* store);

} // namespace vok
