#pragma once
#include <QFont>

namespace vok {

// A font as the window designs give it: a height of -N is a character cell of N pixels.
QFont designFont(const QString& family, int height);

// Maps the desktop font names the windows were designed with onto installed fonts.
void installFontSubstitutions();

} // namespace vok
