#pragma once
#include "controls/ScreenContext.h"

class QWidget;

namespace vok {

// The colour of a control's text ($00BBGGRR), for views and labels alike, with the background
// it is shown on: the desktop's base where the pair is legible, else white or black.
void setTextColour(QWidget* w, quint32 bgr);

// Gives a screen's control the stored font: colour, size and name.
void applyFontSetting(QWidget* w, const FontSetting& font);

// Runs the font dialog for a control; on OK the control takes the font, and when store is given
// its colour and size are written back there (the name is not). False when cancelled.
bool chooseScreenFont(QWidget* w, FontSetting* store);

} // namespace vok
